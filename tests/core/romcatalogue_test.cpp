// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/romcatalogue.h"
#include "roms/romtitle.h"

#include "tests/tempfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace kivalto {
namespace {

namespace fs = std::filesystem;

class RomFolder : public ::testing::Test {
protected:
    void rom(const std::string& name, std::size_t size, const std::string& title = {}, std::size_t at = 33216)
    {
        std::string data(size, '\0');
        if (!title.empty())
            data.replace(at, title.size(), title);
        std::ofstream(dir / name, std::ios::binary) << data;
    }
    std::vector<RomEntry> scan(const std::vector<std::string>& files, const std::vector<std::string>& folders)
    {
        return scanRomFolder(dir, files, folders, defaultHeaderPositions());
    }
    kivalto::test::TempFolder temp{"kivalto-roms-"};
    fs::path dir = temp.path();
};

TEST_F(RomFolder, ScanGivesTitlesThenUpperCasedFoldersThenUp)
{
    rom("Mario.smc", 40000, "SUPER MARIOWORLD");
    rom("Zelda.zip", 10);
    EXPECT_EQ(scan({"Mario.smc", "Zelda.zip"}, {"C:\\ROMS\\Snes", "C:\\ROMS\\nes"}),
              (std::vector<RomEntry>{{"SUPER MARIOWORLD", kRomIcon},
                                     {"ZELDA*", kRomIcon},
                                     {"SNES", kFolderIcon},
                                     {"NES", kFolderIcon},
                                     {"UP", kUpIcon}}));
    EXPECT_EQ(scan({}, {}), (std::vector<RomEntry>{{"UP", kUpIcon}}));
}

TEST_F(RomFolder, EveryHeaderPositionIsReachedFromTheDisk)
{
    rom("lo.smc", 40000, "LOROM WITHOUT COPIER", 32704);
    rom("hi.smc", 70000, "HIROM GAME TITLE", 65984);
    rom("four.smc", 70000, "FOURTH POSITION", 29888);
    rom("long.smc", 70000, "LONG FIELD TITLE AND ON AND ON AND ON", 33216);
    EXPECT_EQ(scan({"lo.smc", "hi.smc", "four.smc", "long.smc"}, {}),
              (std::vector<RomEntry>{{"LOROM WITHOUT COPIE", kRomIcon},
                                     {"HIROM GAME TITLE", kRomIcon},
                                     {"FOURTH POSITION", kRomIcon},
                                     {"LONG FIELD TITLE AN", kRomIcon},
                                     {"UP", kUpIcon}}));
    // Shorter than the first position, though the second would fit.
    rom("cut.smc", 33000, "LOROM WITHOUT COPIER", 32704);
    EXPECT_EQ(scan({"cut.smc", "hi.smc"}, {}).size(), 0u);
}

TEST_F(RomFolder, FailingFileEndsTheScanWhereItIs)
{
    rom("a.smc", 40000, "FIRST GAME TITLE");
    rom("b.smc", 40000, "SECOND GAME TITLE");
    rom("c.smc", 20000);
    rom("d.smc", 40000, "FOURTH GAME TITLE");
    const std::vector<RomEntry> firstTwo{{"FIRST GAME TITLE", kRomIcon}, {"SECOND GAME TITLE", kRomIcon}};
    EXPECT_EQ(scan({"a.smc", "b.smc", "c.smc", "d.smc"}, {"C:\\ROMS\\SUB"}), firstTwo);
    // A listed file that has gone (or cannot be opened) ends it the same way.
    EXPECT_EQ(scan({"a.smc", "b.smc", "gone.zip", "d.smc"}, {"C:\\ROMS\\SUB"}), firstTwo);
}

TEST_F(RomFolder, ListStopsAtItsLimitKeepingThePositionRule)
{
    std::vector<std::string> folders(kMaxRomEntries - 1, "C:\\ROMS\\F");
    auto entries = scan({}, folders);
    ASSERT_EQ(entries.size(), kMaxRomEntries);
    EXPECT_EQ(entries.back(), (RomEntry{"UP", kUpIcon}));
    folders.push_back("C:\\ROMS\\G");
    entries = scan({}, folders);
    ASSERT_EQ(entries.size(), kMaxRomEntries);
    EXPECT_EQ(entries.back(), (RomEntry{"G", kFolderIcon}));
}

TEST(StaticList, RoundTripLosesIconsAndSplitsAtCommas)
{
    const std::vector<RomEntry> shown{
        {"SUPER MARIOWORLD   ", kRomIcon}, {"MARIO, LUIGI*", kRomIcon}, {"SNES", kFolderIcon}, {"UP", kUpIcon}};
    const std::string bytes = staticListBytes(shown);
    EXPECT_EQ(bytes, "SUPER MARIOWORLD   \r\nMARIO, LUIGI*\r\nSNES\r\nUP\r\n");
    EXPECT_EQ(parseStaticList(bytes), (std::vector<RomEntry>{{"SUPER MARIOWORLD", kRomIcon},
                                                             {"MARIO", kRomIcon},
                                                             {"LUIGI*", kRomIcon},
                                                             {"SNES", kRomIcon},
                                                             {"UP", kRomIcon}}));
    EXPECT_TRUE(parseStaticList("").empty());
    std::string many;
    for (std::size_t i = 0; i < kMaxRomEntries + 10; ++i)
        many += "X\r\n";
    EXPECT_EQ(parseStaticList(many).size(), kMaxRomEntries);
}

TEST(RomNames, LinesPairFilesAndEntriesByPosition)
{
    EXPECT_EQ(romNamesBytes({"Mario.smc", "Zelda.zip"}, {{"SUPER MARIOWORLD", kRomIcon},
                                                         {"ZELDA*", kRomIcon},
                                                         {"SNES", kFolderIcon},
                                                         {"UP", kUpIcon}}),
              "Mario.smc = SUPER MARIOWORLD\r\nZelda.zip = ZELDA*\r\n = SNES\r\n = UP\r\n");
    EXPECT_EQ(romNamesBytes({"a", "b"}, {}), "");
    EXPECT_EQ(romNameText("MARIO.SMC", "SUPER MARIOWORLD"), "MARIO.SMC (SUPER MARIOWORLD)");
    EXPECT_EQ(romNameText("NEW.SMC", ""), "NEW.SMC ()");
}

TEST(RomPaths, SnapshotBaseAndFolderSteps)
{
    EXPECT_EQ(snapshotBase("Mario.smc"), "Mario.");
    EXPECT_EQ(snapshotBase("Mario.v1.smc"), "Mario.");
    EXPECT_EQ(snapshotBase("Game"), "");
    EXPECT_EQ(upFolderOf("C:\\ROMS\\SNES"), "C:\\ROMS\\");
    EXPECT_EQ(upFolderOf("C:\\ROMS"), "C:\\");
    EXPECT_EQ(upFolderOf("C:\\"), "C:\\");
    EXPECT_EQ(subFolderOf("C:\\ROMS", "SNES"), "C:\\ROMS\\SNES");
    EXPECT_EQ(subFolderOf("C:\\", "SNES"), "C:\\SNES");
}

} // namespace
} // namespace kivalto
