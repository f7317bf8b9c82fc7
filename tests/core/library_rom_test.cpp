// SPDX-License-Identifier: GPL-3.0-or-later
// Which files are library entries, what is read of them, their header
// titles and the ROM data that is hashed.
#include "libraryfiles.h"

#include "library/romfile.h"
#include "library/romkind.h"

#include <zlib.h>

using namespace kivalto;
using namespace kivalto::test;

namespace {

const std::string kSega = with(std::string(0x200, ' '), 0x100, "SEGA MEGA DRIVE");

class RomFiles : public LibraryFolder {};

TEST_F(RomFiles, TheExtensionTableAndTheSegaMarkDecideTheSystem)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* system;  // "" : no library entry
    };
    const std::vector<Case> cases = {
        {"a.smc", "x", "SNES"},          {"b.SFC", "x", "SNES"},         {"c.swc", "x", "SNES"},
        {"d.Fig", "x", "SNES"},          {"e.nes", "x", "NES"},          {"f.gb", "x", "GAMEBOY"},
        {"g.GBC", "x", "GAMEBOY"},       {"h.md", "x", "MEGA DRIVE"},    {"i.gen", "x", "MEGA DRIVE"},
        {"j.smd", "x", "MEGA DRIVE"},    {"k.bin", kSega, "MEGA DRIVE"}, {"l.bin", "not a cartridge", ""},
        {"m.bin", std::string(0x103, 'S'), ""},  // too short for the mark
        {"n.sms", "x", "MASTER SYSTEM"}, {"o.gg", "x", "GAME GEAR"},     {"p.pce", "x", "PC ENGINE"},
        {"q.dat", "x", ""},              {"r.txt", "x", ""},             {"smc", "x", ""},
    };
    for (const Case& c : cases) {
        RomFile file;
        readRomFile(write(c.name, c.bytes), file);
        EXPECT_EQ(file.system, c.system) << c.name;
        if (*c.system) {
            EXPECT_EQ(file.bytes, c.bytes) << c.name;
        }
    }
}

TEST_F(RomFiles, AnArchiveCountsByItsFirstRomMember)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> members;
        const char* system;
        const char* dataName;
    };
    const std::vector<Case> cases = {
        {"one.zip", {{"readme.txt", "hello"}, {"Game.sfc", "snes data"}}, "SNES", "Game.sfc"},
        {"two.zip", {{"dir/First.nes", "nes"}, {"Second.gb", "gb"}}, "NES", "First.nes"},
        {"three.zip", {{"plain.bin", "no mark"}, {"Later.gg", "gg"}}, "GAME GEAR", "Later.gg"},
        {"four.zip", {{"sonic.bin", kSega}}, "MEGA DRIVE", "sonic.bin"},
        {"five.zip", {{"notes.txt", "nothing"}}, "", ""},
    };
    for (const Case& c : cases) {
        RomFile file;
        readRomFile(zip(c.name, c.members), file);
        EXPECT_EQ(file.system, c.system) << c.name;
        EXPECT_EQ(file.dataName, c.dataName) << c.name;
    }
}

TEST_F(RomFiles, AGzipFileCountsByTheNameWithoutGz)
{
    const std::string data = romBytes(5000, 3);
    const auto path = root / "Tetris.gb.gz";
    gzFile gz = gzopen(path.c_str(), "wb");
    gzwrite(gz, data.data(), static_cast<unsigned>(data.size()));
    gzclose(gz);
    RomFile file;
    readRomFile(path, file);
    EXPECT_EQ(file.system, "GAMEBOY");
    EXPECT_EQ(file.dataName, "Tetris.gb");
    EXPECT_EQ(file.bytes, data);

    readRomFile(write("Broken.nes.gz", "\x1f\x8b garbage"), file);
    EXPECT_EQ(file.system, "");
    EXPECT_FALSE(file.problem.empty());
}

// A Game Boy header with `title` and a header checksum that holds or not.
std::string gameBoy(const std::string& title, bool checks = true)
{
    std::string data = with(std::string(0x8000, '\0'), 0x134, title);
    unsigned x = 0;
    for (std::size_t i = 0x134; i <= 0x14C; ++i)
        x = x - static_cast<unsigned char>(data[i]) - 1;
    data[0x14D] = static_cast<char>(checks ? x : x + 1);
    return data;
}

TEST(RomTitles, EachSystemsHeaderGivesTheTitle)
{
    const std::string blank(0x20000, '\0');
    const std::string sega = with(blank, 0x100, "SEGA MEGA DRIVE ");
    struct Case {
        const char* what;
        const char* system;
        std::string data;
        const char* title;
    };
    const std::vector<Case> cases = {
        {"SNES LoROM", "SNES", with(blank, 0x7FC0, "SUPER MADE UP WORLD  "), "SUPER MADE UP WORLD"},
        {"SNES without a title", "SNES", blank, ""},
        {"SNES too short", "SNES", "tiny", ""},
        {"Game Boy", "GAMEBOY", gameBoy("TETRIX"), "TETRIX"},
        {"Game Boy Color flag", "GAMEBOY", gameBoy("POCKET MONSTER\x80"), "POCKET MONSTER"},
        {"Game Boy checksum wrong", "GAMEBOY", gameBoy("TETRIX", false), ""},
        {"Mega Drive overseas", "MEGA DRIVE",
         with(with(sega, 0x120, "DOMESTIC NAME"), 0x150, "SONIC THE      HEDGEHOG"), "SONIC THE HEDGEHOG"},
        {"Mega Drive domestic", "MEGA DRIVE", with(with(sega, 0x120, "DOMESTIC NAME"), 0x150, std::string(48, ' ')),
         "DOMESTIC NAME"},
        {"Mega Drive Shift-JIS", "MEGA DRIVE",
         with(with(sega, 0x120, "\x83\x5c\x83\x6e"), 0x150, std::string(48, ' ')), ""},
        {"Mega Drive without SEGA", "MEGA DRIVE", with(blank, 0x150, "SONIC THE HEDGEHOG"), ""},
        {"NES has none", "NES", with(blank, 0x134, "TETRIX"), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(headerTitle(c.system, c.data, c.data), c.title) << c.what;
}

TEST(RomTitles, ASnesCopierHeaderIsReadAsTheRomListReadsIt)
{
    const std::string stored = std::string(512, '\0') + with(std::string(0x10000, '\0'), 0xFFC0, "HIGH ROM TITLE HERE");
    std::string scratch;
    EXPECT_EQ(headerTitle("SNES", stored, romData("SNES", ".smc", stored, scratch)), "HIGH ROM TITLE HERE");
}

// A .smd file of `rom`: a 512-byte header, then per 16 KiB block the odd
// bytes followed by the even ones.
std::string smdOf(const std::string& rom)
{
    std::string out(512, '\0');
    for (std::size_t b = 0; b < rom.size(); b += 16384) {
        std::string odd, even;
        for (std::size_t i = 0; i < 16384; i += 2) {
            even.push_back(rom[b + i]);
            odd.push_back(rom[b + i + 1]);
        }
        out += odd + even;
    }
    return out;
}

TEST(RomData, HeadersAreLeftOutAndSmdFilesDeinterleavedAsTheDatsHashThem)
{
    const std::string rom = romBytes(32768, 7);
    const std::string ines = std::string("NES\x1a", 4) + std::string(12, '\0');
    struct Case {
        const char* what;
        const char* system;
        const char* extension;
        std::string stored;
        std::string data;
    };
    const std::vector<Case> cases = {
        {"iNES header", "NES", ".nes", ines + rom, rom},
        {"NES without header", "NES", ".nes", rom, rom},
        {"SNES copier header", "SNES", ".smc", std::string(512, 'h') + rom, rom},
        {"SNES without", "SNES", ".sfc", rom, rom},
        {"SNES odd size kept", "SNES", ".sfc", rom.substr(0, 1000), rom.substr(0, 1000)},
        {"Mega Drive .smd", "MEGA DRIVE", ".smd", smdOf(rom), rom},
        {"Mega Drive .md as is", "MEGA DRIVE", ".md", smdOf(rom), smdOf(rom)},
        {"short .smd as is", "MEGA DRIVE", ".smd", "short", "short"},
        {"Game Boy as is", "GAMEBOY", ".gb", std::string(512, 'h') + rom, std::string(512, 'h') + rom},
    };
    for (const Case& c : cases) {
        std::string scratch;
        EXPECT_EQ(romData(c.system, c.extension, c.stored, scratch), c.data) << c.what;
    }
}

TEST(RomData, DigestsAreTheStandardOnes)
{
    const RomDigest check = digestOf("123456789");
    EXPECT_EQ(check.size, 9u);
    EXPECT_EQ(check.crc32, 0xCBF43926u);
    EXPECT_EQ(digestOf("abc").sha1, "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(digestOf("").crc32, 0u);
}

} // namespace
