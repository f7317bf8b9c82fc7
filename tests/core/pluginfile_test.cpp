// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/pluginfile.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {

std::string lines(std::initializer_list<std::string> values)
{
    std::string out;
    for (const auto& v : values)
        out += v + "\r\n";
    return out;
}

std::string keyLines(const std::string& cell)
{
    std::string out;
    for (int i = 0; i < kKeyRows * kKeyColumns; ++i)
        out += cell + "\r\n";
    return out;
}

EmulatorPlugin sample()
{
    EmulatorPlugin p;
    p.emulatorName = "ZSNES v1.36";
    p.fileSpec = "*.SMC;*.SFC";
    p.frameskipSwitch = "-F n";
    p.defaultDir = "C:\\ZSNES\\";
    p.fixedSwitches = "-s";
    p.exeName = "ZSNES.EXE";
    p.options = {{"Sound", "-S"}, {"#Game Genie", "-gg"}};
    p.displayModes = {{"320x240X", "-m 1"}};
    p.keys.at(0, KeyColumn::Player1) = "Num8";
    p.keys.at(kSwitchRow, KeyColumn::Pad6) = "-j 6";
    return p;
}

} // namespace

TEST(PluginFile, EmptyPluginIs73LinesWithBlankKeyCells)
{
    EmulatorPlugin p;
    const std::string bytes = writePluginFile(p);
    EXPECT_EQ(bytes, lines({"", "", "", "", "", "", "ENDOPTS", "ENDDISP"}) + keyLines(" "));
    std::size_t count = 0;
    for (std::size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2))
        ++count;
    EXPECT_EQ(count, 73u);

    // Unset keys come back empty and are then written as empty lines.
    EmulatorPlugin back;
    ASSERT_EQ(readPluginFile(bytes, back), PluginRead::Complete);
    EXPECT_EQ(back.keys.at(3, KeyColumn::Pad4), "");
    EXPECT_EQ(writePluginFile(back), lines({"", "", "", "", "", "", "ENDOPTS", "ENDDISP"}) + keyLines(""));
}

TEST(PluginFile, WritesLayoutAndReadsItBack)
{
    const EmulatorPlugin p = sample();
    const std::string bytes = writePluginFile(p);
    const std::string head = lines({"ZSNES v1.36", "*.SMC;*.SFC", "-F n", "C:\\ZSNES\\", "-s", "ZSNES.EXE", "Sound",
                                    "-S", "#Game Genie", "-gg", "ENDOPTS", "320x240X", "-m 1", "ENDDISP", "Num8"});
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "-j 6\r\n");

    EmulatorPlugin back;
    back.pluginName = "KEPT";
    ASSERT_EQ(readPluginFile(bytes, back), PluginRead::Complete);
    EXPECT_EQ(back.pluginName, "KEPT");
    EXPECT_EQ(back.emulatorName, p.emulatorName);
    EXPECT_EQ(back.exeName, p.exeName);
    ASSERT_EQ(back.options.size(), 2u);
    EXPECT_EQ(back.options[1].name, "#Game Genie");
    EXPECT_EQ(back.options[1].switchText, "-gg");
    ASSERT_EQ(back.displayModes.size(), 1u);
    EXPECT_EQ(back.displayModes[0].switchText, "-m 1");
    EXPECT_EQ(back.keys.at(0, KeyColumn::Player1), "Num8");
    EXPECT_EQ(back.keys.at(kSwitchRow, KeyColumn::Pad6), "-j 6");
    EXPECT_EQ(back.keys.at(0, KeyColumn::Player2), "");
}

TEST(PluginFile, CommaInOptionNameShiftsLaterFields)
{
    EmulatorPlugin p;
    p.options = {{"Sound, Stereo", "-s"}, {"Fast", "-f"}};
    EmulatorPlugin back;
    ASSERT_EQ(readPluginFile(writePluginFile(p), back), PluginRead::Incomplete);
    ASSERT_GE(back.options.size(), 2u);
    EXPECT_EQ(back.options[0].name, "Sound");
    EXPECT_EQ(back.options[0].switchText, "Stereo");
    EXPECT_EQ(back.options[1].name, "-s");
    EXPECT_EQ(back.options[1].switchText, "Fast");
}

TEST(PluginFile, ReadReplacesListsButOverwritesHeaderAndKeysOnlyAsRead)
{
    EmulatorPlugin p = sample();
    p.keys.at(12, KeyColumn::Player1) = "old";
    // Header, one option, end of options, then nothing: the older layout.
    const std::string v2 = lines({"Old Emu", "*.NES", "", "C:\\OLD\\", "", "OLD.EXE", "Turbo", "-t"});
    EXPECT_EQ(readPluginFile(v2, p), PluginRead::Incomplete);
    EXPECT_EQ(p.emulatorName, "Old Emu");
    EXPECT_EQ(p.exeName, "OLD.EXE");
    ASSERT_EQ(p.options.size(), 1u);  // no ENDOPTS: runs to the end, keeps what it read
    EXPECT_EQ(p.options[0].switchText, "-t");
    EXPECT_TRUE(p.displayModes.empty());
    EXPECT_EQ(p.keys.at(0, KeyColumn::Player1), "Num8");
    EXPECT_EQ(p.keys.at(12, KeyColumn::Player1), "old");

    // A name without its switch is not added.
    EXPECT_EQ(readPluginFile(lines({"a", "b", "c", "d", "e", "f", "Lonely"}), p), PluginRead::Incomplete);
    EXPECT_TRUE(p.options.empty());

    // Ends inside the header: the fields read so far are replaced.
    p = sample();
    EXPECT_EQ(readPluginFile(lines({"Half", "*.GB"}), p), PluginRead::Incomplete);
    EXPECT_EQ(p.emulatorName, "Half");
    EXPECT_EQ(p.fileSpec, "*.GB");
    EXPECT_EQ(p.frameskipSwitch, "-F n");
    EXPECT_TRUE(p.options.empty());

    EXPECT_EQ(readPluginFile("", p), PluginRead::Incomplete);
}

TEST(PluginFile, KeyRowsAreStoredOnlyWhenComplete)
{
    EmulatorPlugin p;
    p.keys.at(1, KeyColumn::Player1) = "keep";
    std::string bytes = lines({"", "", "", "", "", "", "ENDOPTS", "ENDDISP", "r0a", "r0b", "r0c", "r0d", "r0e", "r1a"});
    EXPECT_EQ(readPluginFile(bytes, p), PluginRead::Incomplete);
    EXPECT_EQ(p.keys.at(0, KeyColumn::Pad6), "r0e");
    EXPECT_EQ(p.keys.at(1, KeyColumn::Player1), "keep");
}

TEST(PluginFile, EndMarkersAreExactAndTrailingDataIgnored)
{
    const std::string bytes = lines({"E", "*.*", "", "", "", "X.EXE", "endopts", "-lower", "ENDOPTS", "ENDDISP"}) +
                              keyLines("k") + "garbage\r\n";
    EmulatorPlugin p;
    ASSERT_EQ(readPluginFile(bytes, p), PluginRead::Complete);
    ASSERT_EQ(p.options.size(), 1u);
    EXPECT_EQ(p.options[0].name, "endopts");
    EXPECT_EQ(p.keys.at(12, KeyColumn::Pad6), "k");
}

TEST(PluginFile, SystemDisplayTextBecomesItsMasks)
{
    EXPECT_EQ(fileSpecToSave("MEGA DRIVE"), "*.smd;*.bin;*.zip;*.1;*.GZ");
    EXPECT_EQ(fileSpecToSave("SNES"), "*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ");
    EXPECT_EQ(fileSpecToSave("PC ENGINE"), "*.idx;*.dat;*.zip;*.GZ;*.pce");
    EXPECT_EQ(fileSpecToSave("mega drive"), "mega drive");
    EXPECT_EQ(fileSpecToSave("OTHER"), "OTHER");
    EXPECT_EQ(fileSpecToSave("*.*"), "*.*");
}

TEST(PluginFile, TrailingBackslash)
{
    EXPECT_EQ(withTrailingBackslash("C:\\ZSNES"), "C:\\ZSNES\\");
    EXPECT_EQ(withTrailingBackslash("C:\\ZSNES\\"), "C:\\ZSNES\\");
    EXPECT_EQ(withTrailingBackslash(""), "\\");
}

TEST(PluginFile, NameFromPath)
{
    EXPECT_EQ(pluginNameFromPath("D:\\DOWNLOAD\\zsnes.xpl"), "ZSNES");
    EXPECT_EQ(pluginNameFromPath("snes9x.XPL"), "SNES9X");
    EXPECT_EQ(pluginNameFromPath("C:\\A\\.x"), "");
    std::string deep = "C:";
    for (int i = 0; i < 99; ++i)
        deep += "\\A";
    EXPECT_EQ(pluginNameFromPath(deep + "B.XPL"), "AB");
    EXPECT_EQ(pluginNameFromPath(deep + "\\B.XPL"), std::nullopt);
}
