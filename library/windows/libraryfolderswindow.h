// SPDX-License-Identifier: GPL-3.0-or-later
// Window "Library Folders": the folders the Library indexes besides the
// ROM folder and the presets. They are kept in library.db, never in
// presets.dat.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace kivalto {

class LibraryFoldersWindow : public QWidget {
    Q_OBJECT
public:
    explicit LibraryFoldersWindow(QWidget* parent = nullptr);

    // Shows `folders` (host paths) for editing.
    void showFolders(const std::vector<std::string>& folders);
    std::vector<std::string> folders() const;

    // Picks a folder to add; "" when cancelled.
    std::function<std::string()> chooseFolder;

signals:
    // The list changed; the Library keeps it and indexes again.
    void foldersChanged(const std::vector<std::string>& folders);

private:
    void addFolder();     // Add...
    void removeFolder();  // Remove

    QListWidget* folderList = nullptr;    // the folders
    QPushButton* addButton = nullptr;     // "Add..."
    QPushButton* removeButton = nullptr;  // "Remove"
    QPushButton* closeButton = nullptr;   // "Close"
};

} // namespace kivalto
