// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/sneskey.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {
using Lines = std::vector<std::string>;

PluginKeyList player1Keys()
{
    return {"A", "B", "Q", "W", "S", "X", "Enter", "Space", "Num8", "Num2", "Num4", "Num6", "-j1"};
}
} // namespace

TEST(ControllerProfile, OneLineProfileHasNoDriverLinesAndTwoButtons)
{
    ControllerProfile p;
    EXPECT_TRUE(readControllerProfile("BUTS,x,y,DONEBUTS", p));
    EXPECT_EQ(p.driverLines, Lines{});
    EXPECT_EQ(p.buttons, (Lines{"x", "y"}));
}

TEST(ControllerProfile, DriverLinesSplitAtCommasAndTextAfterTheEndIsIgnored)
{
    ControllerProfile p;
    EXPECT_TRUE(readControllerProfile("Port = 378\r\nDelay = 1, 2\r\nBUTS\r\nFire\r\nJump\r\nDONEBUTS\r\nHow to,use\r\n", p));
    EXPECT_EQ(p.driverLines, (Lines{"Port = 378", "Delay = 1", "2"}));
    EXPECT_EQ(p.buttons, (Lines{"Fire", "Jump"}));
}

TEST(ControllerProfile, MissingMarkersFailAndKeepWhatWasRead)
{
    ControllerProfile noButs;
    EXPECT_FALSE(readControllerProfile("one\r\ntwo\r\n", noButs));
    EXPECT_EQ(noButs.driverLines, (Lines{"one", "two"}));

    ControllerProfile noEnd;
    EXPECT_FALSE(readControllerProfile("d\r\nBUTS\r\nFire\r\nbuts\r\ndonebuts\r\n", noEnd));
    EXPECT_EQ(noEnd.driverLines, Lines{"d"});
    EXPECT_EQ(noEnd.buttons, (Lines{"Fire", "buts", "donebuts"}));

    ControllerProfile empty;
    EXPECT_FALSE(readControllerProfile("", empty));
}

TEST(SnesKeyDat, StopsAtTheFirstBadFieldKeepingTheEarlierOnes)
{
    auto badTruth = readSnesKeyDat("PAD\r\nmaybe\r\n 1 \r\n0\r\n1\r\n");
    EXPECT_EQ(badTruth.controllerName, "PAD");
    EXPECT_FALSE(badTruth.playerTwo.has_value());
    EXPECT_FALSE(badTruth.complete);

    auto shortSlots = readSnesKeyDat("PAD\r\nFalse\r\n 2 \r\n4\r\n");
    EXPECT_EQ(shortSlots.playerTwo, false);
    EXPECT_EQ(shortSlots.buttonSlots, Lines{"4"});
    EXPECT_FALSE(shortSlots.complete);

    auto badCount = readSnesKeyDat("PAD\r\nTrue\r\nseven\r\n");
    EXPECT_EQ(badCount.playerTwo, true);
    EXPECT_TRUE(badCount.buttonSlots.empty());
    EXPECT_FALSE(badCount.complete);

    EXPECT_FALSE(readSnesKeyDat("").controllerName.has_value());
}

TEST(SnesKeyIni, SlotTwelveIsTheSwitchRowAndHigherOrNonNumericSlotsAreEmpty)
{
    DriverFileInput in;
    in.buttons = {"a", "b", "c", "d"};
    in.buttonSlots = {"12", "13", "x", "-1"};
    in.pluginKeys = player1Keys();
    EXPECT_EQ(buildSnesKeyIni(in), "a = -j1\r\nb = \r\nc = \r\nd = \r\nUp = Num8\r\nDown = Num2\r\n"
                                   "Left = Num4\r\nRight = Num6\r\n");
}

TEST(MappingFile, MalformedFilesAreRefused)
{
    EXPECT_THROW(readMappingFile(""), MappingFileError);
    EXPECT_THROW(readMappingFile("eight\r\nA\r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile("-2 \r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile(" 2 \r\nA\r\nB\r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile(" 2000000000 \r\nA\r\n"), MappingFileError);
}
