// SPDX-License-Identifier: GPL-3.0-or-later
// The Library's rows in memory and the part of them the window shows:
// the filter choice and the search select, a column sorts. The window's
// table model only reads from here.
#pragma once

#include "library/librarysearch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kivalto {

struct LibraryRow {
    std::string path;      // host path of the file
    std::string fileName;  // its last component
    std::string system;    // the plugin tree's name ("SNES", ...)
    std::string name;
    std::string region;
    std::string revision;
    std::string status;    // "Verified", "Bad Dump" or "Unknown"
    std::string romKey;    // the history's key (the SHA-1 of the ROM data)
    std::uint64_t size = 0;
    bool favourite = false;
    std::int64_t timesPlayed = 0;
    std::int64_t lastPlayed = 0;   // seconds since the epoch; 0: never
    std::int64_t playSeconds = 0;
    std::string searchText;        // filled by LibraryList
};

enum class LibraryColumn { Favourite, Name, System, Region, Status, Played, LastPlayed, PlayTime };
inline constexpr int kLibraryColumnCount = 8;

// "Name", "System", ...; the favourite mark's column is headed "Favourite".
const char* columnHeading(LibraryColumn column);

class LibraryList {
public:
    void setRows(std::vector<LibraryRow> rows);
    // `now` decides what counts as recently played.
    void setFilter(LibraryFilter filter, std::int64_t now);
    void setSearch(std::string_view text);
    void sortBy(LibraryColumn column, bool ascending);

    // The rows shown, in order, as indices into rows().
    const std::vector<std::size_t>& shown() const { return shown_; }
    const std::vector<LibraryRow>& rows() const { return rows_; }
    LibraryRow& row(std::size_t index) { return rows_[index]; }
    // Re-applies search and filter after a row changed.
    void refresh() { select(); }

private:
    bool passesFilter(const LibraryRow& row) const;
    void select();

    std::vector<LibraryRow> rows_;
    std::vector<std::size_t> order_;  // every row, in the sort order
    // The rows' search texts in sort order, one after the other, each
    // ended by a zero byte: one pass over it serves a keystroke, without
    // a trip to each row in memory.
    std::string searchBlock_;
    std::vector<std::size_t> searchStarts_;  // where each row's text starts
    std::vector<std::size_t> shown_;
    std::vector<std::string> words_;
    LibraryFilter filter_ = LibraryFilter::All;
    std::int64_t now_ = 0;
    LibraryColumn sortColumn_ = LibraryColumn::Name;
    bool ascending_ = true;
};

// The texts of the columns that are not plain text: "3:07:05" for a play
// time, "2026-12-09 06:30" (local time) for the last play, "" for never.
std::string playTimeText(std::int64_t seconds);
std::string lastPlayedText(std::int64_t when);

} // namespace kivalto
