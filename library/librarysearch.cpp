// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/librarysearch.h"

#include <cstdint>

namespace kivalto {

namespace {

// The base letter of each code point from U+00C0 to U+017F: '?' marks the
// ligatures (spelt out below), '*' a sign that stays as it is.
constexpr std::string_view kLatinBase =
    "aaaaaa?ceeeeiiiidnooooo*ouuuuy*?"   // U+00C0..U+00DF
    "aaaaaa?ceeeeiiiidnooooo*ouuuuy*y"   // U+00E0..U+00FF
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii??jjkkk"  // U+0100..U+0138
    "llllllllllnnnnnnnnnoooooo??rrrrrrsssssssstttttt"            // U+0139..U+0167
    "uuuuuuuuuuuuwwyyyzzzzzzs";                                   // U+0168..U+017F

std::string_view ligature(std::uint32_t cp)
{
    switch (cp) {
    case 0xC6: case 0xE6: return "ae";
    case 0xDF: return "ss";
    case 0x132: case 0x133: return "ij";
    case 0x152: case 0x153: return "oe";
    default: return {};
    }
}

} // namespace

std::string foldForSearch(std::string_view text)
{
    static_assert(kLatinBase.size() == 0x180 - 0xC0);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c));
            continue;
        }
        // A two-byte UTF-8 sequence in the Latin range.
        if (c >= 0xC3 && c <= 0xC5 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const std::uint32_t cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            const char base = cp >= 0xC0 ? kLatinBase[cp - 0xC0] : '*';
            if (base == '?') {
                out += ligature(cp);
                ++i;
                continue;
            }
            if (base != '*') {
                out.push_back(base);
                ++i;
                continue;
            }
        }
        out.push_back(static_cast<char>(c));
    }
    return out;
}

std::vector<std::string> searchWords(std::string_view text)
{
    std::vector<std::string> words;
    const std::string folded = foldForSearch(text);
    std::size_t at = 0;
    while (at < folded.size()) {
        const std::size_t start = folded.find_first_not_of(" \t", at);
        if (start == std::string::npos)
            break;
        std::size_t end = folded.find_first_of(" \t", start);
        if (end == std::string::npos)
            end = folded.size();
        words.push_back(folded.substr(start, end - start));
        at = end;
    }
    return words;
}

std::string searchTextOf(std::string_view name, std::string_view fileName, std::string_view system)
{
    // A separator no typed word holds keeps words from matching across fields.
    return foldForSearch(name) + '\n' + foldForSearch(fileName) + '\n' + foldForSearch(system);
}

bool matchesAllWords(std::string_view searchText, const std::vector<std::string>& words)
{
    for (const std::string& word : words)
        if (searchText.find(word) == std::string_view::npos)
            return false;
    return true;
}

const char* filterText(LibraryFilter filter)
{
    switch (filter) {
    case LibraryFilter::All: return "All";
    case LibraryFilter::Favourites: return "Favourites";
    case LibraryFilter::RecentlyPlayed: return "Recently Played";
    case LibraryFilter::NotVerified: return "Not Verified";
    }
    return "All";
}

} // namespace kivalto
