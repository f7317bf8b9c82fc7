// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/windows/romscan.h"

#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "platform/dospath.h"
#include "platform/textfield.h"
#include "roms/romcatalogue.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/scanprogress.h"

namespace kivalto {

void ScanRomDirectory(App& app)
{
    Snesmain& m = *app.Snesmain;
    const std::string folder = app.fs.absolute(app.selection.romFolder());
    if (!app.fs.folderExists(folder))
        return;
    const std::vector<std::string> files = m.romFiles();
    std::vector<std::string>& folders = app.selection.subFolders;
    folders.clear();
    for (const std::string& name : app.fs.listFolders(folder))
        folders.push_back(joinDos(folder, name));
    const auto host = app.fs.resolveExisting(folder);
    std::vector<RomEntry> entries;
    if (host) {
        ScanProgress progress(m, m.catalogue(), files.size());
        entries = scanRomFolder(*host, files, folders, app.selection.headerPositions,
                                [&progress](std::size_t done) { progress.filesRead(done); });
    }
    const bool cut = scanOverflows(files.size(), folders.size()) && entries.size() == kMaxRomEntries;
    m.catalogue().setEntries(std::move(entries));
    if (cut)
        app.notice("This folder holds more entries than the ROM list can show: only the first 32 767 entries are "
                   "listed.");
}

void LoadStaticRomList(App& app)
{
    const auto data = app.fs.readText("static.dat", kMaxTextFileBytes);
    if (!data) {
        app.showError("The saved ROM list static.dat could not be read, so the ROM list is empty. "
                      "Switch on Dynamic ROMs in the Config menu to list the ROM directory again.");
        return;
    }
    bool cut = false;
    app.Snesmain->catalogue().append(parseStaticList(data->bytes, &cut));
    if (cut || data->cut)
        app.noticeOversize("static.dat");
}

} // namespace kivalto
