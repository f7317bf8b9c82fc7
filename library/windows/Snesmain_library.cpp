// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of the ROM Library: the menu item that opens it, and
// taking the main window to a Library ROM with what the window already
// does (open the folder, select a plugin, click the ROM, load its settings).
#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "launch/romsettings.h"
#include "library/romdestination.h"
#include "library/windows/librarywindow.h"

#include <QAction>
#include <QPushButton>
#include <cstdlib>

namespace kivalto {

namespace {

constexpr const char* kLibraryTitle = "ROM Library";

} // namespace

// The main window's selection stays as it was when the ROM cannot be reached.
bool Snesmain::goToLibraryRom(const LibraryRow& rom, const std::string& dataName)
{
    const auto place = dosPlaceOf(app.fs, rom.path);
    if (!place) {
        app.dialogs.ok("The ROM " + rom.path + " is on none of Kivalto's drives, so the main window cannot open its "
                       "folder. Add a drive for it to the section \"Drives\" of the settings file.",
                       kLibraryTitle);
        return false;
    }
    const auto system = systemKindOf(rom.system);
    const char* pathList = std::getenv("PATH");
    const std::optional<std::string> active =
        emulatorActive() ? std::optional(app.selection.plugin().fileSpec) : std::nullopt;
    const PluginChoice choice =
        choosePlugin({rom.system, place->file, dataName}, active,
                     system ? readCandidates(app.fs, pluginsFiledUnder(*system), pathList ? pathList : "")
                            : std::vector<PluginCandidate>{});
    if (choice.kind == PluginChoice::Kind::NoneFound) {
        app.dialogs.ok(noPluginMessage(rom.system, place->file), kLibraryTitle);
        return false;
    }
    if (!openRomFolder(place->folder))
        return false;
    if (choice.kind == PluginChoice::Kind::Switch)
        selectPluginByName(choice.file);
    if (!selectRomFile(place->file)) {
        app.dialogs.ok("The ROM " + place->file + " is no longer in " + place->folder + ".", kLibraryTitle);
        return false;
    }
    const auto settings =
        settingsFilePath(app.path(PathField::GPFDir), app.selection.romFolder(), app.selection.rom());
    if (settings && app.fs.fileExists(*settings))
        loadGPF();
    return true;
}

void Snesmain::connectLibrary() { connect(romLibrary, &QAction::triggered, this, &Snesmain::romLibrary_Click); }

void Snesmain::romLibrary_Click()
{
    if (!app.LibraryWindow) {
        app.LibraryWindow = new LibraryWindow(app);
        connect(app.LibraryWindow, &LibraryWindow::goToRom, this, [this](LibraryRow rom) {
            if (goToLibraryRom(rom, app.LibraryWindow->dataNameOf(rom)))
                showReadyToRun();
        });
        connect(app.LibraryWindow, &LibraryWindow::playRom, this, [this](LibraryRow rom) {
            if (goToLibraryRom(rom, app.LibraryWindow->dataNameOf(rom)))
                Run->click();  // nothing happens while Run is disabled
        });
    }
    app.LibraryWindow->openLibrary();
}

} // namespace kivalto
