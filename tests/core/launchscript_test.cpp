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
