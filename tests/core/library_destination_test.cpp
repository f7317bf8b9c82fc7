// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a Library ROM to the main window: which plugin runs it, when a
// plugin's program counts as present, and the ROM's DOS folder.
#include "library/romdestination.h"

#include "../tempfolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

using Kind = PluginChoice::Kind;

// Game Boy plugins in the tree's order: an old one without .gbc, one whose
// program is missing, and one that takes everything.
const std::vector<PluginCandidate> kGameBoy = {
    {"OLDGB.XPL", "*.gb;*.zip;*.GZ", true},
    {"MISSING.XPL", "*.gb;*.gbc;*.zip;*.GZ", false},
    {"MEDGB.XPL", "*.gb;*.gbc;*.zip;*.GZ", true},
};
const std::string kSnesMasks = "*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ";

struct ChoiceCase {
    const char* what;
    RomToPlace rom;
    std::optional<std::string> active;
    std::vector<PluginCandidate> filed;
    Kind kind;
    std::string file;
};

TEST(LibraryDestination, ThePluginThatRunsARom)
{
    const ChoiceCase cases[] = {
        {"the active plugin serves the system and takes the ROM", {"GAMEBOY", "Tetris.gb", "Tetris.gb"},
         "*.gb;*.zip", kGameBoy, Kind::KeepActive, ""},
        {"no plugin is active yet", {"GAMEBOY", "Tetris.gb", "Tetris.gb"}, std::nullopt, kGameBoy, Kind::Switch,
         "OLDGB.XPL"},
        {"the active plugin is of another system", {"GAMEBOY", "Tetris.gb", "Tetris.gb"}, kSnesMasks, kGameBoy,
         Kind::Switch, "OLDGB.XPL"},
        {"the active plugin's masks miss the extension; a plugin without its program is passed over",
         {"GAMEBOY", "Zelda DX.gbc", "Zelda DX.gbc"}, "*.gb;*.zip", kGameBoy, Kind::Switch, "MEDGB.XPL"},
        {"an archive is judged by its member too", {"GAMEBOY", "zelda.zip", "Zelda DX.gbc"}, "*.gb;*.zip", kGameBoy,
         Kind::Switch, "MEDGB.XPL"},
        {"masks that do not list the archive do not take it", {"GAMEBOY", "zelda.zip", "Zelda DX.gbc"}, std::nullopt,
         {{"NOZIP.XPL", "*.gb;*.gbc", true}}, Kind::NoneFound, ""},
        {"a GZip file by the name it keeps", {"GAMEBOY", "Tetris.GZ", "Tetris.gb"}, "*.gb;*.GZ", kGameBoy,
         Kind::KeepActive, ""},
        {"no plugin of the system has its program", {"GAMEBOY", "Zelda DX.gbc", "Zelda DX.gbc"}, kSnesMasks,
         {kGameBoy[0], kGameBoy[1]}, Kind::NoneFound, ""},
        {"an active plugin that matches every file serves no system", {"NES", "Mario.nes", "Mario.nes"}, "*.*",
         {{"FCEUX.XPL", "*.nes;*.zip;*.GZ", true}}, Kind::Switch, "FCEUX.XPL"},
        {"a plugin changed since the tree was built is no longer filed there", {"NES", "Mario.nes", "Mario.nes"},
         std::nullopt, {{"NOW_ALL.XPL", "*.*", true}, {"FCEUX.XPL", "*.nes", true}}, Kind::Switch, "FCEUX.XPL"},
        {"Mega Drive .md needs the new masks", {"MEGA DRIVE", "Sonic.md", "Sonic.md"}, std::nullopt,
         {{"KGEN.XPL", "*.smd;*.bin;*.zip;*.1;*.GZ", true}, {"MEDMD.XPL", "*.smd;*.bin;*.md;*.gen;*.zip;*.1;*.GZ", true}},
         Kind::Switch, "MEDMD.XPL"},
        {"masks are matched without case", {"SNES", "ZELDA.SFC", "ZELDA.SFC"}, "*.smc;*.sfc", {}, Kind::KeepActive, ""},
        {"a system the tree does not know", {"VECTREX", "Mine.vec", "Mine.vec"}, "*.*", {{"ANY.XPL", "*.*", true}},
         Kind::NoneFound, ""},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const PluginChoice choice = choosePlugin(c.rom, c.active, c.filed);
        EXPECT_EQ(choice.kind, c.kind);
        EXPECT_EQ(choice.file, c.file);
    }
}

class ProgramLookup : public ::testing::Test {
protected:
    ProgramLookup() : dos(table(), "C:\\KIVALTO")
    {
        fs::create_directories(folder / "KIVALTO");
        fs::create_directories(folder / "EMU");
        fs::create_directories(folder / "BIN");
    }
    DriveTable table() const
    {
        DriveTable t;
        t.set('C', folder.path());
        return t;
    }
    void write(const std::string& relative, const std::string& bytes, bool executable = false) const
    {
        std::ofstream(folder / relative, std::ios::binary) << bytes;
        if (executable)
            fs::permissions(folder / relative, fs::perms::owner_all);
    }
    test::TempFolder folder;
    DosFs dos;
};

TEST_F(ProgramLookup, APluginsProgramIsFoundAsTheLaunchFindsIt)
{
    std::string pe(0x88, '\0');
    pe.replace(0, 2, "MZ");
    pe[0x3c] = '\x80';
    pe.replace(0x80, 4, std::string("PE\0\0", 4));
    write("EMU/native", "#!/bin/sh\n", true);
    write("EMU/ZSNES.EXE", "MZ dos program");
    write("EMU/WINEMU.EXE", pe);
    write("BIN/onpath", "#!/bin/sh\n", true);
    const std::string path = (folder / "BIN").string();
    const struct {
        const char* exe;
        bool found;
    } cases[] = {
        {"native", true},      // a program of this system in the emulator directory
        {"NATIVE", true},      // names are matched without case
        {"ZSNES", true},       // DOS completes the name with .EXE
        {"ZSNES.EXE", true},   // the DOS program named whole
        {"WINEMU.EXE", false}, // a Windows program cannot run
        {"onpath", true},      // a bare name found on PATH
        {"nowhere", false},
        {"NOWHERE.EXE", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exe);
        EXPECT_EQ(emulatorProgramFound(dos, "C:\\EMU\\", c.exe, path), c.found);
    }
}

TEST_F(ProgramLookup, CandidatesAreReadFromThePluginFiles)
{
    write("EMU/native", "#!/bin/sh\n", true);
    write("KIVALTO/GOOD.XPL", "Good\r\n*.gb;*.gbc\r\n\r\nC:\\EMU\\\r\n\r\nnative\r\nENDOPTS\r\nENDDISP\r\n");
    write("KIVALTO/BAD.XPL", "Bad\r\n*.gb\r\n\r\nC:\\EMU\\\r\n\r\nmissing\r\nENDOPTS\r\nENDDISP\r\n");
    const auto candidates = readCandidates(dos, {"GOOD.XPL", "GONE.XPL", "BAD.XPL"}, "");
    ASSERT_EQ(candidates.size(), 2u);  // a plugin deleted since the tree was built is left out
    EXPECT_EQ(candidates[0].file, "GOOD.XPL");
    EXPECT_EQ(candidates[0].fileSpec, "*.gb;*.gbc");
    EXPECT_TRUE(candidates[0].programFound);
    EXPECT_EQ(candidates[1].file, "BAD.XPL");
    EXPECT_FALSE(candidates[1].programFound);
}

TEST_F(ProgramLookup, TheRomsPlaceInDosTerms)
{
    fs::create_directories(folder / "ROMS" / "Game Boy");
    const auto place = dosPlaceOf(dos, folder / "ROMS" / "Game Boy" / "Tetris (World).gb");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->folder, "C:\\ROMS\\Game Boy");
    EXPECT_EQ(place->file, "Tetris (World).gb");
    EXPECT_FALSE(dosPlaceOf(dos, "/definitely/not/under/the/drive.gb"));
}

} // namespace
