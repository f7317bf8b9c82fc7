// SPDX-License-Identifier: GPL-3.0-or-later
// Verifying ROMs against the DATs: a ROM matches an entry of the same size
// and CRC32, confirmed by SHA-1 where the DAT has one. The entry's game
// name names the ROM; its region and revision come from that name.
#pragma once

#include "library/datfile.h"
#include "library/romdigest.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kivalto {

inline constexpr const char* kStatusVerified = "Verified";
inline constexpr const char* kStatusBadDump = "Bad Dump";
inline constexpr const char* kStatusUnknown = "Unknown";

class DatIndex {
public:
    void add(std::vector<DatRom> roms);
    // The matching entry, or nullptr.
    const DatRom* match(const RomDigest& digest) const;
    std::size_t size() const { return roms_.size(); }

private:
    std::vector<DatRom> roms_;
    std::unordered_multimap<std::uint64_t, std::size_t> bySizeAndCrc_;
};

struct RomNaming {
    std::string name;
    std::string region;
    std::string revision;
    std::string status;
};

// The naming of a ROM: from its DAT entry when it has one, else "Unknown"
// under `unknownName` (its header title or file name).
RomNaming namingOf(const DatRom* entry, const std::string& unknownName);

// From a No-Intro or GoodTools style name: "Game (USA, Europe) (Rev 1)"
// gives "USA, Europe" and "Rev 1"; "Game (U) [!]" gives "USA".
std::string regionOfName(std::string_view name);
std::string revisionOfName(std::string_view name);
// "[b]" or "[b1]"... marks a bad dump in a name.
bool hasBadDumpMark(std::string_view name);

} // namespace kivalto
