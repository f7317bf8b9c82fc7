// SPDX-License-Identifier: GPL-3.0-or-later
// Play history for launches, once a library exists: a launch records one
// more play and the time of it under the ROM's key, found by the ROM's
// path; the end of a native run adds its play time. Without library.db a
// launch writes nothing.
//
// Both calls may read and hash the ROM (a file new or changed since the
// last index) and they write library.db: run them off the UI thread, the
// start after the emulator has been started. Neither throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kivalto {

// Returns the ROM's key for recordPlayEnd; "" when nothing was recorded
// (no library, or the file is no library entry).
std::string recordPlayStart(const std::filesystem::path& programDir, const std::filesystem::path& romPath,
                            std::int64_t now);

// Adds a run's play time; a run whose end is not seen simply never calls it.
void recordPlayEnd(const std::filesystem::path& programDir, const std::string& romKey, std::int64_t seconds);

} // namespace kivalto
