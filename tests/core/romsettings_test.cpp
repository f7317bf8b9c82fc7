// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/romsettings.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(RomSettingsFile, WorkedExampleHasFifteenLines)
{
    RomSettings s;
    s.pluginFile = "ZSNES.XPL";
    s.options = {false, true, false};
    s.displayModes = {true, false};
    s.controller = 1;
    s.runSnesKey = true;
    s.frameskip = "2";
    EXPECT_EQ(writeRomSettings(s), "ZSNES.XPL\r\nFalse\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n 1 \r\nFalse\r\nFalse\r\n"
                                   "True\r\n2\r\n\r\n\r\nFalse\r\nFalse\r\n");
}

TEST(RomSettingsFile, NameReplacesTheLastThreeCharacters)
{
    EXPECT_EQ(settingsFileName("MARIO.SMC"), "MARIO.GPF");
    EXPECT_EQ(settingsFileName("MARIO.GZ"), "MARIOGPF");
    EXPECT_EQ(settingsFileName("MARIO.1"), "MARIGPF");
    EXPECT_EQ(settingsFileName("AB"), std::nullopt);
    EXPECT_EQ(settingsFilePath("", "C:\\ROMS", "MARIO.SMC"), "C:\\ROMS\\MARIO.GPF");
    EXPECT_EQ(settingsFilePath("D:\\GPF\\", "C:\\ROMS", "MARIO.SMC"), "D:\\GPF\\MARIO.GPF");
    EXPECT_EQ(commandLineSettingsPath("", "C:\\ROMS\\mario.smc"), "C:\\ROMS\\mario.GPF");
    EXPECT_EQ(commandLineSettingsPath("D:\\GPF\\", "C:\\ROMS\\mario.smc"), "D:\\GPF\\MARIO.GPF");
    EXPECT_EQ(commandLineSettingsPath("", "C:"), std::nullopt);
}

TEST(RomSettingsFile, ReaderTakesValuesByPosition)
{
    RomSettingsReader r("ZSNES.XPL\r\ntrue\r\n0\r\n 3 \r\n1,2\r\n");
    EXPECT_EQ(r.text(), "ZSNES.XPL");
    EXPECT_TRUE(r.truth());
    EXPECT_FALSE(r.truth());
    EXPECT_EQ(r.number(), 3);
    EXPECT_EQ(r.text(), "1");  // a comma cuts the frameskip text
    EXPECT_EQ(r.text(), "2");
    EXPECT_THROW(r.text(), TextReadError);
    RomSettingsReader bad("maybe\r\n");
    EXPECT_THROW(bad.truth(), std::invalid_argument);
}
