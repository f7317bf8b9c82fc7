// SPDX-License-Identifier: GPL-3.0-or-later
// The ROM Library in the program: its menu item, Enter and Play taking the
// main window to a ROM with the plugin that runs it, and the play history
// every launch leaves once a library exists.
#include "fixture.h"

#include "launch/romsettings.h"
#include "library/librarydb.h"
#include "library/windows/librarywindow.h"
#include "library/windows/playrecorder.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace kivalto::test {
namespace {

std::string romBytes(std::size_t size, unsigned seed)
{
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>((i * 13 + seed * 101) ^ (i >> 7));
    return out;
}

class LibraryWiring : public KivaltoTest {
protected:
    // Plugins in the tree's order: under GAMEBOY an old one without .gbc,
    // one whose emulator is not installed and one that takes every Game Boy
    // ROM; a SNES one; none for the PC Engine.
    LibraryWiring()
    {
        writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "", "", "", ""}));
        writeFile("C:\\EMU\\emu", "#!/bin/sh\n");
        std::filesystem::permissions(host("C:\\EMU\\emu"), std::filesystem::perms::owner_all);
        writeFile("C:\\DOSEMU\\ZSNES.EXE", "MZ not a Windows program");
        writePlugin("AGB.XPL", "Old GB", "*.gb;*.zip;*.GZ", "C:\\EMU\\", "emu");
        writePlugin("BGB.XPL", "Absent GB", "*.gb;*.gbc;*.zip;*.GZ", "C:\\NOWHERE\\", "absent-emulator");
        writePlugin("CGB.XPL", "Colour GB", "*.gb;*.gbc;*.zip;*.GZ", "C:\\EMU\\", "emu");
        writePlugin("SNES.XPL", "Dos SNES", "*.SMC;*.SFC;*.ZIP;*.GZ", "C:\\DOSEMU\\", "ZSNES");
        writeFile("C:\\ROMS\\Mario.smc", romBytes(4096, 1));
        writeFile("C:\\ROMS\\GB\\Zelda DX.gbc", romBytes(4096, 2));
        writeFile("C:\\ROMS\\GB\\Tetris.gb", romBytes(4096, 3));
        writeFile("C:\\ROMS\\PCE\\Bonk.pce", romBytes(4096, 4));
    }
    ~LibraryWiring() override
    {
        // The library is closed before the folder goes.
        destroyWindows(app);
    }
    void writePlugin(const std::string& file, const std::string& name, const std::string& masks,
                     const std::string& dir, const std::string& exe)
    {
        // 65 empty key cells.
        std::string keys;
        for (int i = 0; i < 65; ++i)
            keys += "\r\n";
        writeFile("C:\\KIVALTO\\" + file, crlf({name, masks, "-f n", dir, "", exe, "ENDOPTS", "ENDDISP"}) + keys);
    }
    QAction* menuItem() { return ctl<QAction>(main(), "romLibrary"); }
    LibraryWindow& openLibrary()
    {
        menuItem()->trigger();
        EXPECT_NE(app.LibraryWindow, nullptr);
        QSignalSpy done(app.LibraryWindow, &LibraryWindow::indexed);
        EXPECT_TRUE(done.wait(10000));
        return *app.LibraryWindow;
    }
    // Types a search and presses Enter in the search box.
    void goTo(const char* search, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        LibraryWindow& library = *app.LibraryWindow;
        library.searchBox->clear();
        QTest::keyClicks(library.searchBox, search);
        ASSERT_EQ(library.list().shown().size(), 1u) << search;
        if (modifiers == Qt::NoModifier)
            QTest::keyClick(library.searchBox, Qt::Key_Return);
        else
            QTest::keyClick(library.table, Qt::Key_Return, modifiers);
    }
    LibraryRow historyOf(const std::string& fileName)
    {
        if (app.plays)
            app.plays->waitUntilRecorded();
        for (const LibraryRow& row : LibraryDatabase::open(host("C:\\KIVALTO\\library.db"))->rows())
            if (row.fileName == fileName)
                return row;
        ADD_FAILURE() << fileName << " is not in the library";
        return {};
    }
    std::string pluginName() const { return app.selection.plugin().pluginName; }
};

TEST_F(LibraryWiring, TheMenuItemMakesTheLibraryOnlyWhenChosen)
{
    startup();
    EXPECT_EQ(menuItem()->text(), "ROM Library...");
    EXPECT_EQ(menuItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_TRUE(ctl<QMenu>(main(), "MenuFunc")->actions().contains(menuItem()));
    EXPECT_EQ(app.LibraryWindow, nullptr);
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));

    LibraryWindow& library = openLibrary();
    EXPECT_TRUE(library.isVisible());
    EXPECT_TRUE(exists("C:\\KIVALTO\\library.db"));
    EXPECT_EQ(library.list().rows().size(), 4u);
    menuItem()->trigger();  // the same window again
    EXPECT_EQ(app.LibraryWindow, &library);
}

TEST_F(LibraryWiring, EnterTakesTheMainWindowToTheRomWithAPluginThatRunsIt)
{
    startup();
    openLibrary();
    ASSERT_FALSE(main().emulatorActive());

    // No plugin active: the first Game Boy plugin that takes .gbc and whose
    // emulator is installed.
    goTo("zelda");
    EXPECT_EQ(pluginName(), "CGB");
    EXPECT_TRUE(main().emulatorActive());
    EXPECT_EQ(app.selection.romFolder(), "C:\\ROMS\\GB");
    EXPECT_EQ(app.selection.rom(), "Zelda DX.gbc");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text(), "C:\\ROMS\\GB");
    EXPECT_NE(ctl<QLineEdit>(main(), "ROMNAME")->text().indexOf("Zelda DX.gbc"), -1);

    // The active plugin serves Game Boy ROMs and takes .gb: it stays, though
    // another comes first in the tree.
    goTo("tetris");
    EXPECT_EQ(pluginName(), "CGB");
    EXPECT_EQ(app.selection.rom(), "Tetris.gb");

    // No plugin for the PC Engine: a message names the system, nothing moves.
    goTo("bonk");
    EXPECT_NE(dialogs.lastText().find("No plugin for PC ENGINE"), std::string::npos) << dialogs.lastText();
    EXPECT_EQ(dialogs.boxes.back().title, "ROM Library");
    EXPECT_EQ(pluginName(), "CGB");
    EXPECT_EQ(app.selection.romFolder(), "C:\\ROMS\\GB");
    EXPECT_EQ(app.selection.rom(), "Tetris.gb");

    // Another system switches to its plugin, whose masks now list the folder.
    goTo("mario");
    EXPECT_EQ(pluginName(), "SNES");
    EXPECT_EQ(app.selection.romFolder(), "C:\\ROMS");
    EXPECT_EQ(app.selection.rom(), "Mario.smc");
    EXPECT_EQ(main().romFiles(), std::vector<std::string>{"Mario.smc"});
    EXPECT_TRUE(process.calls.empty() && process.nativeCalls.empty());  // Enter runs nothing
}

TEST_F(LibraryWiring, TheRomsSettingsAreLoadedAsADoubleClickLoadsThem)
{
    RomSettings saved;
    saved.pluginFile = "CGB.XPL";
    saved.frameskip = "7";
    saved.controller = 2;
    writeFile(*settingsFilePath("", "C:\\ROMS\\GB", "Tetris.gb"), writeRomSettings(saved));
    startup();
    openLibrary();
    goTo("tetris");
    EXPECT_EQ(app.selection.rom(), "Tetris.gb");
    EXPECT_EQ(app.selection.choices.frameskip, "7");
    EXPECT_EQ(app.selection.choices.controller, 2);
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.lastText();
}

TEST_F(LibraryWiring, SearchEnterAndRunStartTheEmulatorOnThatRomAndRecordThePlay)
{
    startup();
    openLibrary();
    goTo("zel");
    QTest::mouseClick(ctl<QPushButton>(main(), "Run"), Qt::LeftButton);
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    const NativeStart& started = process.nativeCalls[0];
    EXPECT_EQ(started.program, host("C:\\EMU\\emu").string());
    EXPECT_EQ(started.arguments.back(), host("C:\\ROMS\\GB\\Zelda DX.gbc").string());

    LibraryRow played = historyOf("Zelda DX.gbc");
    EXPECT_EQ(played.timesPlayed, 1);
    EXPECT_GT(played.lastPlayed, 0);
    EXPECT_EQ(played.playSeconds, 0);
    ASSERT_TRUE(started.ended);
    started.ended(125);  // the emulator ends while Kivalto runs
    EXPECT_EQ(historyOf("Zelda DX.gbc").playSeconds, 125);

    // Play (Ctrl+Enter) goes to the ROM and presses Run.
    goTo("zel", Qt::ControlModifier);
    ASSERT_EQ(process.nativeCalls.size(), 2u);
    EXPECT_EQ(historyOf("Zelda DX.gbc").timesPlayed, 2);

    // Renamed, the ROM keeps its history.
    std::filesystem::rename(host("C:\\ROMS\\GB\\Zelda DX.gbc"), host("C:\\ROMS\\GB\\Zelda (renamed).gbc"));
    QSignalSpy done(app.LibraryWindow, &LibraryWindow::indexed);
    app.LibraryWindow->startIndexing();
    ASSERT_TRUE(done.wait(10000));
    const LibraryRow renamed = historyOf("Zelda (renamed).gbc");
    EXPECT_EQ(renamed.timesPlayed, 2);
    EXPECT_EQ(renamed.playSeconds, 125);
}

TEST_F(LibraryWiring, ADosLaunchRecordsItsStartOnly)
{
    startup();
    openLibrary();
    goTo("mario", Qt::ControlModifier);
    ASSERT_EQ(process.calls.size(), 1u);  // the batch file's start
    EXPECT_TRUE(process.nativeCalls.empty());
    const LibraryRow played = historyOf("Mario.smc");
    EXPECT_EQ(played.timesPlayed, 1);
    EXPECT_EQ(played.playSeconds, 0);
}

TEST_F(LibraryWiring, TheCommandLineStartRecordsAPlayOfARomNotYetIndexed)
{
    LibraryDatabase::open(host("C:\\KIVALTO\\library.db"));  // a library, still empty
    RomSettings saved;
    saved.pluginFile = "SNES.XPL";
    writeFile("C:\\ROMS\\Mario.GPF", writeRomSettings(saved));
    app.commandLine = "C:\\ROMS\\Mario.smc";
    startup();
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(historyOf("Mario.smc").timesPlayed, 1);
    EXPECT_EQ(app.LibraryWindow, nullptr);  // the window is still not made
}

TEST_F(LibraryWiring, WithoutALibraryALaunchWritesNothingNew)
{
    startup();
    ctl<FileListBox>(main(), "Plugins")->setFileName("CGB.XPL");
    ASSERT_TRUE(main().openRomFolder("C:\\ROMS\\GB"));
    ASSERT_TRUE(main().selectRomFile("Tetris.gb"));
    main().Run_Click();
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    process.nativeCalls[0].ended(30);
    EXPECT_EQ(app.plays, nullptr);
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));
    EXPECT_EQ(app.LibraryWindow, nullptr);
}

// The controls Tab reaches from the search box, in order.
std::vector<QWidget*> tabOrder(QWidget* first, int count)
{
    std::vector<QWidget*> order;
    QWidget* w = first;
    for (int i = 0; i < count; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden())
            w = w->nextInFocusChain();
        order.push_back(w);
    }
    return order;
}

TEST_F(LibraryWiring, TheLibraryIsReachedByKeyboardInASensibleOrder)
{
    startup();
    LibraryWindow& library = openLibrary();
    EXPECT_EQ(tabOrder(library.searchBox, 8),
              (std::vector<QWidget*>{library.searchBox, library.filterBox, library.table, library.playButton,
                                     library.foldersButton, library.importButton, library.closeButton,
                                     library.searchBox}));
    // While indexing runs, Cancel follows the table, beside the progress.
    library.cancelButton->show();
    EXPECT_EQ(tabOrder(library.table, 3),
              (std::vector<QWidget*>{library.table, library.cancelButton, library.playButton}));
}

} // namespace
} // namespace kivalto::test
