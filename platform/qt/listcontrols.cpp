// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/listcontrols.h"

#include "platform/textfield.h"
#include "platform/qt/text.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace kivalto {

int ByteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries().size());
}

QVariant ByteListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return qs(entries_[static_cast<std::size_t>(index.row())]);
    return {};
}

void ByteListModel::setEntries(std::vector<std::string> entries)
{
    beginResetModel();
    pending_ = nullptr;
    entries_ = std::move(entries);
    endResetModel();
}

void ByteListModel::setEntriesLater(std::function<std::vector<std::string>()> make)
{
    beginResetModel();
    entries_.clear();
    pending_ = std::move(make);
    endResetModel();
}

const std::vector<std::string>& ByteListModel::entries() const
{
    // Filling in place is no change a view could see: the reset that
    // announced these entries has already been sent.
    if (pending_) {
        auto make = std::move(pending_);
        pending_ = nullptr;
        entries_ = make();
    }
    return entries_;
}

FileListBox::FileListBox(DosFs& fs, QWidget* parent) : QListView(parent), fs_(fs)
{
    setModel(&model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    path_ = fs_.currentDir();
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& cur) {
        if (quiet_ || !cur.isValid() || cur.row() == index_)
            return;
        index_ = cur.row();
        fileName_ = List(index_);
        emit Changed();
        emit Click();
    });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& idx) {
        if (!idx.isValid())
            return;
        if (idx.row() != index_)
            setListIndex(idx.row());
        emit DblClick();
    });
}

void FileListBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        if (currentIndex().row() != index_)
            setListIndex(currentIndex().row());
        emit DblClick();
        return;
    }
    QListView::keyPressEvent(event);
}

void FileListBox::setPath(const std::string& dosFolder)
{
    const std::string abs = fs_.absolute(dosFolder);
    if (!fs_.folderExists(abs))
        throw FileError("Path not found: " + abs);
    path_ = abs;
    Refresh();
}

void FileListBox::setPattern(const std::string& pattern)
{
    pattern_ = pattern;
    Refresh();
}

void FileListBox::Refresh()
{
    // Listed when first looked at: a folder or pattern replaced before
    // anyone looks (as the command-line start does) costs no listing.
    model_.setEntriesLater([this, path = path_, pattern = pattern_] { return fs_.listFiles(path, pattern); });
    index_ = -1;
    fileName_.clear();
    emit Changed();
}

std::string FileListBox::List(int i) const
{
    if (i < 0 || i >= ListCount())
        return {};
    return model_.entries()[static_cast<std::size_t>(i)];
}

void FileListBox::selectRow(int i)
{
    quiet_ = true;
    if (i < 0)
        selectionModel()->clearSelection();
    else
        setCurrentIndex(model_.index(i));
    quiet_ = false;
}

void FileListBox::setListIndex(int i)
{
    if (i >= ListCount())
        i = -1;
    index_ = i;
    fileName_ = List(i);
    selectRow(i);
    emit Changed();
    if (i >= 0)
        emit Click();
}

void FileListBox::setFileName(const std::string& name)
{
    std::string folder;
    std::string file = name;
    auto slash = name.find_last_of('\\');
    if (slash != std::string::npos) {
        folder = name.substr(0, slash == 2 ? 3 : slash);
        file = name.substr(slash + 1);
    }
    // The new folder and pattern are listed once, together.
    if (!folder.empty()) {
        const std::string abs = fs_.absolute(folder);
        if (!fs_.folderExists(abs))
            throw FileError("Path not found: " + abs);
        path_ = abs;
    }
    if (!file.empty())
        pattern_ = file;
    if (!folder.empty() || !file.empty())
        Refresh();
    fileName_ = file;
    emit Changed();
    emit DblClick();
}

DirListBox::DirListBox(DosFs& fs, QWidget* parent) : QListView(parent), fs_(fs)
{
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    path_ = fs_.currentDir();
    setPath(path_);
    connect(this, &QListView::activated, this, [this](const QModelIndex& idx) {
        if (!idx.isValid())
            return;
        try {
            if (hasParent_ && idx.row() == 0)
                setPath(parentOfDos(path_));
            else
                setPath(List(idx.row() - (hasParent_ ? 1 : 0)));
        } catch (const FileError&) {
        }
    });
}

void DirListBox::setPath(const std::string& dosFolder)
{
    const std::string abs = fs_.absolute(dosFolder);
    if (!fs_.folderExists(abs))
        throw FileError("Path not found: " + abs);
    path_ = abs;
    folders_.reset();
    hasParent_ = abs.size() > 3;
    model_.setEntriesLater([this] {
        std::vector<std::string> shown;
        if (hasParent_)
            shown.push_back("..");
        for (const auto& f : folders())
            shown.push_back(f);
        return shown;
    });
    setToolTip(qs(path_));
    emit Change();
}

const std::vector<std::string>& DirListBox::folders() const
{
    if (!folders_)
        folders_ = fs_.listFolders(path_);
    return *folders_;
}

std::string DirListBox::List(int i) const
{
    if (i < 0 || i >= ListCount())
        return {};
    return joinDos(path_, (*folders_)[static_cast<std::size_t>(i)]);
}

DriveListBox::DriveListBox(DosFs& fs, QWidget* parent) : QComboBox(parent)
{
    for (auto& [letter, host] : fs.driveTable().drives())
        addItem(QString("%1: [%2]").arg(QChar(letter).toLower(), QString::fromStdString(host.string())),
                QString(QChar(letter).toLower()) + ":");
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

std::string DriveListBox::Drive() const { return currentData().toString().toStdString(); }

void DriveListBox::setDrive(const std::string& drive)
{
    int i = findData(QString::fromStdString(toLower(drive.substr(0, 2))));
    if (i >= 0)
        setCurrentIndex(i);
}

} // namespace kivalto
