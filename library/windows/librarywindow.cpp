// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/windows/librarywindow.h"

#include "library/libraryindex.h"
#include "library/windows/libraryfolderswindow.h"
#include "library/windows/librarymodel.h"
#include "platform/freememory.h"
#include "platform/hostwrite.h"
#include "platform/qt/widgetkit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace kivalto {

namespace {

constexpr LibraryFilter kFilters[] = {LibraryFilter::All, LibraryFilter::Favourites, LibraryFilter::RecentlyPlayed,
                                      LibraryFilter::NotVerified};

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace

LibraryWindow::LibraryWindow(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app)
{
    chooseFolder = [this] {
        return QFileDialog::getExistingDirectory(this, "Add a Library Folder").toLocal8Bit().toStdString();
    };
    build();
}

LibraryWindow::~LibraryWindow() { stopIndexing(); }

void LibraryWindow::build()
{
    setWindowTitle("ROM Library");
    setObjectName("LibraryWindow");
    searchBox = makeEdit(this, "searchBox");
    searchBox->setAccessibleName("Search");
    searchBox->setToolTip("Words in any order, found in the name, the file name or the system.");
    filterBox = new QComboBox(this);
    filterBox->setObjectName("filterBox");
    filterBox->setAccessibleName("Show");
    for (LibraryFilter f : kFilters)
        filterBox->addItem(filterText(f));

    model_ = new LibraryTableModel(list_, this);
    table = new QTableView(this);
    table->setObjectName("table");
    table->setAccessibleName("ROMs");
    table->setModel(model_);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSortingEnabled(true);
    table->sortByColumn(static_cast<int>(LibraryColumn::Name), Qt::AscendingOrder);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    // Fixed row heights keep a reset over 100 000 rows cheap.
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->resizeSection(static_cast<int>(LibraryColumn::Favourite), 28);
    table->horizontalHeader()->resizeSection(static_cast<int>(LibraryColumn::Name), 340);
    table->installEventFilter(this);

    playButton = makeButton(this, "playButton", "&Play");
    playButton->setToolTip("Go to the ROM in the main window and run it (Ctrl+Enter)");
    foldersButton = makeButton(this, "foldersButton", "&Folders...");
    importButton = makeButton(this, "importButton", "&Import DAT...");
    closeButton = makeButton(this, "closeButton", "Close");
    progress = new QProgressBar(this);
    progress->setObjectName("progress");
    progress->setAccessibleName("Indexing");
    cancelButton = makeButton(this, "cancelButton", "Cancel");
    statusLine = new QLabel(this);
    statusLine->setObjectName("statusLine");
    progress->hide();
    cancelButton->hide();

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeBuddyLabel("&Search:", searchBox));
    top->addWidget(searchBox, 1);
    top->addWidget(makeBuddyLabel("Sho&w:", filterBox));
    top->addWidget(filterBox);
    layout->addLayout(top);
    layout->addWidget(table, 1);
    layout->addLayout(makeRow({statusLine, progress, cancelButton}));
    layout->addLayout(makeRow({playButton, foldersButton, importButton, nullptr, closeButton}));
    // In the order the rows are laid out: Cancel sits with the progress above the buttons.
    setTabChain({searchBox, filterBox, table, cancelButton, playButton, foldersButton, importButton, closeButton});

    connect(searchBox, &QLineEdit::textChanged, this, [this] { applySearch(); });
    connect(searchBox, &QLineEdit::returnPressed, this, &LibraryWindow::goToCurrent);
    connect(filterBox, &QComboBox::currentIndexChanged, this, [this] { applySearch(); });
    connect(table, &QTableView::doubleClicked, this, [this] { goToCurrent(); });
    connectClicks(this, {{playButton, &LibraryWindow::playCurrent},
                         {foldersButton, &LibraryWindow::chooseFolders},
                         {importButton, &LibraryWindow::importDat},
                         {cancelButton, &LibraryWindow::cancelIndexing}});
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(Qt::CTRL | key), this), &QShortcut::activated, this,
                &LibraryWindow::playCurrent);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(900, 560);
}

void LibraryWindow::openLibrary()
{
    places_ = libraryPlaces(app_.fs);
    showInFront(this);
    searchBox->setFocus();
    if (!db_) {
        std::string notice;
        try {
            db_ = LibraryDatabase::open(places_.libraryFile, &notice);
        } catch (const LibraryError& e) {
            report(e.what());
            return;
        }
        if (!notice.empty())
            report(notice);
    }
    reloadRows();
    if (indexOnOpen)
        startIndexing();
}

void LibraryWindow::reloadRows()
{
    std::vector<LibraryRow> rows;
    try {
        rows = db_->rows();
    } catch (const LibraryError& e) {
        report(e.what());
        return;
    }
    const std::string selected = currentRom() ? currentRom()->path : std::string();
    model_->changeList([&](LibraryList& list) { list.setRows(std::move(rows)); });
    for (int r = 0; !selected.empty() && r < model_->rowCount(); ++r)
        if (model_->rowAt(r)->path == selected)
            table->selectRow(r);
    showCount();
    // The rows replaced, and what indexing held, are freed by now.
    returnFreedMemory();
}

void LibraryWindow::applySearch()
{
    const std::string words = utf8(searchBox->text());
    const LibraryFilter filter = kFilters[std::max(0, filterBox->currentIndex())];
    model_->changeList([&](LibraryList& list) {
        list.setFilter(filter, static_cast<std::int64_t>(std::time(nullptr)));
        list.setSearch(words);
    });
    // The first row becomes current (Enter takes it), selected cheaply.
    if (model_->rowCount() > 0)
        table->selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    showCount();
}

void LibraryWindow::showCount()
{
    if (indexing())
        return;
    const auto shown = static_cast<qulonglong>(list_.shown().size());
    const auto all = static_cast<qulonglong>(list_.rows().size());
    statusLine->setText(shown == all ? QString("%1 ROMs").arg(all) : QString("%1 of %2 ROMs").arg(shown).arg(all));
}

void LibraryWindow::startIndexing()
{
    if (!db_)
        return;
    if (indexing()) {
        indexAgain_ = true;
        return;
    }
    std::vector<std::filesystem::path> folders;
    try {
        folders = libraryFolders(app_.fs, db_->addedFolders());
    } catch (const LibraryError& e) {
        report(e.what());
        return;
    }
    cancel_ = false;
    progress->setRange(0, 0);
    progress->show();
    cancelButton->show();
    statusLine->setText("Indexing the library folders...");
    indexer_ = std::thread([this, folders, places = places_] {
        std::vector<std::string> problems;
        std::string error;
        try {
            auto db = LibraryDatabase::open(places.libraryFile);
            IndexOptions options;
            options.cancel = &cancel_;
            options.progress = [this](std::size_t done, std::size_t total) {
                QMetaObject::invokeMethod(this, [this, done, total] {
                    progress->setRange(0, static_cast<int>(total));
                    progress->setValue(static_cast<int>(done));
                }, Qt::QueuedConnection);
            };
            problems = indexLibrary(*db, folders, places.datFolder, options).problems;
        } catch (const std::exception& e) {
            error = e.what();
        }
        QMetaObject::invokeMethod(this, [this, problems, error] { indexingEnded(problems, error); },
                                  Qt::QueuedConnection);
    });
}

void LibraryWindow::indexingEnded(const std::vector<std::string>& problems, const std::string& error)
{
    indexer_.join();
    progress->hide();
    cancelButton->hide();
    reloadRows();
    if (!error.empty())
        report(error);
    for (const std::string& problem : problems)
        if (reported_.insert(problem).second)
            report("A DAT file is damaged: " + problem + ". The games before that line are used, the rest of the file is not.");
    if (indexAgain_ && !cancel_) {
        indexAgain_ = false;
        startIndexing();
        return;
    }
    indexAgain_ = false;
    emit indexed();
}

void LibraryWindow::cancelIndexing() { cancel_ = true; }

void LibraryWindow::stopIndexing()
{
    cancel_ = true;
    if (indexer_.joinable())
        indexer_.join();
}

const LibraryRow* LibraryWindow::currentRom() const
{
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? model_->rowAt(current.row()) : nullptr;
}

std::string LibraryWindow::dataNameOf(const LibraryRow& row)
{
    try {
        if (const auto record = db_ ? db_->file(row.path) : std::nullopt; record && !record->dataName.empty())
            return record->dataName;
    } catch (const LibraryError&) {
    }
    return row.fileName;
}

void LibraryWindow::goToCurrent()
{
    if (!currentRom() && model_->rowCount() > 0)
        table->selectRow(0);
    if (const LibraryRow* row = currentRom())
        emit goToRom(*row);
}

void LibraryWindow::playCurrent()
{
    if (!currentRom() && model_->rowCount() > 0)
        table->selectRow(0);
    if (const LibraryRow* row = currentRom())
        emit playRom(*row);
}

void LibraryWindow::toggleFavourite()
{
    const QModelIndex current = table->currentIndex();
    if (!current.isValid() || !db_)
        return;
    LibraryRow& row = list_.row(model_->listIndexAt(current.row()));
    try {
        LibraryDatabase::Transaction t(*db_);
        db_->setFavourite(row.romKey, !row.favourite);
        t.commit();
    } catch (const LibraryError& e) {
        report(e.what());
        return;
    }
    // Every file of the same ROM shares the mark.
    for (std::size_t i = 0; i < list_.rows().size(); ++i)
        if (list_.rows()[i].romKey == row.romKey)
            list_.row(i).favourite = !list_.rows()[i].favourite;
    model_->rowChanged(current.row());
}

void LibraryWindow::chooseFolders()
{
    if (!db_)
        return;
    if (!foldersWindow_) {
        foldersWindow_ = new LibraryFoldersWindow(this);
        foldersWindow_->chooseFolder = [this] { return chooseFolder(); };
        connect(foldersWindow_, &LibraryFoldersWindow::foldersChanged, this, [this](const std::vector<std::string>& now) {
            try {
                LibraryDatabase::Transaction t(*db_);
                for (const std::string& old : db_->addedFolders())
                    db_->removeFolder(old);
                for (const std::string& folder : now)
                    db_->addFolder(folder);
                t.commit();
            } catch (const LibraryError& e) {
                report(e.what());
                return;
            }
            startIndexing();
        });
    }
    try {
        foldersWindow_->showFolders(db_->addedFolders());
    } catch (const LibraryError& e) {
        report(e.what());
    }
}

void LibraryWindow::importDat()
{
    const std::string chosen = app_.dialogs.openFile({false, "DAT Files (*.dat, *.xml)|*.DAT;*.XML", ""});
    if (chosen.empty())
        return;
    const auto source = app_.fs.resolveExisting(chosen);
    std::error_code ec;
    if (!source || !std::filesystem::is_regular_file(*source, ec)) {
        report("The DAT file " + chosen + " cannot be read.");
        return;
    }
    if (std::filesystem::file_size(*source, ec) > kMaxDatBytes) {
        report(source->filename().string() + " is larger than 256 MiB, so it was not imported.");
        return;
    }
    std::ifstream in(*source, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        std::filesystem::create_directories(places_.datFolder);
        writeHostFileWhole(places_.datFolder / source->filename(), bytes);
    } catch (const std::exception& e) {
        report(std::string("The DAT file could not be copied to the DAT folder: ") + e.what());
        return;
    }
    startIndexing();
}

void LibraryWindow::report(const std::string& text) { app_.dialogs.ok(text, "ROM Library"); }

bool LibraryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            goToCurrent();
            return true;
        }
        if (plain && key->key() == Qt::Key_Space) {
            toggleFavourite();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LibraryWindow::closeEvent(QCloseEvent* event)
{
    // Indexing goes on while the window is hidden; the window is kept.
    event->ignore();
    hide();
}

} // namespace kivalto
