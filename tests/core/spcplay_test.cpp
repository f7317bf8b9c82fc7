// SPDX-License-Identifier: GPL-3.0-or-later
#include "jukebox/spcplay.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(SpcPlayCommand, InitialSettingsGiveTheWorkedExample)
{
    EXPECT_EQ(buildSpcPlayCommand("C:\\SPC\\", "C:\\MUSIC\\SONG.SPC", SpcPlaySettings{}),
              "C:\\SPC\\spcplay C:\\MUSIC\\SONG.SPC -r 3 -8");
}

TEST(SpcPlayCommand, VolumeSwitchOnlyAwayFromSeventyFive)
{
    SpcPlaySettings s;
    s.volume = 0;
    EXPECT_EQ(buildSpcPlayCommand("C:\\SPC\\", "A.SPC", s), "C:\\SPC\\spcplay A.SPC -r 3 -8 -k 0");
    s.volume = 100;
    EXPECT_EQ(buildSpcPlayCommand("C:\\SPC\\", "A.SPC", s), "C:\\SPC\\spcplay A.SPC -r 3 -8 -k 100");
    s.volume = 75;
    EXPECT_EQ(buildSpcPlayCommand("C:\\SPC\\", "A.SPC", s), "C:\\SPC\\spcplay A.SPC -r 3 -8");
}

TEST(SpcPlayCommand, SwitchesComeInFixedOrder)
{
    SpcPlaySettings s;
    s.stereo = true;
    s.advancedEffects = false;
    s.khz22 = true;
    s.khz44 = false;
    s.eightBit = false;
    EXPECT_EQ(buildSpcPlayCommand("", "X.ZST", s), "spcplay X.ZST -z -x -r 2");
    s.eightBit = true;
    s.volume = 10;
    EXPECT_EQ(buildSpcPlayCommand("D:\\P\\", "X.ZST", s), "D:\\P\\spcplay X.ZST -z -x -r 2 -8 -k 10");
}

TEST(PlayClock, MinutesAndSecondsWithoutLeadingZeros)
{
    EXPECT_EQ(playClockText(0), "  0:0");
    EXPECT_EQ(playClockText(5), "  0:5");
    EXPECT_EQ(playClockText(59), "  0:59");
    EXPECT_EQ(playClockText(65), "  1:5");
    EXPECT_EQ(playClockText(600), "  10:0");
    EXPECT_EQ(playClockText(6001), "  100:1");
}
