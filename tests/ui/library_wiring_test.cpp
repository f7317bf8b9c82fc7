// SPDX-License-Identifier: GPL-3.0-or-later
// The ROM Library in the program: its menu item, Enter and Play taking the
// main window to a ROM with a plugin that runs it, and the play history
// every launch leaves once a library exists.
#include "fixture.h"

#include "launch/romsettings.h"
#include "library/librarydb.h"
#include "library/windows/librarywindow.h"
#include "library/windows/playrecorder.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace kivalto::test {
namespace {

class LibraryWiring : public KivaltoTest {
protected:
    // Game Boy plugins in the tree's order: an old one without .gbc, one
    // whose emulator is not installed, one that takes every Game Boy ROM;
    // a DOS SNES plugin; none for the PC Engine.
    LibraryWiring()
    {
        writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "", "", "", ""}));
        writeFile("C:\\EMU\\emu", "#!/bin/sh\n");
        std::filesystem::permissions(host("C:\\EMU\\emu"), std::filesystem::perms::owner_all);
        writeFile("C:\\DOSEMU\\ZSNES.EXE", "MZ");
        const char* plugins[][4] = {{"AGB", "*.gb;*.zip", "C:\\EMU\\", "emu"},
                                    {"BGB", "*.gb;*.gbc;*.zip", "C:\\NOWHERE\\", "absent"},
                                    {"CGB", "*.gb;*.gbc;*.zip", "C:\\EMU\\", "emu"},
                                    {"SNES", "*.SMC;*.SFC;*.ZIP", "C:\\DOSEMU\\", "ZSNES"}};
        for (const auto& p : plugins)
            writeFile(std::string("C:\\KIVALTO\\") + p[0] + ".XPL",
                      crlf({p[0], p[1], "-f n", p[2], "", p[3], "ENDOPTS", "ENDDISP"}) + crlf(std::vector<std::string>(65)));
        const char* roms[] = {"C:\\ROMS\\Mario.smc", "C:\\ROMS\\GB\\Zelda DX.gbc", "C:\\ROMS\\GB\\Tetris.gb",
                              "C:\\ROMS\\PCE\\Bonk.pce"};
        for (std::size_t i = 0; i < std::size(roms); ++i)
            writeFile(roms[i], std::string(4096, static_cast<char>('a' + i)));
    }
    QAction* menuItem() { return ctl<QAction>(main(), "romLibrary"); }
    LibraryWindow& openLibrary()
    {
        menuItem()->trigger();
        QSignalSpy done(app.LibraryWindow, &LibraryWindow::indexed);
        EXPECT_TRUE(done.wait(10000));
        return *app.LibraryWindow;
    }
    // Types a search that finds one ROM and presses Enter (Ctrl+Enter: Play).
    void goTo(const char* search, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ctl<QLineEdit>(*app.LibraryWindow, "searchBox")->clear();
        QTest::keyClicks(ctl<QLineEdit>(*app.LibraryWindow, "searchBox"), search);
        ASSERT_EQ(app.LibraryWindow->list().shown().size(), 1u) << search;
        QTest::keyClick(ctl<QTableView>(*app.LibraryWindow, "table"), Qt::Key_Return, modifiers);
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
    // Plugin, ROM folder and ROM of the main window.
    std::vector<std::string> selected() const
    {
        return {app.selection.plugin().pluginName, app.selection.romFolder(), app.selection.rom()};
    }
};

TEST_F(LibraryWiring, TheMenuItemMakesTheLibraryOnlyWhenChosenAndTabFollowsItsRows)
{
    startup();
    EXPECT_EQ(menuItem()->text(), "ROM Library...");
    EXPECT_EQ(menuItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_TRUE(ctl<QMenu>(main(), "MenuFunc")->actions().contains(menuItem()));
    EXPECT_EQ(app.LibraryWindow, nullptr);
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));

    LibraryWindow& library = openLibrary();
    EXPECT_TRUE(exists("C:\\KIVALTO\\library.db"));
    EXPECT_EQ(library.list().rows().size(), 4u);
    ctl<QPushButton>(library, "cancelButton")->show();  // as while indexing runs
    std::vector<QWidget*> order;
    QWidget* w = ctl<QLineEdit>(library, "searchBox");
    for (int steps = 0; order.size() < 8 && steps < 100; ++steps, w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden())
            order.push_back(w);
    EXPECT_EQ(order, (std::vector<QWidget*>{ctl<QLineEdit>(library, "searchBox"), ctl<QComboBox>(library, "filterBox"), ctl<QTableView>(library, "table"), ctl<QPushButton>(library, "cancelButton"),
                                            ctl<QPushButton>(library, "playButton"), ctl<QPushButton>(library, "foldersButton"), ctl<QPushButton>(library, "importButton"),
                                            ctl<QPushButton>(library, "closeButton")}));
}

TEST_F(LibraryWiring, EnterTakesTheMainWindowToTheRomWithAPluginThatRunsIt)
{
    RomSettings saved;
    saved.pluginFile = "CGB.XPL";
    saved.frameskip = "7";
    writeFile(*settingsFilePath("", "C:\\ROMS\\GB", "Tetris.gb"), writeRomSettings(saved));
    startup();
    openLibrary();
    goTo("zelda");  // no plugin active: the first that takes .gbc and whose emulator is here
    EXPECT_EQ(selected(), (std::vector<std::string>{"CGB", "C:\\ROMS\\GB", "Zelda DX.gbc"}));
    EXPECT_TRUE(main().emulatorActive());
    EXPECT_NE(ctl<QLineEdit>(main(), "ROMNAME")->text().indexOf("Zelda DX.gbc"), -1);
    goTo("tetris");  // the active plugin takes it and stays; its settings are loaded
    EXPECT_EQ(selected(), (std::vector<std::string>{"CGB", "C:\\ROMS\\GB", "Tetris.gb"}));
    EXPECT_EQ(app.selection.choices.frameskip, "7");
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.lastText();
    goTo("bonk");  // no PC Engine plugin: a message, and nothing moves
    EXPECT_NE(dialogs.lastText().find("No plugin for PC ENGINE"), std::string::npos) << dialogs.lastText();
    EXPECT_EQ(selected(), (std::vector<std::string>{"CGB", "C:\\ROMS\\GB", "Tetris.gb"}));
    goTo("mario");
    EXPECT_EQ(selected(), (std::vector<std::string>{"SNES", "C:\\ROMS", "Mario.smc"}));
    EXPECT_EQ(main().romFiles(), std::vector<std::string>{"Mario.smc"});
    EXPECT_TRUE(process.calls.empty() && process.nativeCalls.empty());  // Enter runs nothing
}

TEST_F(LibraryWiring, SearchEnterAndRunStartTheEmulatorOnThatRomAndThePlayIsKeptAcrossARename)
{
    startup();
    openLibrary();
    goTo("zel");
    QTest::mouseClick(ctl<QPushButton>(main(), "Run"), Qt::LeftButton);
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    EXPECT_EQ(process.nativeCalls[0].program, host("C:\\EMU\\emu").string());
    EXPECT_EQ(process.nativeCalls[0].arguments.back(), host("C:\\ROMS\\GB\\Zelda DX.gbc").string());
    EXPECT_EQ(historyOf("Zelda DX.gbc").timesPlayed, 1);
    process.nativeCalls[0].ended(125);  // the emulator ends while Kivalto runs
    goTo("zel", Qt::ControlModifier);   // Play
    ASSERT_EQ(process.nativeCalls.size(), 2u);
    EXPECT_EQ(historyOf("Zelda DX.gbc").timesPlayed, 2);

    std::filesystem::rename(host("C:\\ROMS\\GB\\Zelda DX.gbc"), host("C:\\ROMS\\GB\\Zelda (renamed).gbc"));
    QSignalSpy done(app.LibraryWindow, &LibraryWindow::indexed);
    app.LibraryWindow->startIndexing();
    ASSERT_TRUE(done.wait(10000));
    const LibraryRow renamed = historyOf("Zelda (renamed).gbc");
    EXPECT_EQ(renamed.timesPlayed, 2);
    EXPECT_EQ(renamed.playSeconds, 125);
}

TEST_F(LibraryWiring, DosAndCommandLineLaunchesRecordTheirStartOnlyAndNothingWithoutALibrary)
{
    RomSettings saved;
    saved.pluginFile = "SNES.XPL";
    writeFile("C:\\ROMS\\Mario.GPF", writeRomSettings(saved));
    app.commandLine = "C:\\ROMS\\Mario.smc";
    startup();  // the command-line start, still without a library
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(app.plays, nullptr);
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));

    LibraryDatabase::open(host("C:\\KIVALTO\\library.db"));  // a library, still empty
    clickButton("Run");  // the DOS road: Mario.smc is hashed after the start
    ASSERT_EQ(process.calls.size(), 2u);
    const LibraryRow played = historyOf("Mario.smc");
    EXPECT_EQ(played.timesPlayed, 1);
    EXPECT_EQ(played.playSeconds, 0);
    EXPECT_EQ(app.LibraryWindow, nullptr);
}

} // namespace
} // namespace kivalto::test
