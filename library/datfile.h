// SPDX-License-Identifier: GPL-3.0-or-later
// DAT files in Logiqx XML (games, each with the sizes and hashes of its
// ROMs), read as a stream. DATs come from strangers: a malformed one gives
// one message naming the file and line, and the entries read before the
// fault still count.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

inline constexpr std::uint64_t kMaxDatBytes = std::uint64_t(256) << 20;

struct DatRom {
    std::string game;  // the game's name, which names the ROM in the library
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    std::string sha1;  // lower-case hexadecimal, or "" when the DAT gives none
    bool badDump = false;  // status="baddump"
};

struct DatFile {
    std::vector<DatRom> roms;
    std::string problem;  // "<file>: line <n>: <what>", or ""
};

// Parses a DAT held in memory; `displayName` names it in the message.
DatFile parseDat(std::string_view bytes, const std::string& displayName);

// Reads a DAT file in chunks; one over kMaxDatBytes is refused whole.
DatFile readDatFile(const std::filesystem::path& path);

} // namespace kivalto
