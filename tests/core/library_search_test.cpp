// SPDX-License-Identifier: GPL-3.0-or-later
// Finding ROMs as the user types, the filter choices and the sort order.
#include "library/datmatch.h"
#include "library/librarylist.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {

TEST(LibrarySearch, FoldsCaseAndAccents)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Super MARIO", "super mario"},
        {"Pok\xc3\xa9" "mon", "pokemon"},
        {"\xc3\x80\xc3\x89\xc3\x8e\xc3\x95\xc3\x9c\xc3\x87\xc3\x91", "aeioucn"},
        {"Stra\xc3\x9f" "e", "strasse"},
        {"\xc3\x86" "on \xc5\x92" "uvre", "aeon oeuvre"},
        {"\xc5\x81\xc3\xb3" "d\xc5\xba", "lodz"},
        {"2\xc3\x97" "3", "2\xc3\x97" "3"},         // the multiplication sign stays
        {"\xe3\x83\x9e\xe3\x83\xaa\xe3\x82\xaa", "\xe3\x83\x9e\xe3\x83\xaa\xe3\x82\xaa"},  // kana stay
        {"cut \xc3", "cut \xc3"},                   // a sequence cut short stays
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(foldForSearch(text), folded) << text;
}

TEST(LibrarySearch, EveryWordMustOccurInTheNameFileNameOrSystem)
{
    const std::string rom = searchTextOf("Pok\xc3\xa9" "mon Red (USA)", "pkmn_red.gb", "GAMEBOY");
    struct Case {
        const char* search;
        bool found;
    };
    const std::vector<Case> cases = {
        {"", true},          {"pokemon", true},    {"red pokemon", true},  {"POKÉMON", true},
        {"  red   usa ", true}, {"pkmn", true},     {"gameboy red", true},  {"blue", false},
        {"pokemon blue", false}, {"redpkmn", false}, {"usapkmn", false},    {"mon red", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesAllWords(rom, searchWords(c.search)), c.found) << c.search;
}

std::vector<std::string> shownNames(const LibraryList& list)
{
    std::vector<std::string> out;
    for (std::size_t i : list.shown())
        out.push_back(list.rows()[i].name);
    return out;
}

LibraryRow row(std::string name, std::string system, std::string status, bool favourite, std::int64_t played,
               std::int64_t lastPlayed)
{
    LibraryRow r;
    r.name = std::move(name);
    r.fileName = r.name + ".rom";
    r.path = "/roms/" + r.fileName;
    r.system = std::move(system);
    r.status = std::move(status);
    r.favourite = favourite;
    r.timesPlayed = played;
    r.lastPlayed = lastPlayed;
    r.playSeconds = played * 60;
    return r;
}

class LibraryListTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kNow = 2000000000;
    LibraryListTest()
    {
        list.setRows({row("Zelda", "SNES", kStatusVerified, true, 5, kNow - 3600),
                      row("alpha", "NES", kStatusUnknown, false, 0, 0),
                      row("Mario", "SNES", kStatusBadDump, true, 2, kNow - 40 * 86400),
                      row("Sonic", "MEGA DRIVE", kStatusVerified, false, 1, kNow - 86400)});
    }
    LibraryList list;
};

TEST_F(LibraryListTest, FilterChoicesSelectRows)
{
    struct Case {
        LibraryFilter filter;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {LibraryFilter::All, {"alpha", "Mario", "Sonic", "Zelda"}},
        {LibraryFilter::Favourites, {"Mario", "Zelda"}},
        {LibraryFilter::RecentlyPlayed, {"Sonic", "Zelda"}},
        {LibraryFilter::NotVerified, {"alpha", "Mario"}},
    };
    for (const Case& c : cases) {
        list.setFilter(c.filter, kNow);
        EXPECT_EQ(shownNames(list), c.names) << filterText(c.filter);
    }
    list.setFilter(LibraryFilter::Favourites, kNow);
    list.setSearch("snes ma");
    EXPECT_EQ(shownNames(list), std::vector<std::string>{"Mario"});
}

TEST_F(LibraryListTest, EveryColumnSortsBothWays)
{
    struct Case {
        LibraryColumn column;
        std::vector<std::string> ascending;
    };
    const std::vector<Case> cases = {
        {LibraryColumn::Name, {"alpha", "Mario", "Sonic", "Zelda"}},
        {LibraryColumn::Favourite, {"Mario", "Zelda", "alpha", "Sonic"}},
        {LibraryColumn::System, {"Sonic", "alpha", "Mario", "Zelda"}},
        {LibraryColumn::Status, {"Mario", "alpha", "Sonic", "Zelda"}},
        {LibraryColumn::Played, {"alpha", "Sonic", "Mario", "Zelda"}},
        {LibraryColumn::LastPlayed, {"alpha", "Mario", "Sonic", "Zelda"}},
        {LibraryColumn::PlayTime, {"alpha", "Sonic", "Mario", "Zelda"}},
    };
    for (const Case& c : cases) {
        list.sortBy(c.column, true);
        EXPECT_EQ(shownNames(list), c.ascending) << columnHeading(c.column);
        list.sortBy(c.column, false);
        EXPECT_EQ(shownNames(list), std::vector<std::string>(c.ascending.rbegin(), c.ascending.rend()))
            << columnHeading(c.column);
    }
}

TEST(LibraryTexts, PlayTimeAndNeverPlayed)
{
    EXPECT_EQ(playTimeText(0), "");
    EXPECT_EQ(playTimeText(59), "0:00:59");
    EXPECT_EQ(playTimeText(3 * 3600 + 7 * 60 + 5), "3:07:05");
    EXPECT_EQ(playTimeText(125 * 3600), "125:00:00");
    EXPECT_EQ(lastPlayedText(0), "");
    EXPECT_EQ(lastPlayedText(86400 * 365).size(), 16u);
}

} // namespace
