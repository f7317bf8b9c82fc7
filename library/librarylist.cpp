// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/librarylist.h"

#include "library/datmatch.h"

#include <algorithm>
#include <ctime>
#include <numeric>

namespace kivalto {

namespace {

// Less-than on one column; names break ties so the order is stable to the eye.
bool lessIn(LibraryColumn column, const LibraryRow& a, const LibraryRow& b)
{
    switch (column) {
    case LibraryColumn::Favourite:
        if (a.favourite != b.favourite)
            return a.favourite > b.favourite;
        break;
    case LibraryColumn::Name:
        break;
    case LibraryColumn::System:
        if (a.system != b.system)
            return a.system < b.system;
        break;
    case LibraryColumn::Region:
        if (a.region != b.region)
            return a.region < b.region;
        break;
    case LibraryColumn::Status:
        if (a.status != b.status)
            return a.status < b.status;
        break;
    case LibraryColumn::Played:
        if (a.timesPlayed != b.timesPlayed)
            return a.timesPlayed < b.timesPlayed;
        break;
    case LibraryColumn::LastPlayed:
        if (a.lastPlayed != b.lastPlayed)
            return a.lastPlayed < b.lastPlayed;
        break;
    case LibraryColumn::PlayTime:
        if (a.playSeconds != b.playSeconds)
            return a.playSeconds < b.playSeconds;
        break;
    }
    if (a.searchText != b.searchText)  // the folded name comes first
        return a.searchText < b.searchText;
    return a.path < b.path;
}

} // namespace

const char* columnHeading(LibraryColumn column)
{
    switch (column) {
    case LibraryColumn::Favourite: return "Favourite";
    case LibraryColumn::Name: return "Name";
    case LibraryColumn::System: return "System";
    case LibraryColumn::Region: return "Region";
    case LibraryColumn::Status: return "Status";
    case LibraryColumn::Played: return "Played";
    case LibraryColumn::LastPlayed: return "Last Played";
    case LibraryColumn::PlayTime: return "Play Time";
    }
    return "";
}

void LibraryList::setRows(std::vector<LibraryRow> rows)
{
    rows_ = std::move(rows);
    for (LibraryRow& row : rows_)
        row.searchText = searchTextOf(row.name, row.fileName, row.system);
    sortBy(sortColumn_, ascending_);
}

void LibraryList::setFilter(LibraryFilter filter, std::int64_t now)
{
    filter_ = filter;
    now_ = now;
    select();
}

void LibraryList::setSearch(std::string_view text)
{
    words_ = searchWords(text);
    select();
}

void LibraryList::sortBy(LibraryColumn column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        return ascending ? lessIn(column, rows_[a], rows_[b]) : lessIn(column, rows_[b], rows_[a]);
    });
    searchBlock_.clear();
    searchStarts_.clear();
    searchStarts_.reserve(order_.size());
    for (std::size_t index : order_) {
        searchStarts_.push_back(searchBlock_.size());
        searchBlock_ += rows_[index].searchText;
        searchBlock_ += '\0';
    }
    select();
}

bool LibraryList::passesFilter(const LibraryRow& row) const
{
    switch (filter_) {
    case LibraryFilter::All: return true;
    case LibraryFilter::Favourites: return row.favourite;
    case LibraryFilter::RecentlyPlayed: return row.lastPlayed > 0 && now_ - row.lastPlayed <= kRecentDays * 86400;
    case LibraryFilter::NotVerified: return row.status != kStatusVerified;
    }
    return true;
}

void LibraryList::select()
{
    shown_.clear();
    if (words_.empty()) {
        for (std::size_t index : order_)
            if (passesFilter(rows_[index]))
                shown_.push_back(index);
        return;
    }
    // The first word is looked for in the whole block; each row it occurs
    // in is then checked for the other words and the filter.
    const std::string_view block = searchBlock_;
    const std::string& first = words_.front();
    std::size_t at = 0;
    while ((at = block.find(first, at)) != std::string_view::npos) {
        const std::size_t position =
            static_cast<std::size_t>(std::upper_bound(searchStarts_.begin(), searchStarts_.end(), at) - searchStarts_.begin()) - 1;
        const std::size_t start = searchStarts_[position];
        const std::size_t end = block.find('\0', at);
        const std::size_t index = order_[position];
        if (passesFilter(rows_[index]) && matchesAllWords(block.substr(start, end - start), words_))
            shown_.push_back(index);
        at = end + 1;
    }
}

std::string playTimeText(std::int64_t seconds)
{
    if (seconds <= 0)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

std::string lastPlayedText(std::int64_t when)
{
    if (when <= 0)
        return {};
    const std::time_t t = static_cast<std::time_t>(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace kivalto
