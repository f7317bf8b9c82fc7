// SPDX-License-Identifier: GPL-3.0-or-later
// Window "ROM Library": every ROM of the library folders in one table,
// named and verified by the DATs, found as you type, with its play history.
// Indexing runs on a thread of its own with a progress bar and Cancel.
//
// The window only knows ROMs; taking the main window to one is the
// program's business: connect goToRom (Enter, double-click) and playRom
// (Play, Ctrl+Enter) to it.
#pragma once

#include "app/windows/App.h"
#include "library/librarydb.h"
#include "library/librarylist.h"
#include "library/libraryplaces.h"

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <thread>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace kivalto {

class LibraryTableModel;

class LibraryWindow : public QWidget {
    Q_OBJECT
public:
    explicit LibraryWindow(App& app, QWidget* parent = nullptr);
    ~LibraryWindow() override;

    // Opens library.db (creating it the first time), lists its rows and
    // starts indexing the library folders. Reports why it cannot.
    void openLibrary();
    // Starts indexing again, unless it is running.
    void startIndexing();
    bool indexing() const { return indexer_.joinable(); }

    // The selected ROM, or nullptr.
    const LibraryRow* currentRom() const;
    const LibraryList& list() const { return list_; }
    // The name of the ROM itself: an archive's member, else the file's own.
    std::string dataNameOf(const LibraryRow& row);

    // Whether opening the Library starts indexing (the bench times the
    // window alone over rows made up in library.db).
    bool indexOnOpen = true;

    // Picks a folder for "Folders..."; tests replace it. Returns a host
    // path, or "" when cancelled.
    std::function<std::string()> chooseFolder;

signals:
    void goToRom(const kivalto::LibraryRow& entry);
    void playRom(const kivalto::LibraryRow& entry);
    // Indexing has ended and the table shows its result (tests wait for it).
    void indexed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void goToCurrent();      // Enter, double-click
    void playCurrent();      // Play, Ctrl+Enter
    void toggleFavourite();  // Space
    void chooseFolders();    // Folders...
    void importDat();        // Import DAT...
    void cancelIndexing();   // Cancel

    void build();
    void reloadRows();
    void applySearch();
    void indexingEnded(const std::vector<std::string>& problems, const std::string& error);
    void showCount();
    void report(const std::string& text);
    void stopIndexing();

    QLineEdit* searchBox = nullptr;       // "Search:" words in any order
    QComboBox* filterBox = nullptr;       // "Show:" which rows
    QTableView* table = nullptr;          // "ROMs"
    QPushButton* playButton = nullptr;    // "Play"
    QPushButton* foldersButton = nullptr; // "Folders..."
    QPushButton* importButton = nullptr;  // "Import DAT..."
    QPushButton* closeButton = nullptr;   // "Close"
    QProgressBar* progress = nullptr;     // "Indexing", shown while it runs
    QPushButton* cancelButton = nullptr;  // "Cancel" indexing, shown while it runs
    QLabel* statusLine = nullptr;         // how many ROMs are shown

    App& app_;
    LibraryPlaces places_;
    std::unique_ptr<LibraryDatabase> db_;
    LibraryList list_;
    LibraryTableModel* model_ = nullptr;
    std::thread indexer_;
    std::atomic<bool> cancel_{false};
    std::set<std::string> reported_;  // DAT messages already shown this run
    bool indexAgain_ = false;         // asked for while indexing ran
    class LibraryFoldersWindow* foldersWindow_ = nullptr;
};

} // namespace kivalto
