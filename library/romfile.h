// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a library entry: a plain ROM file, or the ROM inside a ZIP (its
// first member with a ROM extension, the one the native road unpacks) or
// a GZip file (by the name it keeps, else its own name without ".gz").
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kivalto {

// More than any cartridge of the seven systems; a larger file or member is
// listed by name but not read.
inline constexpr std::uint64_t kMaxRomBytes = std::uint64_t(64) << 20;

struct RomFile {
    std::string system;     // "" when the file is no library entry
    std::string dataName;   // the file's own name, or the member's
    std::string bytes;      // the ROM file (or member) as stored
    std::string problem;    // why the bytes could not be read; the entry is still listed
};

// Reads `path` into `out`, reusing its buffer. A plain file whose name has
// no ROM extension is rejected without being opened.
void readRomFile(const std::filesystem::path& path, RomFile& out);

// Whether a file name can be a library entry at all (ROM extension, ZIP
// or GZ); the folder walk opens nothing else.
bool mayBeRomFile(const std::string& fileName);

} // namespace kivalto
