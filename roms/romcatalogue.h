// SPDX-License-Identifier: GPL-3.0-or-later
// The title list of the main window: one entry per ROM file of the ROM
// directory, then one per sub-folder, then "UP". Entry p (from 1) belongs
// to file-list entry p - 1; the windows tell ROM entries from the others
// by comparing the position with the file list's count.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// Icon kinds: indexes of the main window's image list.
inline constexpr int kRomIcon = 10;
inline constexpr int kFolderIcon = 11;
inline constexpr int kUpIcon = 12;

// Positions and counts of the lists are 16-bit signed numbers.
inline constexpr std::size_t kMaxRomEntries = 32767;

inline constexpr std::string_view kUpEntry = "UP";

struct RomEntry {
    std::string text;
    int icon = kRomIcon;
    bool operator==(const RomEntry&) const = default;
};

// Scans the listed ROM files of a host folder, then adds the sub-folders
// (by their upper-cased names) and "UP". A file that cannot be opened or
// read ends the scan where it is: no further files, folders or "UP". The
// list stops in the same way when it is full (kMaxRomEntries), so that the
// position rule between the two lists still holds. filesRead, when given,
// is told the count of files read after each file.
std::vector<RomEntry> scanRomFolder(const std::filesystem::path& hostFolder, const std::vector<std::string>& files,
                                    const std::vector<std::string>& folderPaths,
                                    const std::vector<std::string>& headerPositions,
                                    const std::function<void(std::size_t)>& filesRead = {});
// True when a scan of that many files and folders cannot list them all.
inline bool scanOverflows(std::size_t files, std::size_t folders) { return files + folders + 1 > kMaxRomEntries; }

// static.dat: one entry text per CR LF line; read back field by field,
// every entry with the ROM icon, at most kMaxRomEntries.
std::string staticListBytes(const std::vector<RomEntry>& entries);
// At most kMaxRomEntries entries of kMaxFieldBytes each; `cut`, when
// given, tells whether the file held more.
std::vector<RomEntry> parseStaticList(std::string_view bytes, bool* cut = nullptr);

// longrom.txt: for each entry p, file-list entry p - 1 (empty beyond the
// file list), " = ", the entry's text, CR LF.
std::string romNamesBytes(const std::vector<std::string>& files, const std::vector<RomEntry>& entries);

// The selected-ROM text: "NAME (TITLE)".
std::string romNameText(std::string_view fileName, std::string_view title);

// The name up to and including its first dot; empty without a dot.
std::string snapshotBase(std::string_view romFileName);

// Folder reached from a folder entry of the title list.
std::string subFolderOf(std::string_view folder, std::string_view entryText);
// Folder reached by "UP": the last component removed (C:\ROMS\SNES gives
// C:\ROMS\); a drive root stays as it is.
std::string upFolderOf(std::string_view folder);

} // namespace kivalto
