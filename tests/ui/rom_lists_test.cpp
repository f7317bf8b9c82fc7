// SPDX-License-Identifier: GPL-3.0-or-later
// The title list, the file list and their menu commands.
#include "fixture.h"
#include "plugins/pluginfile.h"
#include "roms/romcatalogue.h"
#include "roms/windows/chpath.h"
#include "roms/windows/romcataloguemodel.h"
#include "ui/windows/errorfrm.h"

#include <QTest>

namespace kivalto {
namespace {

std::string romImage(const std::string& title)
{
    std::string data(40000, '\0');
    data.replace(33216, title.size(), title);
    return data;
}

class RomLists : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\paths.dat", "C:\\ROMS\\\r\n\r\nC:\\KIVALTO\\\r\n");
        writeFile("C:\\ROMS\\Mario.smc", romImage("SUPER MARIOWORLD"));
        writeFile("C:\\ROMS\\Mario, Luigi.zip", "PK");
        writeFile("C:\\ROMS\\readme.txt", "text");
        makeFolder("C:\\ROMS\\Snes");
        writeFile("C:\\ROMS\\Snes\\Zelda.sfc", romImage("ZELDA NO DENSETSU"));
    }
    std::vector<RomEntry> shown() { return main().catalogue().entries(); }
    std::string romName() { return ctl<QLineEdit>(main(), "ROMNAME")->text().toStdString(); }
    void restart()
    {
        destroyWindows(app);
        startup();
    }
};

TEST_F(RomLists, StartupScanFillsTheListAndClicksFollowThePositionRule)
{
    startup();
    EXPECT_EQ(ctl<QListView>(main(), "ListView1")->model(), &main().catalogue());
    EXPECT_EQ(shown(), (std::vector<RomEntry>{{"MARIO, LUIGI*", kRomIcon},
                                              {"SUPER MARIOWORLD", kRomIcon},
                                              {"SNES", kFolderIcon},
                                              {"UP", kUpIcon}}));
    EXPECT_FALSE(main().catalogue().index(3).data(Qt::DecorationRole).value<QIcon>().isNull());

    clickTitleEntry(2);
    EXPECT_EQ(main().clickedTitle(), 2);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->ListIndex(), 1);
    EXPECT_EQ(romName(), "Mario.smc (SUPER MARIOWORLD)");
    clickTitleEntry(3);
    EXPECT_EQ(romName(), "SNES");
    EXPECT_TRUE(ctl<QLabel>(main(), "romimage")->pixmap().isNull());

    // A click in the view itself goes the same way.
    ctl<QListView>(main(), "ListView1")->setCurrentIndex(main().catalogue().index(0));
    EXPECT_EQ(main().clickedTitle(), 1);
    EXPECT_EQ(romName(), "Mario, Luigi.zip (MARIO, LUIGI*)");

    // Clicking the current entry again after picking another file in the
    // file list selects the entry's file again.
    ctl<FileListBox>(main(), "File1")->setListIndex(1);
    EXPECT_EQ(romName(), "Mario.smc (SUPER MARIOWORLD)");
    emit ctl<QListView>(main(), "ListView1")->clicked(main().catalogue().index(0));
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->ListIndex(), 0);
    EXPECT_EQ(romName(), "Mario, Luigi.zip (MARIO, LUIGI*)");
    ctl<QListView>(main(), "ListView1")->setCurrentIndex(main().catalogue().index(2));
    ctl<FileListBox>(main(), "File1")->setListIndex(1);
    emit ctl<QListView>(main(), "ListView1")->clicked(main().catalogue().index(2));
    EXPECT_EQ(romName(), "SNES");
}

// What a window system delivers for a double-click: press, release, press,
// double-click, release.
void doubleClick(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// Opening a folder or "UP" by mouse or keyboard leaves no ROM selected,
// although the pressed row of the old list now holds a ROM of the new one.
TEST_F(RomLists, OpeningAFolderSelectsNoRom)
{
    writeFile("C:\\ROMS\\Top.zip", "PK");
    makeFolder("C:\\ROMS\\ALPHA");
    for (const char* name : {"a.zip", "b.zip", "c.zip"})
        writeFile(std::string("C:\\ROMS\\Snes\\") + name, "PK");
    settings.save("Kivalto", "Options", "Show Filenames", "0");
    // An emulator for the file list's masks, so that Run can be pressed.
    EmulatorPlugin snes;
    snes.emulatorName = "SNES v1";
    snes.exeName = "SNES.EXE";
    snes.defaultDir = "C:\\SNES\\";
    snes.fileSpec = "*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ";
    writeFile("C:\\KIVALTO\\SNES.XPL", writePluginFile(snes));
    startup();
    ctl<FileListBox>(main(), "Plugins")->setFileName("SNES.XPL");
    ASSERT_TRUE(main().emulatorActive());
    app.errorfrm->hide();  // what the start-up reported (no LOOKUP.DAT)
    QListView* view = ctl<QListView>(main(), "ListView1");
    // Keys go to the focused control of the active window.
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    const auto row = [&](const std::string& text) {
        for (int p = 1; p <= main().catalogue().count(); ++p)
            if (main().catalogue().text(p) == text)
                return main().catalogue().index(p - 1);
        return QModelIndex();
    };
    for (const char* folder : {"SNES", "UP"}) {
        doubleClick(view, row(folder));
        EXPECT_EQ(main().clickedTitle(), 0) << folder;
        EXPECT_FALSE(view->currentIndex().isValid());
        EXPECT_EQ(romName(), "");
        EXPECT_TRUE(ctl<QLabel>(main(), "romimage")->pixmap().isNull());
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);  // Enter on the list opens nothing now
        clickButton("Run");
        EXPECT_TRUE(app.errorfrm->isVisible());
        EXPECT_TRUE(process.calls.empty());
        app.errorfrm->hide();
    }
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
}

TEST_F(RomLists, DynamicRomsOffSavesTheListAndTheNextStartShowsIt)
{
    startup();
    ctl<QAction>(main(), "dynROMs")->trigger();
    EXPECT_FALSE(ctl<QAction>(main(), "dynROMs")->isChecked());
    EXPECT_EQ(app.option("Dynamic ROMs"), "0");
    EXPECT_EQ(readFile("C:\\KIVALTO\\static.dat"), "MARIO, LUIGI*\r\nSUPER MARIOWORLD\r\nSNES\r\nUP\r\n");

    writeFile("C:\\ROMS\\Aladdin.zip", "PK");  // not scanned: the saved list is shown
    restart();
    EXPECT_EQ(shown(), (std::vector<RomEntry>{{"MARIO", kRomIcon},
                                              {"LUIGI*", kRomIcon},
                                              {"SUPER MARIOWORLD", kRomIcon},
                                              {"SNES", kRomIcon},
                                              {"UP", kRomIcon}}));
    // Switching back on changes nothing now and saves "1".
    ctl<QAction>(main(), "dynROMs")->trigger();
    EXPECT_EQ(app.option("Dynamic ROMs"), "1");
    EXPECT_EQ(shown().size(), 5u);
}

TEST_F(RomLists, UnwritableStaticListKeepsDynamicRomsOn)
{
    makeFolder("C:\\KIVALTO\\STATIC.DAT");  // a folder cannot be replaced by the file
    startup();
    ctl<QAction>(main(), "dynROMs")->trigger();
    EXPECT_TRUE(ctl<QAction>(main(), "dynROMs")->isChecked());
    EXPECT_EQ(app.option("Dynamic ROMs"), "1");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_NE(dialogs.lastText().find("static.dat"), std::string::npos);
}

TEST_F(RomLists, MissingStaticListGivesAnEmptyListAndSaysSo)
{
    settings.save("Kivalto", "Options", "Dynamic ROMs", "0");
    startup();
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(app.errorfrm->isVisible());
    EXPECT_NE(app.errorfrm->text().find("static.dat"), std::string::npos);
}

TEST_F(RomLists, ShowFilenamesAndShowAllFiles)
{
    settings.save("Kivalto", "Options", "Show Filenames", "0");
    startup();
    EXPECT_TRUE(ctl<QListView>(main(), "ListView1")->isVisible());
    ctl<QAction>(main(), "menshowfile")->trigger();
    EXPECT_EQ(app.option("Show Filenames"), "1");
    EXPECT_TRUE(ctl<FileListBox>(main(), "File1")->isVisible());
    EXPECT_FALSE(ctl<QListView>(main(), "ListView1")->isVisible());
    ctl<QAction>(main(), "menshowfile")->trigger();
    EXPECT_EQ(app.option("Show Filenames"), "0");
    EXPECT_TRUE(ctl<QListView>(main(), "ListView1")->isVisible());

    writeFile("C:\\ROMS\\x1.txt", "");
    writeFile("C:\\ROMS\\x2.txt", "");
    chooseMenuItem("showall");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.*");
    EXPECT_TRUE(ctl<QAction>(main(), "menshowfile")->isChecked());
    EXPECT_EQ(app.option("Show Filenames"), "0");
    EXPECT_TRUE(ctl<FileListBox>(main(), "File1")->isVisible());
    EXPECT_EQ(shown().size(), 4u);  // not rescanned
    // A file beyond the title list has no title.
    ctl<FileListBox>(main(), "File1")->setListIndex(2);
    EXPECT_EQ(romName(), "readme.txt (SNES)");  // paired by position only
    ctl<FileListBox>(main(), "File1")->setListIndex(4);
    EXPECT_EQ(romName(), "x2.txt ()");
}

TEST_F(RomLists, LaunchTogglesFlipAndOnlyShortenIsSaved)
{
    startup();
    const bool shorten = ctl<QAction>(main(), "MenuShorten")->isChecked();
    ctl<QAction>(main(), "MenuShorten")->trigger();
    EXPECT_NE(ctl<QAction>(main(), "MenuShorten")->isChecked(), shorten);
    EXPECT_EQ(app.option("MenuShorten"), shorten ? "0" : "1");
    EXPECT_FALSE(ctl<QAction>(main(), "ROMMame")->isChecked());
    ctl<QAction>(main(), "ROMMame")->trigger();
    EXPECT_TRUE(ctl<QAction>(main(), "ROMMame")->isChecked());
}

TEST_F(RomLists, FolderEntriesOpenTheFolderAndUpGoesBack)
{
    startup();
    doubleClickTitleEntry(3);  // SNES, the folder Snes
    EXPECT_EQ(fs.absolute(ctl<FileListBox>(main(), "File1")->Path()), "C:\\ROMS\\SNES");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text().toStdString(), "C:\\ROMS\\SNES");
    EXPECT_EQ(shown(), (std::vector<RomEntry>{{"ZELDA NO DENSETSU", kRomIcon}, {"UP", kUpIcon}}));
    EXPECT_FALSE(app.chpath->isVisible());

    doubleClickTitleEntry(2);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
    EXPECT_EQ(shown().size(), 4u);
}

TEST_F(RomLists, UpAtADriveRootStaysAndRescans)
{
    startup();
    doubleClickTitleEntry(4);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\");
    writeFile("C:\\Aladdin.zip", "PK");
    doubleClickTitleEntry(main().catalogue().count());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text().toStdString(), "C:\\");
    EXPECT_EQ(shown().front(), (RomEntry{"ALADDIN*", kRomIcon}));
    EXPECT_EQ(shown().back(), (RomEntry{"UP", kUpIcon}));
}

} // namespace
} // namespace kivalto
