// SPDX-License-Identifier: GPL-3.0-or-later
// The running program: the platform services and every window, loaded
// once at start-up and kept until the program ends. Windows find each
// other through this object and ask each other for meanings (for example
// app.path(PathField::GUIDIr)), not for controls.
#pragma once

#include "app/pathsettings.h"
#include "app/selection.h"
#include "app/startupnotices.h"
#include "platform/dosfs.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <string>

namespace kivalto {

class Snesmain;
class Splash;
class Paths;
class chpath;
class errorfrm;
class keyconfig;
class mesage;
class Jukebox;
class Editor;
class keyview;
class addnew;
class sneskeycon;
class nonadv;
class chtcodefrm;
class frmTip;
class LibraryWindow;
class PlayRecorder;
struct WindowsBuiltAhead;

struct App {
    App(DosFs& fs, SettingsStore& settings, Dialogs& dialogs, ProcessStarter& process)
        : fs(fs), settings(settings), dialogs(dialogs), process(process)
    {
    }

    DosFs& fs;
    SettingsStore& settings;
    Dialogs& dialogs;
    ProcessStarter& process;

    // Program title and the settings store's application name.
    std::string title = "Kivalto";
    // The settings store's application name: the executable's name
    // without extension.
    std::string settingsApp = "Kivalto";
    // The whole command-line argument text, in its DOS form.
    std::string commandLine;

    // What the user has chosen: the current plugin, ROM folder and ROM,
    // and the launch choices.
    Selection selection;
    // The current plugin's file routines, with their reports.
    void importPlug(const std::string& path)
    {
        selection.importPlug(fs, dialogs, title, path, [this](const std::string& file) { noticeOversize(file); });
    }
    void savePLUG() { selection.savePLUG(fs); }

    // The seven directory settings in force, as bytes: what the Paths
    // window's fields hold at this moment (it keeps them up to date).
    PathValues pathSettings;
    const std::string& path(PathField f) const { return pathSettings[static_cast<std::size_t>(f)]; }

    ::kivalto::Snesmain* Snesmain = nullptr;
    ::kivalto::Splash* Splash = nullptr;
    ::kivalto::Paths* Paths = nullptr;
    ::kivalto::chpath* chpath = nullptr;
    ::kivalto::errorfrm* errorfrm = nullptr;
    ::kivalto::keyconfig* keyconfig = nullptr;
    ::kivalto::mesage* mesage = nullptr;
    ::kivalto::Jukebox* Jukebox = nullptr;
    ::kivalto::Editor* Editor = nullptr;
    ::kivalto::keyview* keyview = nullptr;
    ::kivalto::addnew* addnew = nullptr;
    ::kivalto::sneskeycon* sneskeycon = nullptr;
    ::kivalto::nonadv* nonadv = nullptr;
    ::kivalto::chtcodefrm* chtcodefrm = nullptr;
    ::kivalto::frmTip* frmTip = nullptr;
    // Made when the ROM Library is first opened, so that until then Kivalto
    // reads and writes nothing of it.
    ::kivalto::LibraryWindow* LibraryWindow = nullptr;

    // Play history. A launch whose emulator has started tells of it with
    // the ROM's DOS path and gets the run's number (0: nothing recorded,
    // as without library.db); a native run's end tells its play time under
    // that number. The history is written on a thread of its own.
    int playStarted(const std::string& romDosPath);
    void playEnded(int run, long long seconds);
    // Made at the first launch once library.db exists; deleted with the windows.
    PlayRecorder* plays = nullptr;

    // Windows built while the splash waits for its timer; StartupLoad takes
    // them (SnesStart.cpp).
    std::shared_ptr<WindowsBuiltAhead> builtAhead;

    // Notices found while starting wait here for the main window.
    StartupNotices startupNotices;

    // Sets the error window's text and shows it (not modal); while
    // starting, keeps the text for the error window shown at the end.
    void showError(const std::string& text);
    // A short notice: a box with only OK, or kept like an error while
    // starting.
    void notice(const std::string& text);
    // The notice for a file cut at the text files' limits.
    void noticeOversize(const std::string& file);
    // Sets the message window's text and shows it (not modal).
    void showMessage(const std::string& text);
    // Shows the splash window again, as the About box.
    void showAbout();
    // Options store, section "Options", default "1".
    std::string option(const std::string& key) const { return settings.get(settingsApp, "Options", key, "1"); }
    // Reports a value the store could not keep.
    void saveOption(const std::string& key, bool on);

    // Ends the program at once. Tests replace it.
    std::function<void()> quit;
    bool quitRequested = false;
};

} // namespace kivalto
