// SPDX-License-Identifier: GPL-3.0-or-later
// Finding ROMs as the user types: every word of the search must occur in
// the ROM's name, file name or system, in any order, without regard to
// case or accents.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// Lower case, with the accents of Latin letters removed ("Pokémon" gives
// "pokemon", "Straße" gives "strasse"); other bytes stay as they are.
std::string foldForSearch(std::string_view text);

// The folded words of a search text, split at blanks.
std::vector<std::string> searchWords(std::string_view text);

// The text one ROM is searched in.
std::string searchTextOf(std::string_view name, std::string_view fileName, std::string_view system);

bool matchesAllWords(std::string_view searchText, const std::vector<std::string>& words);

enum class LibraryFilter { All, Favourites, RecentlyPlayed, NotVerified };

// "All", "Favourites", "Recently Played", "Not Verified".
const char* filterText(LibraryFilter filter);

// "Recently Played" means played within this many days.
inline constexpr long long kRecentDays = 30;

} // namespace kivalto
