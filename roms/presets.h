// SPDX-License-Identifier: GPL-3.0-or-later
// ROM directory presets: the numbered directories of presets.dat and the
// rules for the preset number n, which runs from 1 to P + 1 (the empty
// slot for a new preset), P being the number of presets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// The preset number for the text of the preset box: text that is not a
// whole number, or a number below 1, gives 1; above P + 1 gives P + 1.
int presetNumber(std::string_view text, int presetCount);
// One back, not below 1.
int previousPreset(int n);
// One forward, not beyond the empty slot P + 1.
int nextPreset(int n, int presetCount);
// The Next button: one forward, wrapping from the empty slot to 1.
int cyclePreset(int n, int presetCount);

// Stores `path` as preset n: replaces it when n <= P, appends when n = P + 1.
void storePreset(std::vector<std::string>& presets, int n, std::string path);

// presets.dat: one path per CR LF line; read back field by field, so a
// path with a comma becomes two presets.
std::string presetsBytes(const std::vector<std::string>& presets);
// At most kMaxListEntries presets of kMaxFieldBytes each; `cut`, when
// given, tells whether the file held more.
std::vector<std::string> parsePresets(std::string_view bytes, bool* cut = nullptr);

} // namespace kivalto
