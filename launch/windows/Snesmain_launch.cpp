// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of the launch: Run, the launch toggles, per-ROM
// settings and the command-line start.
#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "launch/launchscript.h"
#include "launch/romsettings.h"
#include "launch/windows/chtcodefrm.h"
#include "launch/windows/nativerun.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace kivalto {

namespace {

const char* kNoRom = "No ROM has been selected to run.";

} // namespace

void Snesmain::connectLaunch()
{
    connect(Run, &QPushButton::clicked, this, &Snesmain::Run_Click);
    connect(SaveGPF, &QPushButton::clicked, this, &Snesmain::SaveGPF_Click);
    // Run in DOS, Run SnesKey, Run VESA First and Mame ROM only carry their
    // check marks, which runPLugin reads.
}

void Snesmain::Run_Click()
{
    if (app.selection.rom().empty()) {
        app.showError(kNoRom);
        return;
    }
    runPLugin();
}

void Snesmain::runPLugin()
{
    LaunchInputs in = app.selection.launchInputs({app.path(PathField::skeydir),
                                                  app.path(PathField::vesadir),
                                                  app.path(PathField::unZipdir)});
    // A program of this system starts directly; none of the batch file
    // applies to it.
    if (runNativeEmulator(app, in))
        return;
    if (auto problem = launchProblem(in)) {
        app.dialogs.ok(*problem, app.title);
        return;
    }
    // The driver file comes before the SnesKey lines, which come before the
    // unpack lines: a wrong SnesKey directory is reported before the GZip
    // question is asked.
    if (in.runSnesKey)
        sneskmake();
    if (isGzipLaunch(in)) {
        in.unpackGzip = askUnpackGzip(app);
        // Unpacking changes the command lines: their length is checked again.
        if (auto problem = launchProblem(in)) {
            app.dialogs.ok(*problem, app.title);
            return;
        }
    }

    if (!startLaunchScript(buildLaunchScript(in)))
        return;
    // DOS tells nothing of the emulator's end: the play is its start alone.
    app.playStarted(joinDos(in.romDir, in.romFile));
}

bool Snesmain::startLaunchScript(const LaunchScript& script)
{
    try {
        app.fs.writeWhole("snesexec.bat", script.bytes());
    } catch (const FileError& e) {
        app.dialogs.ok("The launch file snesexec.bat could not be written in the Kivalto directory (" +
                           app.fs.currentDir() + "): " + e.what() + " Check that the directory is writable.",
                       app.title);
        return false;
    }
    StartResult started = app.process.start(script.pif, app.fs.currentDir(), ShowMode::Maximized);
    if (!started.ok)
        app.dialogs.ok("The emulator could not be started through " + script.pif + ". " + started.error, app.title);
    return started.ok;
}

void Snesmain::SaveGPF_Click()
{
    const std::string rom = app.selection.rom();
    if (rom.empty()) {
        app.dialogs.ok("No ROM has been selected: select the ROM whose settings you want to save.", app.title);
        return;
    }
    const std::string gpfDir = app.path(PathField::GPFDir);
    auto path = settingsFilePath(gpfDir, app.selection.romFolder(), rom);
    if (!path) {
        app.dialogs.ok("The ROM file name \"" + rom + "\" is too short to name a settings file.", app.title);
        return;
    }
    const RomSettings s = app.selection.romSettings();
    try {
        app.fs.writeWhole(*path, writeRomSettings(s));
    } catch (const FileError&) {
        app.dialogs.ok("The settings could not be saved: the directory " + parentOfDos(app.fs.absolute(*path)) +
                           " does not exist or cannot be written. Check \"Save ROM Settings to:\" in the Paths window.",
                       app.title);
        return;
    }
    app.dialogs.ok("The settings for this ROM have been saved. Double-click on the ROM name to load them up again.",
                   app.title);
}

void Snesmain::File1_DblClick() { loadGPF(); }

namespace {

// Whether a plugin file of that name is in the plugin list's folder.
bool pluginAvailable(App& app, const std::string& name)
{
    return !name.empty() && name.find_first_of("*?;") == std::string::npos &&
           !app.fs.listFiles(app.fs.currentDir(), name).empty();
}

void reportMissingPlugin(App& app, const std::string& value)
{
    if (value == "0" || value == "1")
        app.showError("The settings associated with this ROM are for a previous version of Kivalto.");
    else
        app.showError("The plugin these settings are for is not available. The required plugin is " + value);
}

} // namespace

void Snesmain::selectPluginByName(const std::string& name)
{
    Plugins->setFileName(name);
    Plugins->setListIndex(0);
    Plugins->setPattern("*.XPL");
}

namespace {

// The start that loading by double-click and the command-line start share:
// the settings file and the plugin its first line names, or nullopt after
// reporting why not (`unreadable` is the text for a missing or empty file).
std::optional<std::string> openSettingsFile(App& app, const std::optional<std::string>& path, const std::string& unreadable)
{
    auto data = path ? app.fs.readText(*path) : std::nullopt;
    if (data && data->cut)
        app.dialogs.ok(oversizeNotice(*path), app.title);
    auto plugin = data ? settingsPluginName(data->bytes) : std::nullopt;
    if (!plugin) {
        app.dialogs.ok(unreadable, app.title);
        return std::nullopt;
    }
    if (!pluginAvailable(app, *plugin)) {
        reportMissingPlugin(app, *plugin);
        return std::nullopt;
    }
    return data->bytes;
}

} // namespace

bool Snesmain::loadGPF()
{
    const std::string rom = app.selection.rom();
    const auto path = settingsFilePath(app.path(PathField::GPFDir), app.selection.romFolder(), rom);
    const auto data =
        openSettingsFile(app, path, "There are no saved settings associated with this ROM or they are not valid.");
    if (!data)
        return false;
    selectPluginByName(*settingsPluginName(*data));
    // A selection that rescans the ROM list loses the ROM's selection: keep it.
    if (File1->FileName() != rom)
        for (int i = 0; i < File1->ListCount(); ++i)
            if (File1->List(i) == rom) {
                File1->setListIndex(i);
                break;
            }
    const ParsedRomSettings parsed = parseRomSettings(*data, static_cast<std::size_t>(optionslist->count()),
                                                      static_cast<std::size_t>(List2->count()));
    return applyRomSettings(parsed, fileNameOfDos(*path));
}

bool Snesmain::applyRomSettings(const ParsedRomSettings& parsed, const std::string& file)
{
    const RomSettings& v = parsed.values;
    // Values are applied in file order up to the first one that failed.
    std::size_t left = parsed.read;
    auto next = [&left] { return left > 0 ? (--left, true) : false; };
    for (int i = 0; i < optionslist->count(); ++i)
        if (next())
            optionslist->item(i)->setSelected(v.options[static_cast<std::size_t>(i)]);
        else
            return false;
    for (int i = 0; i < List2->count(); ++i)
        if (next())
            List2->item(i)->setSelected(v.displayModes[static_cast<std::size_t>(i)]);
        else
            return false;
    if (!next() || v.controller < Play1select->minimum() || v.controller > Play1select->maximum())
        return false;
    Play1select->setValue(static_cast<int>(v.controller));
    auto check = [&next](QAction* action, bool on) {
        if (!next())
            return false;
        action->setChecked(on);
        return true;
    };
    if (!check(rundos, v.runInDos) || !check(runvesa, v.runVesa) || !check(runsnesk, v.runSnesKey) || !next())
        return false;
    Text2->setText(qs(v.frameskip));
    app.selection.launchOrigins.note("frameskip", v.frameskip, "the frameskip in " + file);
    if (!next())
        return false;
    app.chtcodefrm->setCheatCode(v.cheatCode);
    app.selection.launchOrigins.note("cheatCode", v.cheatCode, "the cheat code in " + file);
    if (!next())
        return false;
    app.chtcodefrm->setCheatSwitch(v.cheatSwitch);
    app.selection.launchOrigins.note("cheatSwitch", v.cheatSwitch, "the cheat switch in " + file);
    return check(chten, v.enableCheat) && check(ROMMame, v.mameRom);
}

void Snesmain::CheckCOMMAND()
{
    const std::string& A = app.commandLine;
    if (A.empty())
        return;
    if (!commandGPF())
        return;
    app.selection.commandLineStart = true;
    try {
        File1->setFileName(A);
    } catch (const FileError&) {
        app.selection.commandLineStart = false;
        app.dialogs.ok("There are no saved settings associated with this ROM or they are not valid. The ROM being loaded is " + A,
                       app.title);
        return;
    }
    if (File1->ListCount() > 0)
        File1->setListIndex(0);
    runPLugin();
    app.selection.commandLineStart = false;
    File1_DblClick();
}

bool Snesmain::commandGPF()
{
    const std::string& A = app.commandLine;
    const auto data = openSettingsFile(app, commandLineSettingsPath(app.path(PathField::GPFDir), A),
                                       "There are no saved settings associated with this ROM or they are not valid. "
                                       "The ROM being loaded is " + A);
    if (!data)
        return false;
    // The titles this selection would read are replaced before anyone sees
    // them: the ROM list is narrowed to A and rescanned after the launch.
    app.selection.rescanAfterLaunch = true;
    selectPluginByName(*settingsPluginName(*data));
    app.selection.rescanAfterLaunch = false;
    return true;
}

} // namespace kivalto
