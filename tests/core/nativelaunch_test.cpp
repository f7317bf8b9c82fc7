// SPDX-License-Identifier: GPL-3.0-or-later
// The native road: words and their order, which files start natively,
// where a program is looked for, and unpacking names.
#include "launch/nativelaunch.h"

#include "tests/tempfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& bytes, bool executable = false)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    if (executable)
        fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add);
}

std::string mzWithSignatureAt(std::uint32_t offset, const std::string& signature)
{
    std::string bytes(offset + 8, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[0x3c + i] = static_cast<char>(offset >> (8 * i));
    bytes.replace(offset, signature.size(), signature);
    return bytes;
}

class NativeFiles : public ::testing::Test {
protected:
    DriveTable drives() const
    {
        DriveTable t;
        t.set('C', root);
        return t;
    }
    kivalto::test::TempFolder temp{"kivalto-native-"};
    fs::path root = temp.path();
};

} // namespace

TEST(NativeWords, SplitAtBlanksWithQuotesGrouping)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"", {}},
        {"   ", {}},
        {"-a", {"-a"}},
        {"  -a   b ", {"-a", "b"}},
        {"-v \"a b\" c", {"-v", "a b", "c"}},
        {"-x=\"a b\"c", {"-x=a bc"}},
        {"-e \"\"", {"-e", ""}},
        {"-u \"open", {"-u", "open"}},
        {"'a b'", {"'a", "b'"}},
    };
    for (const auto& [text, words] : cases)
        EXPECT_EQ(splitWords(text), words) << text;
}

TEST(NativeWords, EveryPartInTheBatchFileOrderRomAsOneWord)
{
    LaunchInputs in;
    in.romFile = "Link's $(x) ; 100%.SMC";
    in.frameskip = "2 -evil";
    in.frameskipSwitch = "-frameskip n";
    in.enableCheat = true;
    in.cheatSwitch = "-gg";
    in.cheatCode = "AB CD";
    in.player2Switch = "-p2 \"pad two\"";
    in.controllerSwitch = "-p1 pad";
    in.optionSwitches = {"-sound 1", "", "-fs 0"};
    in.displaySwitches = {"-scale 2"};
    in.fixedSwitches = "-force_module snes";
    in.shortenNames = true;
    const fs::path rom = "/r o/Link's $(x) ; 100%.SMC";
    NativeLaunch l = buildNativeLaunch(in, rom, "/emu");
    EXPECT_EQ(l.arguments, (std::vector<std::string>{"-frameskip", "2 -evil", "-gg", "AB CD", "-p2", "pad two", "-p1",
                                                     "pad", "-sound", "1", "-fs", "0", "-scale", "2", "-force_module",
                                                     "snes", rom.string()}));
    EXPECT_EQ(l.romArgument, l.arguments.size() - 1);
    EXPECT_EQ(l.workingDir, "/emu");
    EXPECT_EQ(l.unpack, UnpackKind::None);

    in.frameskipSwitch = "-fn";  // no blank: the value joins the switch
    in.enableCheat = false;
    in.hasControllerSwitch = false;
    EXPECT_EQ(buildNativeLaunch(in, rom, "/emu").arguments[0], "-f2 -evil");
    EXPECT_EQ(buildNativeLaunch(in, rom, "/emu").arguments[1], "-p2");
}

TEST(NativeWords, MameNameAndPackedRoms)
{
    LaunchInputs in;
    in.romFile = "pacman.zip";
    EXPECT_EQ(buildNativeLaunch(in, "/r/pacman.zip", "/e").unpack, UnpackKind::Zip);
    in.mameRom = true;
    NativeLaunch mame = buildNativeLaunch(in, "/r/pacman.zip", "/e");
    EXPECT_EQ(mame.arguments, std::vector<std::string>{"pacman"});
    EXPECT_EQ(mame.unpack, UnpackKind::None);
    EXPECT_FALSE(mame.romArgument);

    in = {};
    in.romFile = "MARIO.GZ";
    EXPECT_EQ(buildNativeLaunch(in, "/r/MARIO.GZ", "/e").unpack, UnpackKind::None);
    in.unpackGzip = true;
    EXPECT_EQ(buildNativeLaunch(in, "/r/MARIO.GZ", "/e").unpack, UnpackKind::Gzip);
}

TEST_F(NativeFiles, ProgramKindByContent)
{
    const std::vector<std::tuple<std::string, std::string, bool, ProgramKind>> cases = {
        {"elf", std::string("\x7f" "ELF\x02\x01\x01", 7), false, ProgramKind::Native},
        {"script", "#!/bin/sh\nexit 0\n", true, ProgramKind::Native},
        {"script-not-executable", "#!/bin/sh\nexit 0\n", false, ProgramKind::Dos},
        {"dos.exe", mzWithSignatureAt(0x40, "XX"), false, ProgramKind::Dos},
        {"dos4gw.exe", mzWithSignatureAt(0x80, "LE"), false, ProgramKind::Dos},
        {"win.exe", mzWithSignatureAt(0x80, std::string("PE\0\0", 4)), false, ProgramKind::Windows},
        {"bad-offset.exe", mzWithSignatureAt(0x40, "") + std::string(4, '\xff'), false, ProgramKind::Dos},
        {"tiny.com", "\xb4\x4c\xcd\x21", true, ProgramKind::Dos},
        {"empty", "", true, ProgramKind::Dos},
    };
    for (const auto& [name, bytes, executable, kind] : cases) {
        write(root / name, bytes, executable);
        EXPECT_EQ(programKind(root / name), kind) << name;
    }
    EXPECT_EQ(programKind(root / "missing"), ProgramKind::Dos);
}

TEST_F(NativeFiles, ProgramIsLookedForInTheEmulatorFolderThenOnThePath)
{
    DosFs dos(drives(), "C:\\");
    write(root / "Emu" / "Snes9x", "#!/bin/sh\n", true);
    write(root / "bin" / "mednafen", "#!/bin/sh\n", true);
    write(root / "bin" / "notexec", "#!/bin/sh\n");
    const std::string path = ":relative:" + (root / "nothing").string() + ":" + (root / "bin").string();

    ProgramSearch s = findProgram(dos, "C:\\EMU\\", "SNES9X", path);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(*s.found, root / "Emu" / "Snes9x");

    s = findProgram(dos, "C:\\EMU\\", "mednafen", path);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(*s.found, root / "bin" / "mednafen");
    EXPECT_EQ(s.searched, (std::vector<std::string>{"C:\\EMU (" + (root / "Emu").string() + ")",
                                                    (root / "nothing").string(), (root / "bin").string()}));

    s = findProgram(dos, "C:\\NONE\\", "notexec", path);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(s.searched, (std::vector<std::string>{"C:\\NONE", (root / "nothing").string(), (root / "bin").string(),
                                                    "/usr/local/games", "/usr/games"}));
    // A name with a folder part is looked for in the emulator folder only.
    EXPECT_EQ(findProgram(dos, "C:\\EMU\\", "sub\\mednafen", path).searched.size(), 1u);
}

TEST_F(NativeFiles, AMissingProgramStaysWithDosWhenItLooksLikeADosProgram)
{
    DosFs dos(drives(), "C:\\");
    write(root / "EMU" / "ZSNES.EXE", "MZ");
    EXPECT_TRUE(missingProgramIsDos(dos, "C:\\EMU\\", "TEST.EXE"));
    EXPECT_TRUE(missingProgramIsDos(dos, "C:\\EMU\\", "zsnes"));
    EXPECT_TRUE(missingProgramIsDos(dos, "C:\\EMU\\", ""));
    EXPECT_FALSE(missingProgramIsDos(dos, "C:\\EMU\\", "mednafen"));
}

TEST(NativeUnpack, MemberNamesLoseFolderParts)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Game.sfc", "Game.sfc"},
        {"dir/sub/Game (U).sfc", "Game (U).sfc"},
        {"../../etc/passwd", "passwd"},
        {"..\\..\\win.ini", "win.ini"},
        {"/abs/rom.nes", "rom.nes"},
        {"..", ""},
        {"a/..", ""},
        {"dir/", ""},
        {".", ""},
        {"new\nline\x7f.gb", "new_line_.gb"},
        {"-rf.smc", "-rf.smc"},
    };
    for (const auto& [member, name] : cases)
        EXPECT_EQ(safeMemberName(member), name) << member;
}
