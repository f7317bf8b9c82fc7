// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/presets.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace kivalto {
namespace {

TEST(Presets, NumberTypedIntoTheBoxStaysWithinOneToPPlusOne)
{
    EXPECT_EQ(presetNumber("0", 2), 1);
    EXPECT_EQ(presetNumber("-4", 2), 1);
    EXPECT_EQ(presetNumber("9", 2), 3);
    EXPECT_EQ(presetNumber("99999999999999999999999", 2), 3);
    EXPECT_EQ(presetNumber("2", 2), 2);
    EXPECT_EQ(presetNumber("abc", 2), 1);
    EXPECT_EQ(presetNumber("2x", 2), 1);
    EXPECT_EQ(presetNumber("", 2), 1);
    EXPECT_EQ(presetNumber("5", 0), 1);
}

TEST(Presets, StepsAndTheNextButtonCycle)
{
    EXPECT_EQ(previousPreset(1), 1);
    EXPECT_EQ(previousPreset(3), 2);
    EXPECT_EQ(nextPreset(2, 2), 3);  // the empty slot
    EXPECT_EQ(nextPreset(3, 2), 3);
    EXPECT_EQ(cyclePreset(1, 2), 2);
    EXPECT_EQ(cyclePreset(2, 2), 1);
    EXPECT_EQ(cyclePreset(3, 2), 1);
    EXPECT_EQ(cyclePreset(1, 0), 1);
}

TEST(Presets, StoreReplacesOrAppendsAndTheFileRoundTrips)
{
    std::vector<std::string> presets{"C:\\A", "C:\\B"};
    storePreset(presets, 2, "C:\\C");
    EXPECT_EQ(presets, (std::vector<std::string>{"C:\\A", "C:\\C"}));
    storePreset(presets, 3, "D:\\");
    EXPECT_EQ(presetsBytes(presets), "C:\\A\r\nC:\\C\r\nD:\\\r\n");
    EXPECT_THROW(storePreset(presets, 5, "C:\\X"), std::out_of_range);
    EXPECT_EQ(parsePresets("C:\\A\r\nC:\\ROMS,NEW\r\n"), (std::vector<std::string>{"C:\\A", "C:\\ROMS", "NEW"}));
    EXPECT_TRUE(parsePresets("").empty());
}

} // namespace
} // namespace kivalto
