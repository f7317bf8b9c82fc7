// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/catalogue.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {

std::vector<std::string> treeKeys(std::string_view masks)
{
    std::vector<std::string> keys;
    for (std::size_t i : systemsForFileSpec(masks))
        keys.push_back(kSystemKinds[i].treeKey);
    return keys;
}

using Keys = std::vector<std::string>;

} // namespace

TEST(PluginCatalogue, FilesASpecUnderEveryMatchingSystem)
{
    EXPECT_EQ(treeKeys("*.smd;*.bin;*.zip;*.1;*.GZ"), Keys{"MEGA"});
    EXPECT_EQ(treeKeys("*.nes;*.smc;*.zip"), (Keys{"SNES", "NES"}));
    EXPECT_EQ(treeKeys("*.*"), Keys{"OTHER"});
    EXPECT_EQ(treeKeys(""), Keys{"OTHER"});
    EXPECT_EQ(treeKeys("*.idx;*.dat;*.zip;*.GZ;*.pce"), Keys{"PC"});
    // A plain substring search: "*.GBC" contains "*.GB", "*.SMCX" contains "*.SMC".
    EXPECT_EQ(treeKeys("*.gbc"), Keys{"GAMEBOY"});
    EXPECT_EQ(treeKeys("*.SMS;*.GG;*.gb"), (Keys{"GAMEBOY", "MASTER", "GAME"}));
}

TEST(PluginCatalogue, NodeKeysAndCaptions)
{
    EXPECT_EQ(pluginNodeKey("ZSNES.XPL", kSystemKinds[0]), "ZSNES.XPLSNES");
    EXPECT_EQ(pluginNodeCaption("ZSNES.XPL"), "ZSNES");
    EXPECT_EQ(pluginNodeCaption("A.X"), "");
    EXPECT_EQ(fileNameOfNodeKey("ZSNES.XPLSNES", "SNES"), "ZSNES.XPL");
    EXPECT_EQ(fileNameOfNodeKey("GENS.XPLMEGA", "MEGA"), "GENS.XPL");
    EXPECT_EQ(fileNameOfNodeKey("SNES", "SNES"), "");
}

TEST(PluginCatalogue, LightReadersTakeFieldsOneAndTwo)
{
    const std::string file = "ZSNES v1.36\r\n*.SMC;*.SFC\r\n-F n\r\n";
    EXPECT_EQ(emulatorNameField(file), "ZSNES v1.36");
    EXPECT_EQ(fileSpecField(file), "*.SMC;*.SFC");
    EXPECT_EQ(fileSpecField("Name, With Comma\r\n*.NES\r\n"), "With Comma");
    EXPECT_EQ(fileSpecField("OnlyOne\r\n"), std::nullopt);
    EXPECT_EQ(emulatorNameField(""), std::nullopt);
}

TEST(PluginCatalogue, SplitsOptionsFromCheatTypesKeepingPairs)
{
    const std::vector<PluginOption> options = {
        {"Sound", "-s"}, {"#Pro Action Replay", "-par"}, {"Fast", "-f"}, {"", "-e"}, {"#", "-x"}};
    const SplitOptions split = splitOptions(options);
    ASSERT_EQ(split.ordinary.size(), 3u);
    EXPECT_EQ(split.ordinary[1].name, "Fast");
    EXPECT_EQ(split.ordinary[1].switchText, "-f");
    EXPECT_EQ(split.ordinary[2].name, "");
    EXPECT_EQ(split.ordinary[2].switchText, "-e");
    ASSERT_EQ(split.cheats.size(), 2u);
    EXPECT_EQ(split.cheats[0].name, "Pro Action Replay");
    EXPECT_EQ(split.cheats[0].switchText, "-par");
    EXPECT_EQ(split.cheats[1].name, "");
}
