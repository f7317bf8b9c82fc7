// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/scancodes.h"

#include <gtest/gtest.h>
#include <string>

using namespace kivalto;

namespace {

// lookup.dat text: entry i = value(i), one per line.
template <typename F>
std::string lookupText(int count, F value)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += std::to_string(value(i)) + "\r\n";
    return out;
}

} // namespace

TEST(ScanCodeTable, ReadsAll94EntriesOverCommasAndLines)
{
    std::string text = "0";
    for (int i = 1; i < kScanCodeCount; ++i)
        text += (i % 10 == 0 ? "\r\n" : ", ") + std::to_string(i);
    ScanCodeTable table;
    ASSERT_TRUE(readScanCodeTable(text, table));
    EXPECT_EQ(table.codes[0], 0);
    EXPECT_EQ(table.codes[65], 65);
    EXPECT_EQ(table.codes[93], 93);
}

TEST(ScanCodeTable, ShortOrBadFileKeepsWhatWasReadAndLeavesTheRestZero)
{
    ScanCodeTable shortTable;
    EXPECT_FALSE(readScanCodeTable(lookupText(50, [](int i) { return i + 1; }), shortTable));
    EXPECT_EQ(shortTable.codes[49], 50);
    EXPECT_EQ(shortTable.codes[50], 0);

    ScanCodeTable badTable;
    EXPECT_FALSE(readScanCodeTable("11\r\n12\r\nX\r\n14\r\n", badTable));
    EXPECT_EQ(badTable.codes[1], 12);
    EXPECT_EQ(badTable.codes[2], 0);
    EXPECT_EQ(badTable.codes[3], 0);

    ScanCodeTable overflow;
    EXPECT_FALSE(readScanCodeTable("40000\r\n", overflow));
    EXPECT_EQ(overflow.codes[0], 0);

    ScanCodeTable empty;
    EXPECT_FALSE(readScanCodeTable("", empty));
}

TEST(ScanCodeTable, KeyCodeIsThatOfTheFirstLetterOrDigitWithTwoDigits)
{
    ScanCodeTable table;
    ASSERT_TRUE(readScanCodeTable(lookupText(kScanCodeCount, [](int i) { return i; }), table));
    table.codes['A'] = 30;
    table.codes['8'] = 72;
    table.codes['B'] = 9;    // one digit
    table.codes['C'] = 100;  // three digits
    table.codes['D'] = -12;
    EXPECT_EQ(scanCodeOfKey(table, "A"), 30);
    EXPECT_EQ(scanCodeOfKey(table, "AB"), 30);
    EXPECT_EQ(scanCodeOfKey(table, "8"), 72);
    EXPECT_EQ(scanCodeOfKey(table, ""), std::nullopt);
    EXPECT_EQ(scanCodeOfKey(table, "a"), std::nullopt);  // boxes are upper-cased first
    EXPECT_EQ(scanCodeOfKey(table, "-"), std::nullopt);  // code 45 is in the table but not a key name
    EXPECT_EQ(scanCodeOfKey(table, " A"), std::nullopt);
    EXPECT_EQ(scanCodeOfKey(table, "\xE9"), std::nullopt);
    EXPECT_EQ(scanCodeOfKey(table, "B"), std::nullopt);
    EXPECT_EQ(scanCodeOfKey(table, "C"), std::nullopt);
    EXPECT_EQ(scanCodeOfKey(table, "D"), std::nullopt);
}
