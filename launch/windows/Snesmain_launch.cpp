// Main window handlers of the launch: Run, the launch toggles, per-ROM
// settings and the command-line start.
#include "app/pathsettings.h"
#include "app/windows/Paths.h"
#include "app/windows/Snesmain.h"
#include "launch/launchscript.h"
#include "launch/romsettings.h"
#include "launch/windows/chtcodefrm.h"
#include "launch/windows/nativerun.h"
#include "platform/qt/text.h"
#include "plugins/windows/Editor.h"

#include <QApplication>

namespace kivalto {

namespace {

const char* kNoRom = "No ROM has been selected to run.";

// The switches paired with the selected entries of a list, in list order.
std::vector<std::string> selectedSwitches(const QListWidget* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            out.push_back(bytes(list->item(i)->data(Qt::UserRole).toString()));
    return out;
}

// Play1select: 1 player 1 keys, 2 to 4 the 2, 4 and 6 button pads.
std::optional<KeyColumn> controllerColumn(int value)
{
    switch (value) {
    case 1: return KeyColumn::Player1;
    case 2: return KeyColumn::Pad2;
    case 3: return KeyColumn::Pad4;
    case 4: return KeyColumn::Pad6;
    default: return std::nullopt;
    }
}

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
    if (File1->FileName().empty()) {
        app.showError(kNoRom);
        return;
    }
    runPLugin();
}

LaunchInputs Snesmain::launchInputs() const
{
    const EmulatorPlugin& plugin = app.Editor->plugin;
    LaunchInputs in;
    in.emulatorDir = bytes(Text1->text());
    in.frameskip = bytes(Text2->text());
    in.romDir = File1->Path();
    in.romFile = File1->FileName();
    in.sneskeyDir = app.Paths->value(PathField::skeydir);
    in.vesaCommand = app.Paths->value(PathField::vesadir);
    in.unzipDir = app.Paths->value(PathField::unZipdir);
    in.exeName = plugin.exeName;
    in.frameskipSwitch = plugin.frameskipSwitch;
    in.fixedSwitches = plugin.fixedSwitches;
    in.player2Switch = plugin.keys.at(kSwitchRow, KeyColumn::Player2);
    if (auto column = controllerColumn(Play1select->value()))
        in.controllerSwitch = plugin.keys.at(kSwitchRow, *column);
    else
        in.hasControllerSwitch = false;
    in.optionSwitches = selectedSwitches(optionslist);
    in.displaySwitches = selectedSwitches(List2);
    in.runSnesKey = runsnesk->isChecked();
    in.testAfterRunning = nostest->isChecked();
    in.runVesa = runvesa->isChecked();
    in.runInDos = rundos->isChecked();
    in.mameRom = ROMMame->isChecked();
    in.enableCheat = chten->isChecked();
    in.shortenNames = MenuShorten->isChecked();
    in.cheatSwitch = app.chtcodefrm->cheatSwitch();
    in.cheatCode = app.chtcodefrm->cheatCode();
    in.sources.plugin = "the plugin " + plugin.pluginName + ".XPL";
    in.sources.frameskip = launchOrigins.sourceOf("frameskip", in.frameskip, in.sources.frameskip);
    in.sources.cheatSwitch = launchOrigins.sourceOf("cheatSwitch", in.cheatSwitch, in.sources.cheatSwitch);
    in.sources.cheatCode = launchOrigins.sourceOf("cheatCode", in.cheatCode, in.sources.cheatCode);
    return in;
}

void Snesmain::runPLugin()
{
    LaunchInputs in = launchInputs();
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

    startLaunchScript(buildLaunchScript(in));
}

void Snesmain::startLaunchScript(const LaunchScript& script)
{
    try {
        app.fs.writeWhole("snesexec.bat", script.bytes());
    } catch (const FileError& e) {
        app.dialogs.ok("The launch file snesexec.bat could not be written in the Kivalto directory (" +
                           app.fs.currentDir() + "): " + e.what() + " Check that the directory is writable.",
                       app.title);
        return;
    }
    StartResult started = app.process.start(script.pif, app.fs.currentDir(), ShowMode::Maximized);
    if (!started.ok)
        app.dialogs.ok("The emulator could not be started through " + script.pif + ". " + started.error, app.title);
}

void Snesmain::SaveGPF_Click()
{
    const std::string rom = File1->FileName();
    if (rom.empty()) {
        app.dialogs.ok("No ROM has been selected: select the ROM whose settings you want to save.", app.title);
        return;
    }
    const std::string gpfDir = app.Paths->value(PathField::GPFDir);
    auto path = settingsFilePath(gpfDir, File1->Path(), rom);
    if (!path) {
        app.dialogs.ok("The ROM file name \"" + rom + "\" is too short to name a settings file.", app.title);
        return;
    }
    RomSettings s;
    s.pluginFile = app.Editor->plugin.pluginName + ".XPL";
    for (int i = 0; i < optionslist->count(); ++i)
        s.options.push_back(optionslist->item(i)->isSelected());
    for (int i = 0; i < List2->count(); ++i)
        s.displayModes.push_back(List2->item(i)->isSelected());
    s.controller = Play1select->value();
    s.runInDos = rundos->isChecked();
    s.runVesa = runvesa->isChecked();
    s.runSnesKey = runsnesk->isChecked();
    s.frameskip = bytes(Text2->text());
    s.cheatCode = app.chtcodefrm->cheatCode();
    s.cheatSwitch = app.chtcodefrm->cheatSwitch();
    s.enableCheat = chten->isChecked();
    s.mameRom = ROMMame->isChecked();
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

// Selects a plugin by its file name as a double-click does, marks it
// selected and lists all plugins again.
static void selectPluginByName(Snesmain& m, const std::string& name)
{
    m.Plugins->setFileName(name);
    m.Plugins->setListIndex(0);
    m.Plugins->setPattern("*.XPL");
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

void Snesmain::loadGPF()
{
    const std::string rom = File1->FileName();
    const auto path = settingsFilePath(app.Paths->value(PathField::GPFDir), File1->Path(), rom);
    const auto data =
        openSettingsFile(app, path, "There are no saved settings associated with this ROM or they are not valid.");
    if (!data)
        return;
    selectPluginByName(*this, *settingsPluginName(*data));
    // A selection that rescans the ROM list loses the ROM's selection: keep it.
    if (File1->FileName() != rom)
        for (int i = 0; i < File1->ListCount(); ++i)
            if (File1->List(i) == rom) {
                File1->setListIndex(i);
                break;
            }
    const ParsedRomSettings parsed = parseRomSettings(*data, static_cast<std::size_t>(optionslist->count()),
                                                      static_cast<std::size_t>(List2->count()));
    settingsLoaded = applyRomSettings(parsed, fileNameOfDos(*path));
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
    launchOrigins.note("frameskip", v.frameskip, "the frameskip in " + file);
    if (!next())
        return false;
    app.chtcodefrm->setCheatCode(v.cheatCode);
    launchOrigins.note("cheatCode", v.cheatCode, "the cheat code in " + file);
    if (!next())
        return false;
    app.chtcodefrm->setCheatSwitch(v.cheatSwitch);
    launchOrigins.note("cheatSwitch", v.cheatSwitch, "the cheat switch in " + file);
    return check(chten, v.enableCheat) && check(ROMMame, v.mameRom);
}

void Snesmain::CheckCOMMAND()
{
    const std::string& A = app.commandLine;
    if (A.empty())
        return;
    settingsLoaded = false;
    commandGPF();
    if (!settingsLoaded)
        return;
    commandLineStart = true;
    try {
        File1->setFileName(A);
    } catch (const FileError&) {
        commandLineStart = false;
        app.dialogs.ok("There are no saved settings associated with this ROM or they are not valid. The ROM being loaded is " + A,
                       app.title);
        return;
    }
    if (File1->ListCount() > 0)
        File1->setListIndex(0);
    runPLugin();
    commandLineStart = false;
    File1_DblClick();
}

void Snesmain::commandGPF()
{
    const std::string& A = app.commandLine;
    const auto data = openSettingsFile(app, commandLineSettingsPath(app.Paths->value(PathField::GPFDir), A),
                                       "There are no saved settings associated with this ROM or they are not valid. "
                                       "The ROM being loaded is " + A);
    if (!data)
        return;
    selectPluginByName(*this, *settingsPluginName(*data));
    settingsLoaded = true;
}

} // namespace kivalto
