// SPDX-License-Identifier: GPL-3.0-or-later
// List controls with the semantics the windows rely on: a file list with a
// folder and a ";"-separated mask pattern, a folder list and a drive list.
// Entries are bytes (names as the disk has them); display converts.
#pragma once

#include "platform/dosfs.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QListView>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kivalto {

// A plain list model over byte strings, cheap for tens of thousands of rows.
class ByteListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void setEntries(std::vector<std::string> entries);
    // Entries made only when someone first asks for them (the view, when it
    // is shown): a list that is never looked at costs no listing.
    void setEntriesLater(std::function<std::vector<std::string>()> make);
    const std::vector<std::string>& entries() const;

private:
    mutable std::vector<std::string> entries_;
    mutable std::function<std::vector<std::string>()> pending_;
};

// File list: Path (a DOS folder), Pattern (masks), entries numbered from 0,
// at most one selected entry, and a current file name.
class FileListBox : public QListView {
    Q_OBJECT
public:
    FileListBox(DosFs& fs, QWidget* parent = nullptr);

    const std::string& Path() const { return path_; }
    // Throws FileError when the folder does not exist; nothing changes then.
    void setPath(const std::string& dosFolder);
    const std::string& Pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    // Lists the folder again, when the list is first looked at.
    void Refresh();

    int ListCount() const { return static_cast<int>(model_.entries().size()); }
    std::string List(int i) const;
    int ListIndex() const { return index_; }
    // Selects entry i (-1 for none) and raises Click, as a user's click does.
    void setListIndex(int i);

    // The current file name: the selected entry, or the name last set.
    const std::string& FileName() const { return fileName_; }
    // Setting a file name: a folder part becomes the Path, the name part the
    // Pattern (so the list narrows to that file), then DblClick is raised.
    void setFileName(const std::string& name);

signals:
    // The folder, the list or the current file name changed; raised before
    // Click and DblClick.
    void Changed();
    void Click();
    void DblClick();

protected:
    // Enter on the current entry acts as a double-click, for keyboard users.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectRow(int i);
    DosFs& fs_;
    ByteListModel model_;
    std::string path_;
    std::string pattern_ = "*.*";
    std::string fileName_;
    int index_ = -1;
    bool quiet_ = false;
};

// Folder list: Path and its sub-folders. List(i) is the full path of
// sub-folder i. Double-clicking an entry (or "..") moves into it.
class DirListBox : public QListView {
    Q_OBJECT
public:
    DirListBox(DosFs& fs, QWidget* parent = nullptr);

    const std::string& Path() const { return path_; }
    // The folder is checked at once; its sub-folders are listed when first
    // needed (ListCount, List, or the list being shown).
    void setPath(const std::string& dosFolder);  // throws FileError
    int ListCount() const { return static_cast<int>(folders().size()); }
    std::string List(int i) const;

signals:
    void Change();

private:
    const std::vector<std::string>& folders() const;

    DosFs& fs_;
    ByteListModel model_;
    std::string path_;
    mutable std::optional<std::vector<std::string>> folders_;
    bool hasParent_ = false;
};

// Drive list: the letters of the drive table, as "c:".
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    DriveListBox(DosFs& fs, QWidget* parent = nullptr);
    std::string Drive() const;
    void setDrive(const std::string& drive);

signals:
    void Change();
};

} // namespace kivalto
