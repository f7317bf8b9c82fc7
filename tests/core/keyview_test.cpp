// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/keyview.h"

#include <gtest/gtest.h>
#include <utility>

using namespace kivalto;

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
