// SPDX-License-Identifier: GPL-3.0-or-later
// lookup.dat: the PC keyboard scan code of each key name character.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kivalto {

constexpr int kScanCodeCount = 94;

// Entry c is the scan code of the key named by the character with code c.
// Only letters (main keys) and digits (numeric keypad keys) are used.
struct ScanCodeTable {
    std::array<std::int16_t, kScanCodeCount> codes{};
};

// Reads the 94 integers of lookup.dat, comma- or line-separated, with the
// common field reader. Reading stops at the end of the data or at a field
// that is not a 16-bit integer (one longer than kMaxFieldBytes is none);
// entries not read stay 0. True only when all 94 entries were read.
bool readScanCodeTable(std::string_view data, ScanCodeTable& table);

// The scan code a key box stands for: that of its first character. Only a
// box starting with "A".."Z" or "0".."9" whose scan code has exactly two
// decimal digits gives a code; anything else cannot be written into the
// emulators' fixed-width records.
std::optional<int> scanCodeOfKey(const ScanCodeTable& table, std::string_view key);

} // namespace kivalto
