// SPDX-License-Identifier: GPL-3.0-or-later
// Which plugin runs a Library ROM, and when a plugin's program is present.
#include "library/romdestination.h"

#include "../tempfolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

using Kind = PluginChoice::Kind;

TEST(LibraryDestination, ThePluginThatRunsARom)
{
    // Game Boy plugins in the tree's order: an old one without .gbc, one
    // whose program is missing, one that takes every Game Boy ROM.
    const std::vector<PluginCandidate> gb = {{"OLD.XPL", "*.gb;*.zip;*.GZ", true},
                                             {"MISSING.XPL", "*.gb;*.gbc;*.zip;*.GZ", false},
                                             {"MED.XPL", "*.gb;*.gbc;*.zip;*.GZ", true}};
    const std::string snes = "*.SMC;*.SFC;*.ZIP;*.GZ";
    const struct {
        RomToPlace rom;
        std::optional<std::string> active;
        std::vector<PluginCandidate> filed;
        Kind kind;
        std::string file;
    } cases[] = {
        {{"GAMEBOY", "T.gb", "T.gb"}, "*.gb;*.zip", gb, Kind::KeepActive, ""},  // the active one serves
        {{"GAMEBOY", "T.gb", "T.gb"}, std::nullopt, gb, Kind::Switch, "OLD.XPL"},  // none active yet
        {{"GAMEBOY", "T.gb", "T.gb"}, snes, gb, Kind::Switch, "OLD.XPL"},          // another system's
        {{"GAMEBOY", "Z.gbc", "Z.gbc"}, "*.gb;*.zip", gb, Kind::Switch, "MED.XPL"},  // masks miss .gbc; no program
        {{"GAMEBOY", "z.zip", "Z.gbc"}, "*.gb;*.zip", gb, Kind::Switch, "MED.XPL"},  // an archive by its member
        {{"GAMEBOY", "z.zip", "Z.gbc"}, std::nullopt, {{"NOZIP.XPL", "*.gbc", true}}, Kind::NoneFound, ""},
        {{"GAMEBOY", "T.GZ", "T.gb"}, "*.gb;*.GZ", gb, Kind::KeepActive, ""},
        {{"GAMEBOY", "Z.gbc", "Z.gbc"}, snes, {gb[0], gb[1]}, Kind::NoneFound, ""},
        {{"NES", "M.nes", "M.nes"}, "*.*", {{"F.XPL", "*.nes", true}}, Kind::Switch, "F.XPL"},  // "*.*" is OTHER's
        // A plugin changed since the tree was built is no longer filed under NES.
        {{"NES", "M.nes", "M.nes"}, std::nullopt, {{"ALL.XPL", "*.*", true}, {"F.XPL", "*.nes", true}}, Kind::Switch,
         "F.XPL"},
        {{"MEGA DRIVE", "S.md", "S.md"}, std::nullopt,
         {{"KGEN.XPL", "*.smd;*.bin;*.zip", true}, {"MD.XPL", "*.smd;*.md;*.gen", true}}, Kind::Switch, "MD.XPL"},
        {{"SNES", "ZELDA.SFC", "ZELDA.SFC"}, "*.smc;*.sfc", {}, Kind::KeepActive, ""},  // no case
        {{"VECTREX", "V.vec", "V.vec"}, "*.*", {{"ANY.XPL", "*.*", true}}, Kind::NoneFound, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rom.fileName + " under " + c.active.value_or("no active plugin"));
        const PluginChoice choice = choosePlugin(c.rom, c.active, c.filed);
        EXPECT_EQ(choice.kind, c.kind);
        EXPECT_EQ(choice.file, c.file);
    }
}

TEST(LibraryDestination, APluginsProgramIsFoundAsTheLaunchFindsIt)
{
    test::TempFolder folder;
    DriveTable drives;
    drives.set('C', folder.path());
    const DosFs dos(drives, "C:\\");
    auto write = [&](const std::string& name, const std::string& bytes, bool executable) {
        fs::create_directories(folder / "EMU");
        std::ofstream(folder / "EMU" / name, std::ios::binary) << bytes;
        if (executable)
            fs::permissions(folder / "EMU" / name, fs::perms::owner_all);
    };
    std::string pe(0x88, '\0');
    pe.replace(0, 2, "MZ");
    pe[0x3c] = '\x80';
    pe.replace(0x80, 4, std::string("PE\0\0", 4));
    write("native", "#!/bin/sh\n", true);
    write("ZSNES.EXE", "MZ dos program", false);
    write("WINEMU.EXE", pe, false);
    fs::create_directories(folder / "BIN");
    std::ofstream(folder / "BIN" / "onpath") << "#!/bin/sh\n";
    fs::permissions(folder / "BIN" / "onpath", fs::perms::owner_all);
    // A Windows program cannot run; DOS completes a bare name with .EXE.
    const std::pair<const char*, bool> cases[] = {{"native", true},     {"NATIVE", true},   {"ZSNES", true},
                                                  {"ZSNES.EXE", true},  {"WINEMU.EXE", false}, {"onpath", true},
                                                  {"nowhere", false},   {"NOWHERE.EXE", false}, {"", false}};
    for (const auto& [exe, found] : cases)
        EXPECT_EQ(emulatorProgramFound(dos, "C:\\EMU\\", exe, (folder / "BIN").string()), found) << exe;
}

} // namespace
