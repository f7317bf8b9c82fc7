// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/pluginchecks.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(PluginChecks, CommaAnywhereOrLeadingQuoteBreaksReading)
{
    EXPECT_TRUE(breaksFieldReading("Sound,16"));
    EXPECT_TRUE(breaksFieldReading(","));
    EXPECT_TRUE(breaksFieldReading("\"quoted"));
    EXPECT_TRUE(breaksFieldReading("  \t\"quoted after blanks"));
    EXPECT_FALSE(breaksFieldReading("say \"hi\""));
    EXPECT_FALSE(breaksFieldReading(""));
    EXPECT_FALSE(breaksFieldReading(" "));
    EXPECT_FALSE(breaksFieldReading("-f n"));
    EXPECT_FALSE(breaksFieldReading("C:\\ZSNES\\"));
}

TEST(PluginChecks, CleanPluginHasNothingToWarnAbout)
{
    EmulatorPlugin p;
    p.pluginName = "ZSNES";
    p.fileSpec = "*.SMC;*.ZIP";
    p.options = {{"Sound", "-s"}, {"#Game Genie", "-g"}};
    p.displayModes = {{"320x240X", "-v 1"}};
    p.keys.at(0, KeyColumn::Player1) = "Num8";
    auto found = findUnreadableValues(p);
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(unreadableValuesWarning(found), "");
}

TEST(PluginChecks, NamesEveryOffendingValueInFileOrder)
{
    EmulatorPlugin p;
    p.pluginName = "A,B";
    p.emulatorName = "\"Zsnes\"";
    p.options = {{"Fine", "-f"}, {"Sound,16", "-s"}};
    p.displayModes = {{"640x480", "-r,1"}};
    p.keys.at(kSwitchRow, KeyColumn::Pad4) = ",";
    auto found = findUnreadableValues(p);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].where, "Filename");
    EXPECT_EQ(found[1].where, "Emulator Name");
    EXPECT_EQ(found[1].value, "\"Zsnes\"");
    EXPECT_EQ(found[2].where, "Option name 2");
    EXPECT_EQ(found[2].value, "Sound,16");
    EXPECT_EQ(found[3].where, "Display Option switch 1");
    EXPECT_EQ(found[4].where, "4 Button Pad SWITCH");
    EXPECT_EQ(unreadableValuesWarning({found[2]}),
              "These values contain a comma or begin with a double quote, so the plugin would not read back as "
              "saved:\n\nOption name 2: Sound,16\n\nPress OK to save anyway, or Cancel to correct them first.");
}
