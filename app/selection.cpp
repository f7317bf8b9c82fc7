// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/selection.h"

#include "plugins/catalogue.h"
#include "platform/textfield.h"
#include "plugins/pluginfile.h"
#include "roms/romtitle.h"

#include <optional>

namespace kivalto {

namespace {

std::vector<std::string> chosenSwitches(const std::vector<SwitchChoice>& rows)
{
    std::vector<std::string> out;
    for (const SwitchChoice& row : rows)
        if (row.chosen)
            out.push_back(row.switchText);
    return out;
}

std::vector<bool> chosenFlags(const std::vector<SwitchChoice>& rows)
{
    std::vector<bool> out;
    for (const SwitchChoice& row : rows)
        out.push_back(row.chosen);
    return out;
}

std::optional<KeyColumn> controllerColumn(int controller)
{
    switch (controller) {
    case 1: return KeyColumn::Player1;
    case 2: return KeyColumn::Pad2;
    case 3: return KeyColumn::Pad4;
    case 4: return KeyColumn::Pad6;
    default: return std::nullopt;
    }
}

} // namespace

Selection::Selection() : headerPositions(defaultHeaderPositions())
{
    // Until a plugin is loaded the ROM masks match every file.
    plugin_.fileSpec = "*.*";
}

void Selection::pluginChanged() const
{
    if (observer_)
        observer_();
}

void Selection::importPlug(const DosFs& fs, Dialogs& dialogs, const std::string& title, const std::string& path,
                           const std::function<void(const std::string& file)>& oversize)
{
    if (path.empty())
        return;
    // Checked before anything is emptied, so a vanished file costs nothing.
    const auto data = fs.readText(path, kMaxTextFileBytes);
    if (!data) {
        dialogs.ok("The Plugin file " + path + " could not be opened.", title);
        return;
    }
    plugin_.options.clear();
    plugin_.displayModes.clear();
    const std::optional<std::string> name = pluginNameFromPath(path);
    if (!name) {
        pluginChanged();
        dialogs.ok("Error Code 1", title);
        dialogs.beep();
        return;
    }
    plugin_.pluginName = *name;
    bool cut = false;
    const PluginRead result = readPluginFile(data->bytes, plugin_, &cut);
    pluginChanged();
    if ((cut || data->cut) && oversize)
        oversize(path);
    if (result == PluginRead::Incomplete)
        dialogs.ok("The Plugin you selected was not valid. Note that you cannot use plugins from version 2.", title);
}

void Selection::savePLUG(const DosFs& fs)
{
    plugin_.fileSpec = fileSpecToSave(plugin_.fileSpec);
    plugin_.defaultDir = withTrailingBackslash(plugin_.defaultDir);
    pluginChanged();
    // A bare name: the plugin always goes to the Kivalto directory, even
    // when it was imported from elsewhere.
    fs.writeWhole(pluginFileName(plugin_.pluginName), writePluginFile(plugin_));
}

void Selection::takeChoicesFromPlugin()
{
    choices.emulatorDir = plugin_.defaultDir;
    choices.options.clear();
    for (const PluginOption& option : splitOptions(plugin_.options).ordinary)
        choices.options.push_back({option.name, option.switchText, false});
    choices.displayModes.clear();
    for (const DisplayMode& mode : plugin_.displayModes)
        choices.displayModes.push_back({mode.name, mode.switchText, false});
}

LaunchInputs Selection::launchInputs(const LaunchFolders& folders) const
{
    LaunchInputs in;
    in.emulatorDir = choices.emulatorDir;
    in.frameskip = choices.frameskip;
    in.romDir = romFolder_;
    in.romFile = rom_;
    in.sneskeyDir = folders.sneskeyDir;
    in.vesaCommand = folders.vesaCommand;
    in.unzipDir = folders.unzipDir;
    in.exeName = plugin_.exeName;
    in.frameskipSwitch = plugin_.frameskipSwitch;
    in.fixedSwitches = plugin_.fixedSwitches;
    in.player2Switch = plugin_.keys.at(kSwitchRow, KeyColumn::Player2);
    if (auto column = controllerColumn(choices.controller))
        in.controllerSwitch = plugin_.keys.at(kSwitchRow, *column);
    else
        in.hasControllerSwitch = false;
    in.optionSwitches = chosenSwitches(choices.options);
    in.displaySwitches = chosenSwitches(choices.displayModes);
    in.runSnesKey = choices.runSnesKey;
    in.testAfterRunning = choices.testAfterRunning;
    in.runVesa = choices.runVesa;
    in.runInDos = choices.runInDos;
    in.mameRom = choices.mameRom;
    in.enableCheat = choices.enableCheat;
    in.shortenNames = choices.shortenNames;
    in.cheatSwitch = choices.cheatSwitch;
    in.cheatCode = choices.cheatCode;
    in.sources.plugin = "the plugin " + plugin_.pluginName + ".XPL";
    in.sources.frameskip = launchOrigins.sourceOf("frameskip", in.frameskip, in.sources.frameskip);
    in.sources.cheatSwitch = launchOrigins.sourceOf("cheatSwitch", in.cheatSwitch, in.sources.cheatSwitch);
    in.sources.cheatCode = launchOrigins.sourceOf("cheatCode", in.cheatCode, in.sources.cheatCode);
    return in;
}

RomSettings Selection::romSettings() const
{
    RomSettings s;
    s.pluginFile = plugin_.pluginName + ".XPL";
    s.options = chosenFlags(choices.options);
    s.displayModes = chosenFlags(choices.displayModes);
    s.controller = choices.controller;
    s.runInDos = choices.runInDos;
    s.runVesa = choices.runVesa;
    s.runSnesKey = choices.runSnesKey;
    s.frameskip = choices.frameskip;
    s.cheatCode = choices.cheatCode;
    s.cheatSwitch = choices.cheatSwitch;
    s.enableCheat = choices.enableCheat;
    s.mameRom = choices.mameRom;
    return s;
}

} // namespace kivalto
