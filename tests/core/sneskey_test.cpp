#include "keys/keyview.h"
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

TEST(SnesKeyDat, WritesNamePlayerCountAndSlots)
{
    EXPECT_EQ(writeSnesKeyDat({"PAD", true, {"0", "1", "5"}}), "PAD\r\nTrue\r\n 2 \r\n0\r\n1\r\n5\r\n");
    EXPECT_EQ(writeSnesKeyDat({"", false, {}}), "\r\nFalse\r\n-1 \r\n");
}

TEST(SnesKeyDat, ReadsBackWhatWasWritten)
{
    auto s = readSnesKeyDat(writeSnesKeyDat({"PAD", true, {"0", "3"}}));
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.controllerName, "PAD");
    EXPECT_EQ(s.playerTwo, true);
    EXPECT_EQ(s.buttonSlots, (Lines{"0", "3"}));

    auto none = readSnesKeyDat("\r\nFalse\r\n-1 \r\n");
    EXPECT_TRUE(none.complete);
    EXPECT_EQ(none.controllerName, "");
    EXPECT_EQ(none.buttonSlots, Lines{});
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

TEST(SnesKeyIni, WorkedExampleByteForByte)
{
    DriverFileInput in;
    in.driverLines = {"Port = 1"};
    in.buttons = {"Fire", "Jump"};
    in.buttonSlots = {"0", "3"};
    in.pluginKeys = player1Keys();
    EXPECT_EQ(buildSnesKeyIni(in), "Port = 1\r\nFire = A\r\nJump = W\r\nUp = Num8\r\nDown = Num2\r\n"
                                   "Left = Num4\r\nRight = Num6\r\n");
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

TEST(SnesKeyIni, ManualKeysReplaceTheButtonKeysButNotTheDirections)
{
    DriverFileInput in;
    in.buttons = {"Fire", "Jump"};
    in.buttonSlots = {"0", "1"};
    in.advanced = false;
    in.manualKeys = {"0", "LCTRL"};
    in.pluginKeys = player1Keys();
    EXPECT_EQ(buildSnesKeyIni(in), "Fire = 0\r\nJump = LCTRL\r\nUp = Num8\r\nDown = Num2\r\n"
                                   "Left = Num4\r\nRight = Num6\r\n");
}

TEST(SnesKeyIni, NoControllerAndUnsetKeysAreWrittenAsHeld)
{
    DriverFileInput in;
    in.pluginKeys.fill(" ");
    EXPECT_EQ(buildSnesKeyIni(in), "Up =  \r\nDown =  \r\nLeft =  \r\nRight =  \r\n");
}

TEST(MappingFile, RoundTripStartsWithTheCount)
{
    Lines keys{"NUM8", "NUM2", "A", "B", "ENTER", "SPACE", "LCTRL", "7"};
    const std::string bytes = writeMappingFile(keys);
    EXPECT_EQ(bytes.substr(0, 5), " 7 \r\n");
    EXPECT_EQ(bytes, " 7 \r\nNUM8\r\nNUM2\r\nA\r\nB\r\nENTER\r\nSPACE\r\nLCTRL\r\n7\r\n");
    EXPECT_EQ(readMappingFile(bytes), keys);
    EXPECT_EQ(readMappingFile(writeMappingFile({})), Lines{});
}

TEST(MappingFile, MalformedFilesAreRefused)
{
    EXPECT_THROW(readMappingFile(""), MappingFileError);
    EXPECT_THROW(readMappingFile("eight\r\nA\r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile("-2 \r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile(" 2 \r\nA\r\nB\r\n"), MappingFileError);
    EXPECT_THROW(readMappingFile(" 2000000000 \r\nA\r\n"), MappingFileError);
}

TEST(KeyView, ColumnAndVisibleBoxes)
{
    auto keyboard = chooseKeyView(false, 1);
    EXPECT_EQ(keyboard.column, KeyColumn::Player1);
    EXPECT_TRUE(keyboard.showDirections);
    EXPECT_TRUE(keyboard.showNote);

    const std::pair<int, KeyColumn> pads[] = {{2, KeyColumn::Pad2}, {3, KeyColumn::Pad4}, {4, KeyColumn::Pad6}};
    for (auto [select, column] : pads) {
        auto pad = chooseKeyView(false, select);
        EXPECT_EQ(pad.column, column);
        EXPECT_FALSE(pad.showDirections);
        EXPECT_FALSE(pad.showNote);
        auto p2 = chooseKeyView(true, select);
        EXPECT_EQ(p2.column, KeyColumn::Player2);
        EXPECT_TRUE(p2.showDirections);
        EXPECT_FALSE(p2.showNote);
    }
    EXPECT_EQ(chooseKeyView(true, 1).column, KeyColumn::Player2);
    EXPECT_FALSE(chooseKeyView(true, 1).showNote);
}
