#include "launch/launchscript.h"

#include "app/textfield.h"

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
        return "The ROM \"" + in.romDir + "\\" + in.romFile +
               "\" cannot be started: its name holds a character (<, > or | or a control character) that DOS "
               "cannot pass to an emulator. Rename the file or folder and try again.";
    return std::nullopt;
}

std::string shortRomName(const std::string& romFile)
{
    if (romFile.size() <= 12)
        return romFile;
    return romFile.substr(0, 6) + "~1" + lastChars(romFile, 4);
}

std::string escapePercent(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out.push_back(c);
        if (c == '%')
            out.push_back('%');
    }
    return out;
}

LaunchScript buildLaunchScript(const LaunchInputs& in)
{
    LaunchScript script;
    auto& lines = script.lines;
    const std::string& U = in.unzipDir;
    const std::string F = escapePercent(in.romFile);
    // The ROM folder and the separator before a name; a drive root such
    // as C:\ already ends with one.
    std::string Dsep = escapePercent(in.romDir);
    if (Dsep.empty() || Dsep.back() != '\\')
        Dsep += '\\';

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

    bool unpacked = false;
    std::string B;
    if (isZipLaunch(in)) {
        B = dropLast(F, 3);
        lines.push_back(U + "pkunzip " + Dsep + F + " " + U);
        lines.push_back("ren " + U + B + "* " + B + "1");
        unpacked = true;
    } else if (isGzipLaunch(in) && in.unpackGzip) {
        B = dropLast(F, 2);
        lines.push_back("Copy " + Dsep + F + " " + dropLast(U, 1));
        lines.push_back(U + "gzip -d " + U + F);
        lines.push_back("ren " + U + B + "* " + B + "1");
        unpacked = true;
    }

    std::string cmd = in.exeName;
    auto part = [&cmd](const std::string& p) { cmd += " " + p; };
    if (in.mameRom)
        part(dropLast(F, 4));
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
    if (!in.mameRom) {
        if (unpacked)
            part(U + B + "1");
        else
            part(Dsep + escapePercent(in.shortenNames ? shortRomName(in.romFile) : in.romFile));
    }
    lines.push_back(cmd);
    if (unpacked)
        lines.push_back("del " + U + B + "*");

    script.pif = in.runInDos ? "SNESDOS.PIF" : "SNESWIN.PIF";
    return script;
}

} // namespace kivalto
