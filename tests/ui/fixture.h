// SPDX-License-Identifier: GPL-3.0-or-later
// A Kivalto folder in a temporary directory: drive C: is the temporary
// root and the program directory is C:\KIVALTO. Services are the in-memory
// settings store, scripted dialogs and a recording process starter.
#pragma once

#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/lazywindow.h"
#include "platform/qt/listcontrols.h"

#include "tests/tempfolder.h"

// The control kinds the tests find by design name.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kivalto::test {

// A control of `window` by its design name, which is its object name. A
// window that builds its controls when first shown builds them now (which
// changes none of its state, whatever the constness of the caller's view).
template <typename T>
T* ctl(const QObject& window, const char* name)
{
    if (auto* lazy = dynamic_cast<const LazyWindow*>(&window))
        const_cast<LazyWindow*>(lazy)->ensureBuilt();
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        ADD_FAILURE() << "no control named " << name;
    return control;
}

// Text file bytes: each line followed by CR LF.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

inline DriveTable tableFor(const std::filesystem::path& root)
{
    DriveTable t;
    t.set('C', root);
    return t;
}

class KivaltoTest : public ::testing::Test {
protected:
    KivaltoTest() : root(makeProgramFolder(temp)), fs(tableFor(root), "C:\\KIVALTO"), app(fs, settings, dialogs, process)
    {
        app.quit = [this] { app.quitRequested = true; };
    }
    ~KivaltoTest() override
    {
        destroyWindows(app);
    }
    static std::filesystem::path makeProgramFolder(const TempFolder& folder)
    {
        std::filesystem::create_directories(folder / "KIVALTO");
        return folder.path();
    }

    // Host path of a DOS path under the temporary root (C:\X -> root/X).
    std::filesystem::path host(const std::string& dosPath) const
    {
        std::string rel = fs.absolute(dosPath).substr(3);
        for (char& c : rel)
            if (c == '\\')
                c = '/';
        return root / rel;
    }
    void writeFile(const std::string& dosPath, const std::string& bytes) const
    {
        auto p = host(dosPath);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    void makeFolder(const std::string& dosPath) const { std::filesystem::create_directories(host(dosPath)); }
    std::string readFile(const std::string& dosPath) const
    {
        auto data = fs.readAll(dosPath);
        return data ? *data : std::string("<missing>");
    }
    bool exists(const std::string& dosPath) const { return fs.resolveExisting(dosPath).has_value(); }

    // Runs the start-up load (the splash timer's work) synchronously.
    void startup()
    {
        StartupLoad(app);
        QApplication::processEvents();
    }
    // After entryRoutine: lets the splash timer run the start-up load.
    void waitForStartupLoad()
    {
        QElapsedTimer t;
        t.start();
        while (!app.Snesmain && t.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    Snesmain& main() { return *app.Snesmain; }

    // The main window used as a user uses it, its controls found by design
    // name. A button press does nothing while the button is disabled.
    void clickButton(const char* name) { ctl<QPushButton>(main(), name)->click(); }
    void chooseMenuItem(const char* name) { ctl<QAction>(main(), name)->trigger(); }
    // A click on title entry `position` (from 1): the press makes it the
    // current entry, then the view reports the click.
    void clickTitleEntry(int position)
    {
        QListView* titles = ctl<QListView>(main(), "ListView1");
        const QModelIndex entry = titles->model()->index(position - 1, 0);
        titles->setCurrentIndex(entry);
        emit titles->clicked(entry);
    }
    // A double-click on title entry `position`: its first click, then the
    // double-click.
    void doubleClickTitleEntry(int position)
    {
        clickTitleEntry(position);
        QListView* titles = ctl<QListView>(main(), "ListView1");
        emit titles->doubleClicked(titles->model()->index(position - 1, 0));
    }
    // A double-click on the file list's selected ROM.
    void doubleClickSelectedRom()
    {
        FileListBox* files = ctl<FileListBox>(main(), "File1");
        emit files->doubleClicked(files->model()->index(files->ListIndex(), 0));
    }
    // A click on a node of the system tree.
    void clickTreeNode(QTreeWidgetItem* node)
    {
        QTreeWidget* tree = ctl<QTreeWidget>(main(), "TreeView1");
        tree->setCurrentItem(node);
        emit tree->itemClicked(node, 0);
    }

    TempFolder temp;
    std::filesystem::path root;
    DosFs fs;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    RecordingProcessStarter process;
    App app;
};

} // namespace kivalto::test

using kivalto::test::ctl;
