// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/playlog.h"

#include "library/libraryindex.h"
#include "library/libraryplaces.h"

namespace kivalto {

namespace fs = std::filesystem;

std::string recordPlayStart(const fs::path& programDir, const fs::path& romPath, std::int64_t now)
{
    const LibraryPlaces places = libraryPlacesIn(programDir);
    std::error_code ec;
    if (!fs::exists(places.libraryFile, ec))
        return {};
    try {
        auto db = LibraryDatabase::open(places.libraryFile);
        const fs::path path = romPath.lexically_normal();
        const auto stamp = stampOf(path);
        if (!stamp)
            return {};
        auto record = db->file(path.string());
        if (!record || !(record->stamp == *stamp)) {
            record = indexFile(path, *stamp, loadDats(places.datFolder));
            LibraryDatabase::Transaction t(*db);
            db->putFile(*record);
            t.commit();
        }
        if (record->system.empty())
            return {};
        const std::string key = romKeyOf(*record);
        LibraryDatabase::Transaction t(*db);
        db->recordPlay(key, now);
        t.commit();
        return key;
    } catch (const std::exception&) {
        return {};  // a launch never fails for its history
    }
}

void recordPlayEnd(const fs::path& programDir, const std::string& romKey, std::int64_t seconds)
{
    const LibraryPlaces places = libraryPlacesIn(programDir);
    std::error_code ec;
    if (romKey.empty() || !fs::exists(places.libraryFile, ec))
        return;
    try {
        auto db = LibraryDatabase::open(places.libraryFile);
        LibraryDatabase::Transaction t(*db);
        db->addPlayTime(romKey, seconds);
        t.commit();
    } catch (const std::exception&) {
    }
}

} // namespace kivalto
