// SPDX-License-Identifier: GPL-3.0-or-later
// What the user has chosen: the current plugin, the ROM folder and ROM, and
// the choices of the main window that the next launch or Save ROM Settings
// uses. Windows show it and change it through these functions; the launch,
// the key windows and the wizard read it here, never from another window.
#pragma once

#include "launch/launchscript.h"
#include "launch/launchvalues.h"
#include "launch/romsettings.h"
#include "platform/dosfs.h"
#include "platform/services.h"
#include "plugins/plugin.h"

#include <functional>
#include <string>
#include <vector>

namespace kivalto {

// A row of the options or display-mode list: what it shows, the switch it
// passes and whether it is chosen.
struct SwitchChoice {
    std::string name;
    std::string switchText;
    bool chosen = false;
};

// The main window's choices for a launch.
struct LaunchChoices {
    std::string emulatorDir;                // the emulator's folder for this launch
    std::string frameskip;                  // the frameskip value
    std::vector<SwitchChoice> options;      // the plugin's ordinary options
    std::vector<SwitchChoice> displayModes;
    int controller = 1;  // 1 player 1 keys, 2 to 4 the 2, 4 and 6 button pads
    bool runInDos = false;
    bool runVesa = false;
    bool runSnesKey = false;
    bool testAfterRunning = false;
    bool mameRom = false;
    bool enableCheat = false;
    bool shortenNames = false;
    std::string cheatSwitch;
    std::string cheatCode;
};

// The directories a launch takes from the path settings.
struct LaunchFolders {
    std::string sneskeyDir;
    std::string vesaCommand;
    std::string unzipDir;
};

class Selection {
public:
    Selection();

    // The one loaded plugin. Whoever changes it calls pluginChanged, so
    // that the editor shows the change.
    EmulatorPlugin& plugin() { return plugin_; }
    const EmulatorPlugin& plugin() const { return plugin_; }
    void pluginChanged() const;
    // The editor's display of the plugin; empty while there is no editor.
    void setPluginObserver(std::function<void()> observer) { observer_ = std::move(observer); }

    // Loads the plugin file at the DOS path (empty: nothing to load) and
    // reports what kept it from loading whole; a file read only in part
    // (past the text files' limits) goes to `oversize`.
    void importPlug(const DosFs& fs, Dialogs& dialogs, const std::string& title, const std::string& path,
                    const std::function<void(const std::string& file)>& oversize);
    // Writes the plugin to pluginName + ".XPL" in the Kivalto directory
    // after the ROM-mask and directory rules. Throws FileError; the old
    // file stays.
    void savePLUG(const DosFs& fs);

    // The plugin has just been selected: its directory, options and display
    // modes become the choices, none of them chosen.
    void takeChoicesFromPlugin();

    const std::string& romFolder() const { return romFolder_; }
    void setRomFolder(const std::string& folder) { romFolder_ = folder; }
    // The selected ROM's file name in the ROM folder; empty when none.
    const std::string& rom() const { return rom_; }
    void selectRom(const std::string& file) { rom_ = file; }
    // The sub-folders of the ROM folder as its last scan found them.
    std::vector<std::string> subFolders;

    LaunchChoices choices;
    // Launch values loaded from a settings file, to name that file when
    // one of them is refused.
    ValueOrigins launchOrigins;

    // The 1-based byte positions at which title reads look for a header.
    std::vector<std::string> headerPositions;

    // Set while a command-line start selects its plugin: that selection
    // neither sets the ROM pattern nor rescans.
    bool commandLineStart = false;
    // Set while the command-line start selects the plugin its settings
    // name: the selection sets the ROM pattern but does not rescan, because
    // the start narrows the list to its ROM and rescans after the launch.
    bool rescanAfterLaunch = false;

    // What Run launches.
    LaunchInputs launchInputs(const LaunchFolders& folders) const;
    // What Save ROM Settings writes.
    RomSettings romSettings() const;

private:
    EmulatorPlugin plugin_;
    std::function<void()> observer_;
    std::string romFolder_;
    std::string rom_;
};

} // namespace kivalto
