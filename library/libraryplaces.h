// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Library lives and what it lists: library.db and the DAT folder
// in Kivalto's folder; the library folders are the ROM folder of
// paths.dat, every folder of presets.dat and the folders added in the
// Library (kept in library.db, never in presets.dat).
#pragma once

#include "platform/dosfs.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kivalto {

struct LibraryPlaces {
    std::filesystem::path programDir;
    std::filesystem::path libraryFile;
    std::filesystem::path datFolder;
};

// Kivalto's folder is the current directory of `fs`.
LibraryPlaces libraryPlaces(const DosFs& fs);
LibraryPlaces libraryPlacesIn(const std::filesystem::path& programDir);

// The folders to index, each once, those that do not exist left out;
// `added` are host paths.
std::vector<std::filesystem::path> libraryFolders(const DosFs& fs, const std::vector<std::string>& added);

} // namespace kivalto
