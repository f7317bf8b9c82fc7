// SPDX-License-Identifier: GPL-3.0-or-later
// DATs read from strangers, and ROMs verified and named by them.
#include "libraryfiles.h"

#include "library/datmatch.h"
#include "library/libraryindex.h"

#include <cstring>

using namespace kivalto;
using namespace kivalto::test;

namespace {

TEST(DatReader, ReadsGamesWithOrWithoutAHeader)
{
    const std::string games = datGame("Alpha (USA)", "alpha") + datGame("Beta (Japan)", "beta", "", false);
    for (bool header : {true, false}) {
        const DatFile dat = parseDat(datFile(games, header), "made.dat");
        EXPECT_EQ(dat.problem, "");
        ASSERT_EQ(dat.roms.size(), 2u);
        EXPECT_EQ(dat.roms[0].game, "Alpha (USA)");
        EXPECT_EQ(dat.roms[0].sha1, digestOf("alpha").sha1);
        EXPECT_EQ(dat.roms[1].crc32, digestOf("beta").crc32);
        EXPECT_EQ(dat.roms[1].sha1, "");
    }
}

TEST(DatReader, StrangeEntriesAreLeftOutOrRefused)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t roms;
        const char* problem;  // "" : none expected
    };
    const std::string good = datGame("Good", "good");
    const std::vector<Case> cases = {
        {"no crc", datFile("<game name=\"X\"><rom name=\"x\" size=\"3\"/></game>" + good), 1, ""},
        {"size not a number", datFile("<game name=\"X\"><rom size=\"3x\" crc=\"00000001\"/></game>" + good), 1, ""},
        {"rom outside a game", datFile("<rom size=\"3\" crc=\"00000001\"/>" + good), 1, ""},
        {"upper-case sha1", datFile("<game name=\"U\"><rom size=\"1\" crc=\"ABCDEF01\" sha1=\"" +
                                    std::string(40, 'A') + "\"/></game>"), 1, ""},
        {"cut short", datFile(good).substr(0, datFile(good).size() - 5), 1, "made.dat: line "},
        {"broken in the middle", datFile(good + "<game name=\"Bad\"><oops></game>\n" + good), 1,
         "made.dat: line 12: mismatched tag"},
        {"entity declared", "<!DOCTYPE d [<!ENTITY a \"aaaa\">]><datafile>" + good + "</datafile>", 0,
         "made.dat: line 1: entity declarations are not allowed"},
        {"not XML", "clrmamepro ( name \"old style\" )", 0, "made.dat: line 1: "},
    };
    for (const Case& c : cases) {
        const DatFile dat = parseDat(c.bytes, "made.dat");
        EXPECT_EQ(dat.roms.size(), c.roms) << c.what;
        EXPECT_EQ(dat.problem.substr(0, std::strlen(c.problem)), c.problem) << c.what << ": " << dat.problem;
        EXPECT_EQ(dat.problem.empty(), !*c.problem) << c.what;
    }
}

class DatFiles : public LibraryFolder {};

TEST_F(DatFiles, ADatOver256MiBIsRefusedUnread)
{
    const auto path = write("huge.dat", "<datafile>");
    std::filesystem::resize_file(path, kMaxDatBytes + 1);
    const DatFile dat = readDatFile(path);
    EXPECT_TRUE(dat.roms.empty());
    EXPECT_EQ(dat.problem, "huge.dat: it is larger than 256 MiB, so it was not read");
}

TEST(DatNames, RegionAndRevisionComeFromTheName)
{
    struct Case {
        const char* name;
        const char* region;
        const char* revision;
    };
    const std::vector<Case> cases = {
        {"Super Game (USA)", "USA", ""},
        {"Super Game (USA, Europe) (Rev 1)", "USA, Europe", "Rev 1"},
        {"Super Game (Japan) (En) (v1.1)", "Japan", "v1.1"},
        {"Super Game (Proto) (World)", "World", ""},
        {"Super Game (U) [!]", "USA", ""},
        {"Super Game (JU) (PRG1)", "Japan, USA", "PRG1"},
        {"Super Game (Unl)", "", ""},
        {"Super Game", "", ""},
        {"Broken (USA", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regionOfName(c.name), c.region) << c.name;
        EXPECT_EQ(revisionOfName(c.name), c.revision) << c.name;
    }
}

// Each ROM file written to a folder, indexed against one DAT: the copier
// header, iNES header and ZIP member are hashed as the DAT expects.
TEST_F(DatFiles, RomsAreVerifiedAndNamedByTheDat)
{
    const std::string snes = with(romBytes(0x20000, 1), 0x7FC0, "HEADER TITLE HERE  ");
    const std::string nes = romBytes(0x8000, 2);
    const std::string gb = romBytes(0x8000, 3);
    const std::string bad = romBytes(0x8000, 4);
    const std::string badStatus = romBytes(0x8000, 5);
    const std::string sha1Differs = romBytes(0x8000, 6);
    const std::string unknown = with(romBytes(0x20000, 7), 0x7FC0, "UNKNOWN GAME TITLE ");
    std::string dat = datGame("Snes Game (USA) (Rev 1)", snes) + datGame("Nes Game (Europe)", nes) +
                      datGame("Gb Game (Japan)", gb) + datGame("Bad Game (USA) [b]", bad) +
                      datGame("Other Bad (World)", badStatus, " status=\"baddump\"");
    // Same size and CRC, another SHA-1: the SHA-1 decides.
    std::string lie = datGame("Liar (USA)", sha1Differs);
    lie.replace(lie.find("sha1=\"") + 6, 40, std::string(40, '0'));
    write("DAT/made.dat", datFile(dat + lie));
    const DatIndex dats = loadDats(root / "DAT");
    ASSERT_EQ(dats.size(), 6u);

    struct Case {
        std::filesystem::path file;
        const char* name;
        const char* region;
        const char* revision;
        const char* status;
    };
    const std::vector<Case> cases = {
        {write("roms/snes.smc", std::string(512, '\0') + snes), "Snes Game (USA) (Rev 1)", "USA", "Rev 1", "Verified"},
        {write("roms/nes.nes", std::string("NES\x1a", 4) + std::string(12, '\1') + nes), "Nes Game (Europe)", "Europe",
         "", "Verified"},
        {zip("roms/gb.zip", {{"readme.txt", "x"}, {"gb.gb", gb}}), "Gb Game (Japan)", "Japan", "", "Verified"},
        {write("roms/bad.nes", bad), "Bad Game (USA) [b]", "USA", "", "Bad Dump"},
        {write("roms/other.gb", badStatus), "Other Bad (World)", "World", "", "Bad Dump"},
        {write("roms/liar.gb", sha1Differs), "liar", "", "", "Unknown"},
        {write("roms/unknown.sfc", unknown), "UNKNOWN GAME TITLE", "", "", "Unknown"},
        {write("roms/No Header Game.pce", romBytes(100, 8)), "No Header Game", "", "", "Unknown"},
    };
    for (const Case& c : cases) {
        const auto stamp = stampOf(c.file);
        ASSERT_TRUE(stamp);
        const FileRecord r = indexFile(c.file, *stamp, dats);
        EXPECT_EQ(r.name, c.name) << c.file;
        EXPECT_EQ(r.region, c.region) << c.file;
        EXPECT_EQ(r.revision, c.revision) << c.file;
        EXPECT_EQ(r.status, c.status) << c.file;
    }
}

TEST_F(DatFiles, AMalformedDatStillCountsItsGoodEntries)
{
    const std::string rom = romBytes(4096, 9);
    write("DAT/broken.dat", datFile(datGame("Early Game (USA)", rom) + "<game name=\"x\"><oops></game>"));
    write("DAT/notes.txt", "not a DAT");
    std::vector<std::string> problems;
    const DatIndex dats = loadDats(root / "DAT", &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind("broken.dat: line ", 0), 0u) << problems[0];
    EXPECT_NE(dats.match(digestOf(rom)), nullptr);
}

} // namespace
