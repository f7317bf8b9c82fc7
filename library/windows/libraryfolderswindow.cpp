// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/windows/libraryfolderswindow.h"

#include "platform/qt/widgetkit.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivalto {

namespace {

QString localPath(const std::string& path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }

} // namespace

LibraryFoldersWindow::LibraryFoldersWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("LibraryFoldersWindow");
    setWindowTitle("Library Folders");
    auto [heading, list] = makeHeadedList(this, "folderList", "&Folders indexed besides the ROM folder and the presets:",
                                          "Each folder is indexed with its sub-folders.");
    folderList = list;
    addButton = makeButton(this, "addButton", "&Add...");
    removeButton = makeButton(this, "removeButton", "&Remove");
    closeButton = makeButton(this, "closeButton", "Close");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(folderList);
    layout->addLayout(makeRow({addButton, removeButton, nullptr, closeButton}));
    setTabChain({folderList, addButton, removeButton, closeButton});
    connectClicks(this, {{addButton, &LibraryFoldersWindow::addFolder}, {removeButton, &LibraryFoldersWindow::removeFolder}});
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    resize(480, 300);
}

void LibraryFoldersWindow::showFolders(const std::vector<std::string>& folders)
{
    folderList->clear();
    for (const std::string& f : folders)
        folderList->addItem(localPath(f));
    showInFront(this);
}

std::vector<std::string> LibraryFoldersWindow::folders() const
{
    std::vector<std::string> out;
    for (int i = 0; i < folderList->count(); ++i)
        out.push_back(folderList->item(i)->text().toLocal8Bit().toStdString());
    return out;
}

void LibraryFoldersWindow::addFolder()
{
    const std::string folder = chooseFolder ? chooseFolder() : std::string();
    if (folder.empty() || !folderList->findItems(localPath(folder), Qt::MatchExactly).isEmpty())
        return;
    folderList->addItem(localPath(folder));
    folderList->setCurrentRow(folderList->count() - 1);
    emit foldersChanged(folders());
}

void LibraryFoldersWindow::removeFolder()
{
    const int row = folderList->currentRow();
    if (row < 0)
        return;
    delete folderList->takeItem(row);
    emit foldersChanged(folders());
}

} // namespace kivalto
