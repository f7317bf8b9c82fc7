// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/SnesStart.h"

#include "app/pathsettings.h"
#include "app/windows/Paths.h"
#include "app/windows/Snesmain.h"
#include "app/windows/Splash.h"
#include "jukebox/windows/Jukebox.h"
#include "keys/windows/keyconfig.h"
#include "keys/windows/keyview.h"
#include "keys/windows/nonadv.h"
#include "keys/windows/sneskeycon.h"
#include "library/windows/librarywindow.h"
#include "library/windows/playrecorder.h"
#include "launch/windows/chtcodefrm.h"
#include "platform/textfield.h"
#include "platform/qt/windowrole.h"
#include "plugins/windows/Editor.h"
#include "plugins/windows/addnew.h"
#include "roms/windows/chpath.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"
#include "ui/windows/frmTip.h"

#include <QApplication>
#include <QTimer>
#include <tuple>
#include <utility>

namespace kivalto {

namespace {

void copyTemplate(App& app, const char* from, const char* to)
{
    try {
        app.fs.copyFile(from, to);
    } catch (const FileError& e) {
        app.notice(std::string("The launch template ") + from + " could not be copied to " + to + ": " + e.what() +
                   " Games cannot be started until it is restored in the Kivalto directory.");
    }
}

void progress(App& app, int value)
{
    app.Splash->setProgress(value);
}

} // namespace

// The splash waits about 10 ms for its timer before the load begins. The
// widgets of the windows the load steps create are built in that wait, one
// window per turn of the event loop so that the timer is not held up, in
// the order of the steps. Building widgets reads no file: every load step
// still runs in StartupLoad, in its place. StartupLoad builds itself what
// the wait left.
struct WindowsBuiltAhead {
    std::tuple<errorfrm*, mesage*, Snesmain*, Paths*, chpath*, keyconfig*, Jukebox*, Editor*, keyview*, addnew*,
               sneskeycon*, nonadv*, chtcodefrm*>
        windows{};

    WindowsBuiltAhead() = default;
    WindowsBuiltAhead(const WindowsBuiltAhead&) = delete;
    WindowsBuiltAhead& operator=(const WindowsBuiltAhead&) = delete;
    ~WindowsBuiltAhead()
    {
        std::apply([](auto*... w) { (delete w, ...); }, windows);
    }
    // Builds the next window not built yet; false when there is none.
    bool buildNext(App& app)
    {
        return std::apply([&app](auto*&... w) { return (buildIfMissing(app, w) || ...); }, windows);
    }
    template <typename W>
    W* take()
    {
        return std::exchange(std::get<W*>(windows), nullptr);
    }

private:
    template <typename W>
    static bool buildIfMissing(App& app, W*& w)
    {
        if (w)
            return false;
        w = new W(app);
        return true;
    }
};

namespace {

void buildWindowsAhead(App& app)
{
    QTimer::singleShot(0, app.Splash, [&app] {
        if (app.builtAhead && app.builtAhead->buildNext(app))
            buildWindowsAhead(app);
    });
}

// The window built ahead, or a new one.
template <typename W>
W* build(App& app, WindowsBuiltAhead* ahead)
{
    W* built = ahead ? ahead->take<W>() : nullptr;
    return built ? built : new W(app);
}

template <typename W>
W* load(App& app, WindowsBuiltAhead* ahead, W*& slot, int progressAfter)
{
    slot = build<W>(app, ahead);
    // A window with nothing to do when it loads has no Form_Load.
    if constexpr (requires { slot->Form_Load(); })
        slot->Form_Load();
    progress(app, progressAfter);
    return slot;
}

// A folder without paths.dat gets one that opens its own ROMS folder; so
// does a copied folder whose paths.dat is still the default of the old one.
// A file longer than what is read is no default and is kept as it is.
void preparePathsFile(App& app, const std::string& dosDir)
{
    const bool exists = app.fs.fileExists("paths.dat");
    const auto current = exists ? app.fs.readText("paths.dat", kMaxTextFileBytes) : std::nullopt;
    if (exists && (!current || current->cut))
        return;
    const auto bytes = pathsFileForFolder(current ? std::optional(current->bytes) : std::nullopt, dosDir);
    if (!bytes)
        return;
    try {
        app.fs.writeWhole("paths.dat", *bytes);
    } catch (const FileError& e) {
        app.notice(std::string("The paths file paths.dat could not be written in ") + dosDir + ": " + e.what());
    }
}

} // namespace

void prepareProgramFolder(App& app, const ProgramFolder& folder, const std::optional<std::string>& programDos)
{
    app.startupNotices.open();
    const std::string programDir = folder.dir.string();
    if (!folder.problem.empty())
        app.notice(folder.problem + " Kivalto runs from " + programDir + " and may not be able to save its settings.");
    else if (programDos)
        preparePathsFile(app, *programDos);
    if (!programDos)
        app.notice("The Kivalto directory " + programDir +
                   " is on none of Kivalto's drives, so its files cannot be found. Add a drive for it to the "
                   "section \"Drives\" of the settings file.");
}

void entryRoutine(App& app)
{
    app.startupNotices.open();
    reportPlainWindowsAsWindows();
    if (!app.quit)
        app.quit = [&app] {
            app.quitRequested = true;
            QApplication::exit(0);
        };
    app.Splash = new Splash(app);
    app.Splash->Form_Load();
    app.Splash->setProgress(0);
    app.Splash->show();
    copyTemplate(app, "sneswin.pit", "sneswin.pif");
    copyTemplate(app, "snesdos.pit", "snesdos.pif");
    app.Splash->startLoad();
    app.builtAhead = std::make_shared<WindowsBuiltAhead>();
    buildWindowsAhead(app);
}

void StartupLoad(App& app)
{
    reportPlainWindowsAsWindows();
    if (!app.Splash) {
        app.Splash = new Splash(app);
        app.Splash->Form_Load();
    }
    if (!app.quit)
        app.quit = [&app] { app.quitRequested = true; };
    app.startupNotices.open();
    // Taking the windows built ahead ends the building in the wait.
    const std::shared_ptr<WindowsBuiltAhead> ahead = std::exchange(app.builtAhead, nullptr);
    WindowsBuiltAhead* const built = ahead.get();
    // mesage and errorfrm are created before anything can report; the
    // progress bar still counts them at their places in the order below.
    app.errorfrm = build<errorfrm>(app, built);
    app.mesage = build<mesage>(app, built);

    app.Snesmain = build<Snesmain>(app, built);
    app.Snesmain->Form_Load();
    progress(app, 7);
    load(app, built, app.Paths, 14);
    load(app, built, app.chpath, 21);
    app.chpath->openRomFolder = [&app](const std::string& folder) { return app.Snesmain->openRomFolder(folder); };
    progress(app, 28);  // errorfrm
    load(app, built, app.keyconfig, 35);
    progress(app, 42);  // mesage
    load(app, built, app.Jukebox, 49);
    load(app, built, app.Editor, 56);
    load(app, built, app.keyview, 63);
    load(app, built, app.addnew, 70);
    load(app, built, app.sneskeycon, 77);
    load(app, built, app.nonadv, 84);
    load(app, built, app.chtcodefrm, 91);
    QObject::connect(app.Snesmain, &Snesmain::cheatTypesChosen, app.chtcodefrm, &chtcodefrm::setCheatTypes);
    progress(app, 98);  // the icon holder is not kept

    app.Snesmain->applySavedOptions();
    progress(app, 100);

    app.Snesmain->CheckCOMMAND();
    app.Snesmain->show();
    app.frmTip = new frmTip(app);
    QObject::connect(app.frmTip, &frmTip::tipsOnStartupMarked, app.Snesmain, &Snesmain::markTipsOnStartup);
    app.frmTip->Form_Load();
    // The command-line launch is under way by now; what start-up found
    // waits for no one and shows together with the main window.
    if (const std::string notices = app.startupNotices.close(); !notices.empty())
        app.showError(notices);
    app.Splash->endLoad();
}

void destroyWindows(App& app)
{
    app.builtAhead = nullptr;
    // The Library first: it waits for its indexing to stop.
    delete app.LibraryWindow;
    app.LibraryWindow = nullptr;
    QWidget* windows[] = {app.frmTip,  app.chtcodefrm, app.nonadv,  app.sneskeycon, app.addnew,
                          app.keyview, app.Editor,     app.Jukebox, app.keyconfig,  app.chpath,
                          app.Paths,   app.Snesmain,   app.mesage,  app.errorfrm,   app.Splash};
    for (QWidget* w : windows)
        delete w;
    app.frmTip = nullptr;
    app.chtcodefrm = nullptr;
    app.nonadv = nullptr;
    app.sneskeycon = nullptr;
    app.addnew = nullptr;
    app.keyview = nullptr;
    app.Editor = nullptr;
    app.Jukebox = nullptr;
    app.keyconfig = nullptr;
    app.chpath = nullptr;
    app.Paths = nullptr;
    app.Snesmain = nullptr;
    app.mesage = nullptr;
    app.errorfrm = nullptr;
    app.Splash = nullptr;
    // Last: it records what is still queued before it goes.
    delete app.plays;
    app.plays = nullptr;
}

namespace {
std::string chooseFile(App& app, const std::string& filter, const std::string& startFolder, bool save)
{
    const std::string current = app.fs.currentDir();
    FileDialogCall call{save, filter, startFolder};
    std::string chosen = save ? app.dialogs.saveFile(call) : app.dialogs.openFile(call);
    app.fs.setCurrentDir(current);
    return chosen;
}
} // namespace

std::string ChooseFileToOpen(App& app, const std::string& filter, const std::string& startFolder)
{
    return chooseFile(app, filter, startFolder, false);
}

std::string ChooseFileToSave(App& app, const std::string& filter, const std::string& startFolder)
{
    return chooseFile(app, filter, startFolder, true);
}

} // namespace kivalto
