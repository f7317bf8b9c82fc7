// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of the ROM catalogue: the two ROM lists and their
// filters, snapshots, the ROM name export and the ROM directory buttons.
#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "roms/romcatalogue.h"
#include "roms/windows/chpath.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/romscan.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <cctype>

namespace kivalto {

void Snesmain::connectRoms()
{
    romCatalogue = new RomCatalogueModel({image2(kRomIcon), image2(kFolderIcon), image2(kUpIcon)}, this);
    ListView1->setModel(romCatalogue);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A new list (another folder, a rescan) has no clicked entry yet; the
    // position of the old one must not carry over to whatever now sits there.
    connect(romCatalogue, &QAbstractItemModel::modelReset, this, [this] {
        selectedItem = 0;
        ROMNAME->clear();
        romimage->clear();
    });
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    ListView1_Click(current.row() + 1);
            });
    // The press that made the entry current has already run the click; a
    // click on the current entry runs it again only when the file list or
    // ROMNAME moved on since (a click in File1, Show All Files).
    connect(ListView1, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        const int position = index.row() + 1;
        const bool current = position - 1 < File1->ListCount()
                                 ? File1->ListIndex() == position - 1
                                 : ROMNAME->text() == qs(romCatalogue->text(position));
        if (position != selectedItem || !current)
            ListView1_Click(position);
    });
    connect(ListView1, &QListView::doubleClicked, this, [this] { ListView1_DblClick(); });
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), ListView1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &Snesmain::ListView1_DblClick);
    }
    connect(File1, &FileListBox::Click, this, &Snesmain::File1_Click);
    connect(File1, &FileListBox::DblClick, this, &Snesmain::File1_DblClick);

    connect(dynROMs, &QAction::triggered, this, &Snesmain::dynROMs_Click);
    connect(menshowfile, &QAction::triggered, this, &Snesmain::menshowfile_Click);
    connect(MenuShorten, &QAction::triggered, this, &Snesmain::MenuShorten_Click);
    connect(showall, &QAction::triggered, this, &Snesmain::showall_Click);
    connect(writerom, &QAction::triggered, this, &Snesmain::writerom_Click);
    connect(snapass, &QAction::triggered, this, &Snesmain::snapass_Click);
    connect(nextpreset, &QPushButton::clicked, this, &Snesmain::nextpreset_Click);
    connect(Command2, &QPushButton::clicked, this, &Snesmain::Command2_Click);
    connect(ChangeDir, &QPushButton::clicked, this, &Snesmain::ChangeDir_Click);
}

void Snesmain::dynROMs_Click()
{
    if (!dynROMs->isChecked()) {
        // The option is saved only once the list it refers to is on disk,
        // so a failed write never leaves the next start without a list.
        try {
            app.fs.writeWhole("Static.dat", staticListBytes(romCatalogue->entries()));
        } catch (const FileError& e) {
            dynROMs->setChecked(true);
            app.dialogs.ok("The ROM list could not be saved to static.dat in the Kivalto directory (" +
                               std::string(e.what()) + "). Dynamic ROMs stays switched on.",
                           app.title);
            return;
        }
    }
    app.saveOption("Dynamic ROMs", dynROMs->isChecked());
}

void Snesmain::menshowfile_Click()
{
    app.saveOption("Show Filenames", menshowfile->isChecked());
    showFileNames(menshowfile->isChecked());
}

void Snesmain::showFileNames(bool files)
{
    menshowfile->setChecked(files);
    ListView1->setVisible(!files);
    File1->setVisible(files);
}

void Snesmain::showall_Click()
{
    File1->setPattern("*.*");
    showFileNames(true);
}

void Snesmain::MenuShorten_Click() { app.saveOption("MenuShorten", MenuShorten->isChecked()); }

void Snesmain::ListView1_Click(int position)
{
    selectedItem = position;
    if (position - 1 < File1->ListCount()) {
        File1->setListIndex(position - 1);
        return;
    }
    ROMNAME->setText(qs(romCatalogue->text(position)));
    romimage->clear();
}

void Snesmain::ListView1_DblClick()
{
    if (selectedItem < 1)
        return;
    if (selectedItem - 1 < File1->ListCount()) {
        File1_DblClick();
        return;
    }
    if (selectedItem > romCatalogue->count())
        return;
    const std::string text = romCatalogue->text(selectedItem);
    const std::string folder =
        text == kUpEntry ? upFolderOf(File1->Path()) : subFolderOf(File1->Path(), text);
    app.chpath->openFolder(folder);
}

bool Snesmain::selectRomFile(const std::string& file)
{
    const std::vector<std::string> files = romFiles();
    auto it = std::find(files.begin(), files.end(), file);
    if (it == files.end())
        it = std::find_if(files.begin(), files.end(), [&](const std::string& f) {
            return std::equal(f.begin(), f.end(), file.begin(), file.end(), [](unsigned char a, unsigned char b) {
                return std::tolower(a) == std::tolower(b);
            });
        });
    if (it == files.end())
        return false;
    const int row = static_cast<int>(it - files.begin());
    if (!ListView1->isHidden() && row < romCatalogue->count()) {
        // The title list shows the ROM: a click on its title.
        const QModelIndex title = romCatalogue->index(row, 0);
        ListView1->scrollTo(title);
        if (ListView1->currentIndex() == title)
            ListView1_Click(row + 1);
        else
            ListView1->setCurrentIndex(title);
        return true;
    }
    File1->setListIndex(row);
    File1->scrollTo(File1->model()->index(row, 0));
    return true;
}

void Snesmain::File1_Click()
{
    // A file beyond the title list (Show All Files, or a saved list) has
    // no title to show.
    ROMNAME->setText(qs(romNameText(File1->FileName(), romCatalogue->text(File1->ListIndex() + 1))));
    refreshSnapshot();
}

void Snesmain::refreshSnapshot()
{
    const std::string base = snapshotBase(File1->FileName());
    QPixmap picture;
    const auto loaded = app.fs.resolveFirstIn(File1->Path(), {base + "BMP", base + "JPG"}, [&](const auto& host) {
        return picture.load(QString::fromStdString(host.string()));
    });
    if (!loaded) {
        romimage->clear();
        return;
    }
    if (picture.width() > romimage->width() || picture.height() > romimage->height())
        picture = picture.scaled(romimage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    romimage->setPixmap(picture);
}

void Snesmain::snapass_Click()
{
    if (File1->FileName().empty()) {
        app.showError("No ROM has been selected to run.");
        return;
    }
    try {
        const std::string chosen = ChooseFileToOpen(app, "BMP or JPG|*.BMP;*.JPG", app.path(PathField::GUIDIr));
        if (chosen.empty())
            return;
        const std::string ext = chosen.substr(chosen.size() >= 3 ? chosen.size() - 3 : 0);
        app.fs.copyFile(chosen, joinDos(File1->Path(), snapshotBase(File1->FileName()) + ext));
        File1_Click();
        app.showMessage("The selected picture has been copied to the ROM directory and associated with the ROM. "
                        "It should now be displayed in the ROM snapshot box.");
    } catch (const std::exception&) {
        app.dialogs.ok("An unknown error has occurred.", app.title);
    }
}

void Snesmain::writerom_Click()
{
    try {
        app.fs.writeWhole("longrom.txt", romNamesBytes(romFiles(), romCatalogue->entries()));
    } catch (const FileError& e) {
        app.dialogs.ok("The ROM names could not be written to LONGROM.TXT in the Kivalto directory (" +
                           std::string(e.what()) + ").",
                       app.title);
        return;
    }
    app.showMessage("Your ROM headers and filenames have been written to 'LONGROM.TXT' in the Kivalto directory.");
}

void Snesmain::nextpreset_Click()
{
    app.chpath->stepToNextPreset();
    app.chpath->okay();
}

void Snesmain::Command2_Click()
{
    app.dialogs.ok("The directory name is the currently selected and displayed ROM directory. Click on the NEXT "
                   "button to change to the next directory preset. Presets can be set by clicking CHANGE DIRECTORY.",
                   app.title);
}

void Snesmain::ChangeDir_Click()
{
    showInFront(app.chpath);
}

void Snesmain::rescanTitles() { ScanRomDirectory(app); }

} // namespace kivalto
