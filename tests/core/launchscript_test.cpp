// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/launchscript.h"

#include <gtest/gtest.h>

using namespace kivalto;
using Lines = std::vector<std::string>;

namespace {

LaunchInputs plainZsnes()
{
    LaunchInputs in;
    in.emulatorDir = "C:\\EMU\\ZSNES\\";
    in.exeName = "ZSNES.EXE";
    in.romDir = "C:\\ROMS";
    in.romFile = "MARIO.SMC";
    in.unzipDir = "C:\\UNZIP\\";
    in.sneskeyDir = "C:\\SNESKEY\\";
    return in;
}

} // namespace

TEST(LaunchScript, WorkedExampleUnpacksAZip)
{
    LaunchInputs in = plainZsnes();
    in.frameskipSwitch = "-f n";
    in.frameskip = "2";
    in.romFile = "MARIO.ZIP";
    LaunchScript s = buildLaunchScript(in);
    EXPECT_EQ(s.bytes(), "echo off\r\ncls\r\nC:\r\ncd\\EMU\\ZSNES\r\n"
                         "C:\\UNZIP\\pkunzip C:\\ROMS\\MARIO.ZIP C:\\UNZIP\\\r\n"
                         "ren C:\\UNZIP\\MARIO.* MARIO.1\r\n"
                         "ZSNES.EXE -f 2 C:\\UNZIP\\MARIO.1\r\n"
                         "del C:\\UNZIP\\MARIO.*\r\n");
    EXPECT_EQ(s.pif, "SNESWIN.PIF");
}

TEST(LaunchScript, PlainRomGivesFiveLines)
{
    LaunchScript s = buildLaunchScript(plainZsnes());
    EXPECT_EQ(s.lines, (Lines{"echo off", "cls", "C:", "cd\\EMU\\ZSNES", "ZSNES.EXE C:\\ROMS\\MARIO.SMC"}));
}

TEST(LaunchScript, DriveRootsNeitherLoseNorDoubleBackslashes)
{
    LaunchInputs in = plainZsnes();
    in.emulatorDir = "C:\\";
    in.romDir = "D:\\";
    EXPECT_EQ(buildLaunchScript(in).lines,
              (Lines{"echo off", "cls", "C:", "cd", "ZSNES.EXE D:\\MARIO.SMC"}));
}

TEST(LaunchScript, ZipCaseKeepsTheCaseOfTheName)
{
    LaunchInputs in = plainZsnes();
    in.romFile = "mario.zip";
    auto lines = buildLaunchScript(in).lines;
    EXPECT_EQ(lines[5], "ren C:\\UNZIP\\mario.* mario.1");
    EXPECT_EQ(lines[6], "ZSNES.EXE C:\\UNZIP\\mario.1");
    EXPECT_EQ(lines[7], "del C:\\UNZIP\\mario.*");
}

TEST(LaunchScript, MameRomPassesTheSetNameAndNoPath)
{
    LaunchInputs in = plainZsnes();
    in.romFile = "PACMAN.ZIP";
    in.mameRom = true;
    in.frameskipSwitch = "-f n";
    in.frameskip = "1";
    EXPECT_EQ(buildLaunchScript(in).lines,
              (Lines{"echo off", "cls", "C:", "cd\\EMU\\ZSNES", "ZSNES.EXE PACMAN -f 1"}));

    in.romFile = "PACMAN.GZ";
    in.unpackGzip = true;
    EXPECT_EQ(buildLaunchScript(in).lines,
              (Lines{"echo off", "cls", "C:", "cd\\EMU\\ZSNES", "Copy C:\\ROMS\\PACMAN.GZ C:\\UNZIP",
                     "C:\\UNZIP\\gzip -d C:\\UNZIP\\PACMAN.GZ", "ren C:\\UNZIP\\PACMAN.* PACMAN.1",
                     "ZSNES.EXE PACMA -f 1", "del C:\\UNZIP\\PACMAN.*"}));
}

TEST(LaunchScript, GzipAnsweredNoPassesThePackedRom)
{
    LaunchInputs in = plainZsnes();
    in.romFile = "MARIO.GZ";
    EXPECT_TRUE(isGzipLaunch(in));
    EXPECT_FALSE(isZipLaunch(in));
    EXPECT_EQ(buildLaunchScript(in).lines.back(), "ZSNES.EXE C:\\ROMS\\MARIO.GZ");
}

TEST(LaunchScript, ShortensOnlyNamesLongerThanTwelve)
{
    LaunchInputs in = plainZsnes();
    in.shortenNames = true;
    in.romFile = "SUPERMARIO.S";  // 12 characters
    EXPECT_EQ(buildLaunchScript(in).lines.back(), "ZSNES.EXE C:\\ROMS\\SUPERMARIO.S");
    in.romFile = "SUPERMARIOWORLD.SMC";
    EXPECT_EQ(buildLaunchScript(in).lines.back(), "ZSNES.EXE C:\\ROMS\\SUPERM~1.SMC");
    in.shortenNames = false;
    EXPECT_EQ(buildLaunchScript(in).lines.back(), "ZSNES.EXE C:\\ROMS\\SUPERMARIOWORLD.SMC");
}

TEST(LaunchScript, SnesKeyAndVesaLinesComeBeforeTheEmulator)
{
    LaunchInputs in = plainZsnes();
    in.runSnesKey = true;
    in.testAfterRunning = true;
    in.runVesa = true;
    in.vesaCommand = "C:\\VESA\\VESA.EXE";
    in.runInDos = true;
    LaunchScript s = buildLaunchScript(in);
    EXPECT_EQ(s.lines, (Lines{"echo off", "cls", "C:", "cd\\SNESKEY", "sneskey /t", "sneskey /x",
                              "C:\\VESA\\VESA.EXE", "C:", "cd\\EMU\\ZSNES", "ZSNES.EXE C:\\ROMS\\MARIO.SMC"}));
    EXPECT_EQ(s.pif, "SNESDOS.PIF");

    in.testAfterRunning = false;
    EXPECT_EQ(buildLaunchScript(in).lines[4], "sneskey /t");
    EXPECT_EQ(buildLaunchScript(in).lines[5], "C:\\VESA\\VESA.EXE");
    in.runSnesKey = false;
    in.testAfterRunning = true;
    EXPECT_EQ(buildLaunchScript(in).lines[2], "C:\\VESA\\VESA.EXE");
}

TEST(LaunchScript, CommandLinePartsComeInOrder)
{
    LaunchInputs in = plainZsnes();
    in.frameskipSwitch = "-f n";
    in.frameskip = "3";
    in.enableCheat = true;
    in.cheatSwitch = "-g";
    in.cheatCode = "7E0BCF28";
    in.player2Switch = "-j2";
    in.controllerSwitch = "-j1";
    in.optionSwitches = {"-s", "-v"};
    in.displaySwitches = {"-r 2"};
    in.fixedSwitches = "-z";
    EXPECT_EQ(buildLaunchScript(in).lines.back(),
              "ZSNES.EXE -f 3 -g 7E0BCF28 -j2 -j1 -s -v -r 2 -z C:\\ROMS\\MARIO.SMC");
}

TEST(LaunchScript, EmptyValuesFollowTheirRules)
{
    LaunchInputs in = plainZsnes();
    in.frameskip = "2";          // no template: ignored
    in.enableCheat = true;       // empty switch and code: two blanks
    in.optionSwitches = {"", "-x"};  // an empty switch still adds a blank
    in.hasControllerSwitch = false;
    in.controllerSwitch = "-j";
    EXPECT_EQ(buildLaunchScript(in).lines.back(), "ZSNES.EXE    -x C:\\ROMS\\MARIO.SMC");
}

TEST(LaunchScript, PercentSignsInRomNamesReachTheEmulator)
{
    LaunchInputs in = plainZsnes();
    in.romDir = "C:\\ROMS\\100%";
    in.romFile = "50%OFF.ZIP";
    auto lines = buildLaunchScript(in).lines;
    EXPECT_EQ(lines[4], "C:\\UNZIP\\pkunzip C:\\ROMS\\100%%\\50%%OFF.ZIP C:\\UNZIP\\");
    EXPECT_EQ(lines[5], "ren C:\\UNZIP\\50%%OFF.* 50%%OFF.1");
}

TEST(LaunchScript, ProblemsAreFoundBeforeWriting)
{
    LaunchInputs in = plainZsnes();
    EXPECT_FALSE(launchProblem(in));
    in.emulatorDir = "C:";
    EXPECT_TRUE(launchProblem(in));
    in = plainZsnes();
    in.runSnesKey = true;
    in.sneskeyDir = "\\";
    EXPECT_TRUE(launchProblem(in));
    in = plainZsnes();
    in.mameRom = true;
    in.romFile = "A.Z";
    EXPECT_TRUE(launchProblem(in));
    for (const char* bad : {"A>B.SMC", "A|B.SMC", "A<B.SMC", "A\rB.SMC"}) {
        in = plainZsnes();
        in.romFile = bad;
        EXPECT_TRUE(launchProblem(in)) << bad;
    }
}

TEST(LaunchScript, HostileValuesAreRefusedNamingTheirSource)
{
    struct Case {
        void (*set)(LaunchInputs&);
        const char* start;  // the message names the value's source
    };
    const Case cases[] = {
        {[](LaunchInputs& in) { in.frameskip = "3\r\nECHO Z>C:\\PWNED.TXT\r\nREM "; }, "The frameskip in MARIO.GPF (\"3<0D><0A>"},
        {[](LaunchInputs& in) { in.frameskip = "2>C:\\NOTES.TXT"; }, "The frameskip in MARIO.GPF (\"2>C:"},
        {[](LaunchInputs& in) { in.enableCheat = true, in.cheatCode = "1|DEL X"; }, "The cheat code box"},
        {[](LaunchInputs& in) { in.enableCheat = true, in.cheatSwitch = "-c\n"; }, "The cheat switch box"},
        {[](LaunchInputs& in) { in.emulatorDir = "C:\\EMU<\\"; }, "The emulator directory box"},
        {[](LaunchInputs& in) { in.runVesa = true, in.vesaCommand = "VESA.EXE >NUL"; }, "The Vesa 2 path"},
        {[](LaunchInputs& in) { in.romFile = "A.ZIP", in.unzipDir = "C:\\U\\\x1a"; }, "The ROM unzip directory"},
        {[](LaunchInputs& in) { in.fixedSwitches = "-v\rdel *.*"; }, "The non-optional switches of the plugin ZSNES.XPL"},
        {[](LaunchInputs& in) { in.optionSwitches = {"-a", "-b>x"}; }, "The switch of selected option 2 of the plugin"},
    };
    for (const Case& c : cases) {
        LaunchInputs in = plainZsnes();
        in.frameskipSwitch = "-f n";
        in.sources.frameskip = "the frameskip in MARIO.GPF";
        in.sources.plugin = "the plugin ZSNES.XPL";
        c.set(in);
        auto problem = launchProblem(in);
        ASSERT_TRUE(problem) << c.start;
        EXPECT_EQ(problem->rfind(c.start, 0), 0u) << *problem;
    }
}

TEST(LaunchScript, PercentIsDoubledInEveryValue)
{
    LaunchInputs in = plainZsnes();
    in.frameskipSwitch = "-f n";
    in.frameskip = "%PATH%";
    in.emulatorDir = "C:\\100%\\";
    in.fixedSwitches = "-x %1";
    EXPECT_FALSE(launchProblem(in));
    auto lines = buildLaunchScript(in).lines;
    EXPECT_EQ(lines[3], "cd\\100%%");
    EXPECT_EQ(lines[4], "ZSNES.EXE -f %%PATH%% -x %%1 C:\\ROMS\\MARIO.SMC");
}

TEST(LaunchScript, ACommandTailLongerThanDosPassesIsRefused)
{
    LaunchInputs in = plainZsnes();
    // " " + D + "\" + F: 126 characters pass, 127 do not.
    in.romDir = "C:\\" + std::string(126 - 1 - 3 - 1 - 9, 'A');
    EXPECT_FALSE(launchProblem(in));
    in.romDir += "%";  // counted as DOS will see it: one character
    auto problem = launchProblem(in);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("127 characters"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("Drives section"), std::string::npos);
    // The unpacker's own command line counts too, and the unpacked ROM is short.
    in.romFile = "MARIO.ZIP";
    problem = launchProblem(in);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("for pkunzip"), std::string::npos) << *problem;
}
