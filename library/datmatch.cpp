// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/datmatch.h"

#include <algorithm>
#include <array>

namespace kivalto {

namespace {

std::uint64_t key(std::uint64_t size, std::uint32_t crc) { return size * 0x9e3779b97f4a7c15ull ^ crc; }

// The texts in round brackets, in order.
std::vector<std::string_view> bracketGroups(std::string_view name)
{
    std::vector<std::string_view> groups;
    std::size_t at = 0;
    while ((at = name.find('(', at)) != std::string_view::npos) {
        const std::size_t close = name.find(')', at);
        if (close == std::string_view::npos)
            break;
        groups.push_back(name.substr(at + 1, close - at - 1));
        at = close + 1;
    }
    return groups;
}

constexpr std::array<std::string_view, 30> kRegions = {
    "World",  "USA",       "Europe", "Japan",   "Asia",      "Australia", "Brazil",   "Canada",
    "China",  "France",    "Germany", "Hong Kong", "Italy",   "Korea",     "Netherlands", "Spain",
    "Sweden", "Taiwan",    "UK",     "Russia",  "Scandinavia", "Denmark", "Finland",  "Greece",
    "Norway", "Portugal",  "Mexico", "Argentina", "Latin America", "Unknown",
};

// GoodTools' one-letter codes, each expanded.
constexpr std::array<std::pair<char, std::string_view>, 12> kRegionCodes = {{
    {'U', "USA"}, {'E', "Europe"}, {'J', "Japan"}, {'W', "World"}, {'A', "Australia"}, {'B', "Brazil"},
    {'K', "Korea"}, {'C', "China"}, {'F', "France"}, {'G', "Germany"}, {'S', "Spain"}, {'I', "Italy"},
}};

bool isRegionList(std::string_view group)
{
    std::size_t at = 0;
    while (at <= group.size()) {
        std::size_t comma = group.find(',', at);
        if (comma == std::string_view::npos)
            comma = group.size();
        std::string_view word = group.substr(at, comma - at);
        while (!word.empty() && word.front() == ' ')
            word.remove_prefix(1);
        if (std::find(kRegions.begin(), kRegions.end(), word) == kRegions.end())
            return false;
        at = comma + 1;
    }
    return !group.empty();
}

std::string expandRegionCodes(std::string_view group)
{
    if (group.empty() || group.size() > 4)
        return {};
    std::string out;
    for (char c : group) {
        const auto it = std::find_if(kRegionCodes.begin(), kRegionCodes.end(), [c](auto& p) { return p.first == c; });
        if (it == kRegionCodes.end())
            return {};
        out += (out.empty() ? "" : ", ") + std::string(it->second);
    }
    return out;
}

} // namespace

bool hasBadDumpMark(std::string_view name)
{
    // "[b]", and GoodTools' numbered "[b1]", "[b2]"...
    for (std::size_t at = 0; (at = name.find("[b", at)) != std::string_view::npos; ++at) {
        std::size_t end = at + 2;
        while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end])))
            ++end;
        if (end < name.size() && name[end] == ']')
            return true;
    }
    return false;
}

void DatIndex::add(std::vector<DatRom> roms)
{
    roms_.reserve(roms_.size() + roms.size());
    for (DatRom& rom : roms) {
        bySizeAndCrc_.emplace(key(rom.size, rom.crc32), roms_.size());
        roms_.push_back(std::move(rom));
    }
}

const DatRom* DatIndex::match(const RomDigest& digest) const
{
    const auto [first, last] = bySizeAndCrc_.equal_range(key(digest.size, digest.crc32));
    for (auto it = first; it != last; ++it) {
        const DatRom& rom = roms_[it->second];
        if (rom.size == digest.size && rom.crc32 == digest.crc32 && (rom.sha1.empty() || rom.sha1 == digest.sha1))
            return &rom;
    }
    return nullptr;
}

std::string regionOfName(std::string_view name)
{
    for (std::string_view group : bracketGroups(name)) {
        if (isRegionList(group))
            return std::string(group);
        if (std::string codes = expandRegionCodes(group); !codes.empty())
            return codes;
    }
    return {};
}

std::string revisionOfName(std::string_view name)
{
    for (std::string_view group : bracketGroups(name)) {
        if (group.starts_with("Rev ") && group.size() > 4)
            return std::string(group);
        if (group.size() > 1 && group[0] == 'v' && std::isdigit(static_cast<unsigned char>(group[1])))
            return std::string(group);
        if (group.starts_with("PRG") && group.size() > 3 && std::isdigit(static_cast<unsigned char>(group[3])))
            return std::string(group);
    }
    return {};
}

RomNaming namingOf(const DatRom* entry, const std::string& unknownName)
{
    if (!entry)
        return {unknownName, {}, {}, kStatusUnknown};
    RomNaming n{entry->game, regionOfName(entry->game), revisionOfName(entry->game), kStatusVerified};
    if (entry->badDump || hasBadDumpMark(entry->game))
        n.status = kStatusBadDump;
    return n;
}

} // namespace kivalto
