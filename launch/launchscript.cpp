// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/launchscript.h"

#include "platform/textfield.h"
#include "platform/dosbox.h"

namespace kivalto {

namespace {

std::string lastChars(const std::string& s, std::size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

std::string dropLast(const std::string& s, std::size_t n) { return s.size() <= n ? std::string() : s.substr(0, s.size() - n); }

// The drive line and the "cd" line for a directory such as C:\EMU\ZSNES\.
void changeDirectory(std::vector<std::string>& lines, const std::string& dir)
{
    lines.push_back(dir.substr(0, 2));
    lines.push_back("cd" + dir.substr(2, dir.size() - 3));
}

// Characters the batch interpreter would take as redirections, pipes or
// line breaks; a ROM name holding one cannot be passed safely.
bool unsafeForBatch(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 32 || c == 127 || c == '<' || c == '>' || c == '|')
            return true;
    return false;
}

} // namespace

std::string LaunchScript::bytes() const
{
    TextFileBuilder out;
    for (const auto& l : lines)
        out.line(l);
    return out.bytes();
}

bool isZipLaunch(const LaunchInputs& in) { return toUpper(lastChars(in.romFile, 3)) == "ZIP" && !in.mameRom; }

bool isGzipLaunch(const LaunchInputs& in) { return toUpper(lastChars(in.romFile, 2)) == "GZ"; }

namespace {

// Every value that goes into the script, with its source; only those the
// script will hold.
std::vector<std::pair<const std::string*, std::string>> scriptValues(const LaunchInputs& in)
{
    const LaunchSources& src = in.sources;
    std::vector<std::pair<const std::string*, std::string>> v;
    v.emplace_back(&in.emulatorDir, src.emulatorDir);
    if (in.runSnesKey)
        v.emplace_back(&in.sneskeyDir, src.sneskeyDir);
    if (in.runVesa)
        v.emplace_back(&in.vesaCommand, src.vesaCommand);
    if (isZipLaunch(in) || (isGzipLaunch(in) && in.unpackGzip))
        v.emplace_back(&in.unzipDir, src.unzipDir);
    v.emplace_back(&in.exeName, "the emulator file name of " + src.plugin);
    if (!in.frameskip.empty() && !in.frameskipSwitch.empty()) {
        v.emplace_back(&in.frameskipSwitch, "the frameskip switch of " + src.plugin);
        v.emplace_back(&in.frameskip, src.frameskip);
    }
    if (in.enableCheat) {
        v.emplace_back(&in.cheatSwitch, src.cheatSwitch);
        v.emplace_back(&in.cheatCode, src.cheatCode);
    }
    v.emplace_back(&in.player2Switch, "the player 2 switch of " + src.plugin);
    if (in.hasControllerSwitch)
        v.emplace_back(&in.controllerSwitch, "the controller switch of " + src.plugin);
    for (std::size_t i = 0; i < in.optionSwitches.size(); ++i)
        v.emplace_back(&in.optionSwitches[i], "the switch of selected option " + std::to_string(i + 1) + " of " + src.plugin);
    for (const auto& s : in.displaySwitches)
        v.emplace_back(&s, "the switch of the selected display mode of " + src.plugin);
    v.emplace_back(&in.fixedSwitches, "the non-optional switches of " + src.plugin);
    return v;
}

LaunchScript buildScript(const LaunchInputs& in, bool forBatch);

// The programs the script runs, each with the length of its command tail
// as DOS will pass it ("%%" already read back as "%").
std::optional<std::string> longCommandTail(const LaunchInputs& in)
{
    const LaunchScript raw = buildScript(in, false);
    const std::size_t count = raw.lines.size();
    const std::size_t emulatorLine = count - (isZipLaunch(in) || (isGzipLaunch(in) && in.unpackGzip) ? 2 : 1);
    const std::string& cmd = raw.lines[emulatorLine];
    if (cmd.size() - in.exeName.size() > kMaxCommandTail)
        return commandTailMessage(in.exeName, cmd.size() - in.exeName.size());
    for (const std::string& tool : {in.unzipDir + "pkunzip", in.unzipDir + "gzip"})
        for (std::size_t i = 0; i < emulatorLine; ++i)
            if (raw.lines[i].rfind(tool + " ", 0) == 0 && raw.lines[i].size() - tool.size() > kMaxCommandTail)
                return commandTailMessage(fileNameOfDos(tool), raw.lines[i].size() - tool.size());
    return std::nullopt;
}

} // namespace

std::optional<std::string> launchProblem(const LaunchInputs& in)
{
    if (in.emulatorDir.size() < 3)
        return "The emulator directory \"" + in.emulatorDir +
               "\" is not a full directory. Enter it in the form C:\\EMULATOR\\ and try again.";
    if (in.runSnesKey && in.sneskeyDir.size() < 3)
        return "The SnesKey directory \"" + in.sneskeyDir +
               "\" is not a full directory. Set it in the Paths window (for example C:\\SNESKEY\\) or switch off "
               "Run SnesKey.";
    if (in.mameRom && in.romFile.size() < 4)
        return "The ROM file name \"" + in.romFile + "\" is too short to give a MAME set name.";
    if (unsafeForBatch(in.romFile) || unsafeForBatch(in.romDir))
        return "The ROM \"" + printable(in.romDir + "\\" + in.romFile) +
               "\" cannot be started: its name holds a character (<, > or | or a control character) that DOS "
               "cannot pass to an emulator. Rename the file or folder and try again.";
    for (const auto& [value, source] : scriptValues(in))
        if (auto problem = dosValueProblem(*value, source))
            return problem;
    return longCommandTail(in);
}

std::string shortRomName(const std::string& romFile)
{
    if (romFile.size() <= 12)
        return romFile;
    return romFile.substr(0, 6) + "~1" + lastChars(romFile, 4);
}

namespace {

// The batch interpreter reads "%%" as "%": every value is written so.
LaunchInputs escapedForBatch(const LaunchInputs& raw)
{
    LaunchInputs in = raw;
    for (std::string* v : {&in.emulatorDir, &in.frameskip, &in.romDir, &in.romFile, &in.sneskeyDir, &in.vesaCommand,
                           &in.unzipDir, &in.exeName, &in.frameskipSwitch, &in.fixedSwitches, &in.player2Switch,
                           &in.controllerSwitch, &in.cheatSwitch, &in.cheatCode}) {
        *v = escapePercent(*v);
    }
    for (auto& v : in.optionSwitches)
        v = escapePercent(v);
    for (auto& v : in.displaySwitches)
        v = escapePercent(v);
    return in;
}

// The ROM folder and the separator before a name; a drive root such as
// C:\ already ends with one.
std::string withSeparator(const std::string& romDir)
{
    std::string folder = romDir;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

// A clear screen, SnesKey and the VESA driver when asked for, then the
// emulator's folder as the current one.
void addPreamble(std::vector<std::string>& lines, const LaunchInputs& in)
{
    lines.push_back("echo off");
    lines.push_back("cls");
    if (in.runSnesKey) {
        changeDirectory(lines, in.sneskeyDir);
        lines.push_back("sneskey /t");
        if (in.testAfterRunning)
            lines.push_back("sneskey /x");
    }
    if (in.runVesa)
        lines.push_back(in.vesaCommand);
    changeDirectory(lines, in.emulatorDir);
}

// For a ZIP launch, or a GZip launch the user wants unpacked: the lines
// that unpack the ROM into the unzip folder and rename what came out to
// its base name followed by "1". Returns that base name (the ROM's name
// without "ZIP" or "GZ"), or nullopt when the ROM is run as it is.
std::optional<std::string> addUnpackLines(std::vector<std::string>& lines, const LaunchInputs& in,
                                          const std::string& romFolder)
{
    const std::string& U = in.unzipDir;
    const std::string& F = in.romFile;
    std::string B;
    if (isZipLaunch(in)) {
        B = dropLast(F, 3);
        lines.push_back(U + "pkunzip " + romFolder + F + " " + U);
    } else if (isGzipLaunch(in) && in.unpackGzip) {
        B = dropLast(F, 2);
        lines.push_back("Copy " + romFolder + F + " " + dropLast(U, 1));
        lines.push_back(U + "gzip -d " + U + F);
    } else {
        return std::nullopt;
    }
    lines.push_back("ren " + U + B + "* " + B + "1");
    return B;
}

// The ROM as the emulator is given it when it is run as it is: its short
// name when names are shortened (worked out before "%" is doubled).
std::string romOnCommandLine(const LaunchInputs& raw, bool forBatch, const std::string& romFolder)
{
    const std::string name = raw.shortenNames ? shortRomName(raw.romFile) : raw.romFile;
    return romFolder + (forBatch ? escapePercent(name) : name);
}

// The emulator's command line: its switches in a fixed order, a MAME set
// named first, any other ROM last.
std::string emulatorLine(const LaunchInputs& in, const std::string& rom)
{
    std::string cmd = in.exeName;
    auto part = [&cmd](const std::string& p) { cmd += " " + p; };
    if (in.mameRom)
        part(dropLast(in.romFile, 4));
    if (!in.frameskip.empty() && !in.frameskipSwitch.empty())
        part(dropLast(in.frameskipSwitch, 1) + in.frameskip);
    if (in.enableCheat)
        part(in.cheatSwitch + " " + in.cheatCode);
    if (!in.player2Switch.empty())
        part(in.player2Switch);
    if (in.hasControllerSwitch && !in.controllerSwitch.empty())
        part(in.controllerSwitch);
    for (const auto& s : in.optionSwitches)
        part(s);
    for (const auto& s : in.displaySwitches)
        part(s);
    if (!in.fixedSwitches.empty())
        part(in.fixedSwitches);
    if (!in.mameRom)
        part(rom);
    return cmd;
}

LaunchScript buildScript(const LaunchInputs& raw, bool forBatch)
{
    const LaunchInputs in = forBatch ? escapedForBatch(raw) : raw;
    const std::string romFolder = withSeparator(in.romDir);
    LaunchScript script;
    addPreamble(script.lines, in);
    const std::optional<std::string> unpacked = addUnpackLines(script.lines, in, romFolder);
    const std::string rom = unpacked ? in.unzipDir + *unpacked + "1" : romOnCommandLine(raw, forBatch, romFolder);
    script.lines.push_back(emulatorLine(in, rom));
    if (unpacked)  // the unpacked files go again once the emulator ends
        script.lines.push_back("del " + in.unzipDir + *unpacked + "*");
    script.pif = in.runInDos ? "SNESDOS.PIF" : "SNESWIN.PIF";
    return script;
}

} // namespace

LaunchScript buildLaunchScript(const LaunchInputs& in) { return buildScript(in, true); }

} // namespace kivalto
