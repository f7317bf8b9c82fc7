#include "roms/windows/romscan.h"

#include "app/windows/Snesmain.h"
#include "platform/textfield.h"
#include "roms/romcatalogue.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/scanprogress.h"

namespace kivalto {

void ScanRomDirectory(App& app)
{
    Snesmain& m = *app.Snesmain;
    try {
        m.Dir1->setPath(m.File1->Path());
    } catch (const FileError&) {
        return;
    }
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(m.File1->ListCount()));
    for (int i = 0; i < m.File1->ListCount(); ++i)
        files.push_back(m.File1->List(i));
    std::vector<std::string> folders;
    for (int i = 0; i < m.Dir1->ListCount(); ++i)
        folders.push_back(m.Dir1->List(i));
    const auto host = app.fs.resolveExisting(m.File1->Path());
    std::vector<RomEntry> entries;
    if (host) {
        ScanProgress progress(m, files.size());
        entries = scanRomFolder(*host, files, folders, m.Headerlst,
                                [&progress](std::size_t done) { progress.filesRead(done); });
    }
    const bool cut = scanOverflows(files.size(), folders.size()) && entries.size() == kMaxRomEntries;
    m.romCatalogue->setEntries(std::move(entries));
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
    app.Snesmain->romCatalogue->append(parseStaticList(data->bytes, &cut));
    if (cut || data->cut)
        app.noticeOversize("static.dat");
}

} // namespace kivalto
