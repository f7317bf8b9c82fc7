// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dospath.h"
#include "platform/textfield.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(DosMasks, Wildcards)
{
    EXPECT_TRUE(matchesMask("MARIO.SMC", "*.smc"));
    EXPECT_TRUE(matchesMask("mario", "*.*"));
    EXPECT_TRUE(matchesMask("a.b.c", "*.c"));
    EXPECT_FALSE(matchesMask("MARIO.SMC", "*.SM"));
    EXPECT_TRUE(matchesMask("ZSNES.XPL", "z*.x?l"));
    EXPECT_FALSE(matchesMask("ZSNES.XPL", "?.XPL"));
    EXPECT_TRUE(matchesPatternList("x.GZ", "*.SMC;*.ZIP;*.GZ"));
    EXPECT_FALSE(matchesPatternList("x.GZ", "*.SMC;;*.ZIP"));
    EXPECT_EQ(splitPatternList(";*.A; *.B ;"), (std::vector<std::string>{"*.A", "*.B"}));
}

TEST(DosPaths, TextHelpers)
{
    EXPECT_EQ(joinDos("C:\\ROMS", "A.SMC"), "C:\\ROMS\\A.SMC");
    EXPECT_EQ(joinDos("C:\\ROMS\\", "A.SMC"), "C:\\ROMS\\A.SMC");
    EXPECT_EQ(parentOfDos("C:\\ROMS\\A.SMC"), "C:\\ROMS");
    EXPECT_EQ(parentOfDos("C:\\A.SMC"), "C:\\");
    EXPECT_EQ(fileNameOfDos("C:\\ROMS\\A.SMC"), "A.SMC");
    EXPECT_EQ(fileNameOfDos("A.SMC"), "A.SMC");
}

TEST(DosPaths, LastPathComponent)
{
    EXPECT_EQ(LastPathComponent("C:\\ROMS\\Mario"), "MARIO");
    EXPECT_EQ(LastPathComponent("C:\\ROMS\\"), "");
    EXPECT_EQ(LastPathComponent("mario.smc"), "MARIO.SMC");
    std::string deep;
    for (int i = 0; i < 99; ++i)
        deep += "\\d";
    EXPECT_EQ(LastPathComponent(deep + "\\last"), toUpper(deep + "\\last"));  // the 100th backslash: whole text
    EXPECT_EQ(LastPathComponent(deep), "D");                                  // 99 are still searched
}
