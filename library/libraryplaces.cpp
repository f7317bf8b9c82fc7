// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/libraryplaces.h"

#include "app/pathsettings.h"
#include "library/libraryindex.h"
#include "library/librarydb.h"
#include "platform/textfield.h"
#include "roms/presets.h"

#include <algorithm>

namespace kivalto {

namespace fs = std::filesystem;

LibraryPlaces libraryPlacesIn(const fs::path& programDir)
{
    return {programDir, programDir / kLibraryFileName, programDir / kDatFolderName};
}

LibraryPlaces libraryPlaces(const DosFs& dos)
{
    const auto dir = dos.resolveExisting(dos.currentDir());
    return libraryPlacesIn(dir ? *dir : fs::current_path());
}

std::vector<fs::path> libraryFolders(const DosFs& dos, const std::vector<std::string>& added)
{
    std::vector<fs::path> out;
    const auto add = [&](const fs::path& p) {
        std::error_code ec;
        if (p.empty() || !fs::is_directory(p, ec))
            return;
        const fs::path normal = p.lexically_normal();
        if (std::find(out.begin(), out.end(), normal) == out.end())
            out.push_back(normal);
    };
    const auto addDos = [&](const std::string& dosPath) {
        if (!dosPath.empty())
            if (const auto host = dos.resolveExisting(dosPath))
                add(*host);
    };
    if (const auto paths = dos.readText("paths.dat", kMaxTextFileBytes))
        addDos(readPathsFile(paths->bytes).values[static_cast<int>(PathField::ROMPath)]);
    if (const auto presets = dos.readText("presets.dat", kMaxTextFileBytes))
        for (const std::string& preset : parsePresets(presets->bytes))
            addDos(preset);
    for (const std::string& folder : added)
        add(folder);
    return out;
}

} // namespace kivalto
