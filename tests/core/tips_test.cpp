// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tips.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(TipLines, SplitsOnEveryLineEndAndKeepsEmptyLines)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(splitTipLines("one\r\ntwo\r\n\r\nfour\r\n"), (V{"one", "two", "", "four"}));
    EXPECT_EQ(splitTipLines("a\nb\rc"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitTipLines("last without end"), (V{"last without end"}));
    EXPECT_EQ(splitTipLines("\r\n"), (V{""}));
    EXPECT_TRUE(splitTipLines("").empty());
}

TEST(TipLines, KeepsBytesAsTheyAre)
{
    EXPECT_EQ(splitTipLines("caf\xe9, \"x\"\r\n").front(), "caf\xe9, \"x\"");
}

TEST(TipRound, CyclesInFileOrder)
{
    TipRound r;
    r.setTips({"1", "2", "3"});
    std::string seen;
    for (int i = 0; i < 5; ++i)
        seen += *r.next();
    EXPECT_EQ(seen, "12312");
    EXPECT_EQ(r.current(), 2u);
}

TEST(TipRound, NoTipsShowsNothing)
{
    TipRound r;
    EXPECT_EQ(r.next(), nullptr);
    EXPECT_EQ(r.next(), nullptr);
}

TEST(TipTexts, MissingFileTextIsExact)
{
    EXPECT_EQ(missingTipsText(),
              "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT using "
              "NotePad with 1 tip per line. Then place it in the same directory as the application. ");
}

TEST(TipTexts, StoredOptionIsAWholeNumber)
{
    EXPECT_FALSE(tipsShownAtStartup("0"));
    EXPECT_FALSE(tipsShownAtStartup(" 0 "));
    EXPECT_TRUE(tipsShownAtStartup("1"));
    EXPECT_TRUE(tipsShownAtStartup("-1"));
    EXPECT_TRUE(tipsShownAtStartup("junk"));
    EXPECT_TRUE(tipsShownAtStartup(""));
}
