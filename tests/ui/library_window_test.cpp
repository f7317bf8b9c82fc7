// SPDX-License-Identifier: GPL-3.0-or-later
// The ROM Library window: created only when opened, indexing off the UI
// thread, search as you type, the keys that pick, play and mark a ROM,
// DAT import and added folders, and what a screen reader is told.
#include "fixture.h"

#include "library/windows/libraryfolderswindow.h"
#include "library/windows/librarywindow.h"
#include "library/windows/playrecorder.h"
#include "library/librarydb.h"
#include "library/romdigest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace kivalto::test {
namespace {

std::string bytesOf(std::size_t size, unsigned seed)
{
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>((i * 31 + seed * 7) ^ (i >> 8));
    return out;
}

class LibraryWindowTest : public KivaltoTest {
protected:
    LibraryWindowTest()
    {
        writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "", "", "", ""}));
        writeFile("C:\\ROMS\\Zelda.sfc", bytesOf(4096, 1));
        writeFile("C:\\ROMS\\Mario.smc", bytesOf(4096, 2));
        writeFile("C:\\ROMS\\sub\\Pokemon Red.gb", bytesOf(4096, 3));
        writeFile("C:\\ROMS\\readme.txt", "not a ROM");
    }
    ~LibraryWindowTest() override { window.reset(); }

    void openAndWait()
    {
        if (!window)
            window = std::make_unique<LibraryWindow>(app);
        QSignalSpy done(window.get(), &LibraryWindow::indexed);
        window->openLibrary();
        ASSERT_TRUE(done.wait(10000));
    }
    std::vector<std::string> shownNames() const
    {
        std::vector<std::string> out;
        for (int r = 0; r < ctl<QTableView>(*window, "table")->model()->rowCount(); ++r)
            out.push_back(ctl<QTableView>(*window, "table")->model()->index(r, 1).data().toString().toStdString());
        return out;
    }
    std::unique_ptr<LibraryWindow> window;
};

TEST_F(LibraryWindowTest, NothingIsWrittenUntilTheLibraryIsOpened)
{
    window = std::make_unique<LibraryWindow>(app);
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));
    openAndWait();
    EXPECT_TRUE(exists("C:\\KIVALTO\\library.db"));
    EXPECT_EQ(window->windowTitle(), "ROM Library");
    EXPECT_EQ(shownNames(), (std::vector<std::string>{"Mario", "Pokemon Red", "Zelda"}));
    EXPECT_EQ(ctl<QLabel>(*window, "statusLine")->text(), "3 ROMs");
    EXPECT_FALSE(ctl<QProgressBar>(*window, "progress")->isVisible());
}

TEST_F(LibraryWindowTest, TypingFiltersAndEnterOrPlayHandOnTheRom)
{
    openAndWait();
    QSignalSpy goTo(window.get(), &LibraryWindow::goToRom);
    QSignalSpy play(window.get(), &LibraryWindow::playRom);
    QTest::keyClicks(ctl<QLineEdit>(*window, "searchBox"), "red GAMEBOY");
    EXPECT_EQ(shownNames(), std::vector<std::string>{"Pokemon Red"});
    QTest::keyClick(ctl<QLineEdit>(*window, "searchBox"), Qt::Key_Return);
    ASSERT_EQ(goTo.count(), 1);
    EXPECT_EQ(window->currentRom()->path, host("C:\\ROMS\\sub\\Pokemon Red.gb").string());
    QTest::keyClick(ctl<QTableView>(*window, "table"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(play.count(), 1);
    QTest::mouseClick(ctl<QPushButton>(*window, "playButton"), Qt::LeftButton);
    EXPECT_EQ(play.count(), 2);
    QTest::keyClick(ctl<QTableView>(*window, "table"), Qt::Key_Return);
    EXPECT_EQ(goTo.count(), 2);

    ctl<QLineEdit>(*window, "searchBox")->clear();
    ctl<QComboBox>(*window, "filterBox")->setCurrentText("Not Verified");
    EXPECT_EQ(shownNames().size(), 3u);
    ctl<QComboBox>(*window, "filterBox")->setCurrentText("Favourites");
    EXPECT_TRUE(shownNames().empty());
}

TEST_F(LibraryWindowTest, SpaceMarksAFavouriteThatIsKept)
{
    openAndWait();
    ctl<QTableView>(*window, "table")->setFocus();
    ctl<QTableView>(*window, "table")->selectRow(2);
    QTest::keyClick(ctl<QTableView>(*window, "table"), Qt::Key_Space);
    EXPECT_EQ(ctl<QTableView>(*window, "table")->model()->index(2, 0).data(Qt::AccessibleTextRole).toString(), "Favourite");
    window.reset();
    openAndWait();
    ctl<QComboBox>(*window, "filterBox")->setCurrentText("Favourites");
    EXPECT_EQ(shownNames(), std::vector<std::string>{"Zelda"});
}

TEST_F(LibraryWindowTest, AnImportedDatNamesAndVerifiesTheRoms)
{
    openAndWait();
    const RomDigest d = digestOf(bytesOf(4096, 1));
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", d.crc32);
    writeFile("C:\\DOWNLOAD\\snes.dat",
              "<?xml version=\"1.0\"?>\n<datafile>\n<game name=\"The Legend of Zelda (USA) (Rev 1)\"><rom name=\"z.sfc\" "
              "size=\"4096\" crc=\"" + std::string(crc) + "\" sha1=\"" + d.sha1 + "\"/></game>\n<game name=\"x\"><oops>\n");
    dialogs.files.push_back("C:\\DOWNLOAD\\snes.dat");
    QSignalSpy done(window.get(), &LibraryWindow::indexed);
    QTest::mouseClick(ctl<QPushButton>(*window, "importButton"), Qt::LeftButton);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(readFile("C:\\KIVALTO\\DAT\\snes.dat"), readFile("C:\\DOWNLOAD\\snes.dat"));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.lastText().find("A DAT file is damaged: snes.dat: line 5: "), std::string::npos) << dialogs.lastText();
    QTest::keyClicks(ctl<QLineEdit>(*window, "searchBox"), "zelda");
    ASSERT_EQ(shownNames(), std::vector<std::string>{"The Legend of Zelda (USA) (Rev 1)"});
    const QAbstractItemModel* m = ctl<QTableView>(*window, "table")->model();
    EXPECT_EQ(m->index(0, 2).data().toString(), "SNES");
    EXPECT_EQ(m->index(0, 3).data().toString(), "USA");
    EXPECT_EQ(m->index(0, 4).data().toString(), "Verified");
}

TEST_F(LibraryWindowTest, AddedFoldersAreIndexedAndKeptOutOfPresets)
{
    writeFile("C:\\KIVALTO\\presets.dat", crlf({"C:\\ROMS"}));
    writeFile("C:\\MORE\\Sonic.gg", bytesOf(2048, 9));
    openAndWait();
    const std::string presetsBefore = readFile("C:\\KIVALTO\\presets.dat");
    window->chooseFolder = [this] { return host("C:\\MORE").string(); };
    QTest::mouseClick(ctl<QPushButton>(*window, "foldersButton"), Qt::LeftButton);
    auto* folders = window->findChild<LibraryFoldersWindow*>();
    ASSERT_NE(folders, nullptr);
    QSignalSpy done(window.get(), &LibraryWindow::indexed);
    QTest::mouseClick(ctl<QPushButton>(*folders, "addButton"), Qt::LeftButton);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(shownNames().size(), 4u);
    EXPECT_EQ(readFile("C:\\KIVALTO\\presets.dat"), presetsBefore);

    ctl<QListWidget>(*folders, "folderList")->setCurrentRow(0);
    QTest::mouseClick(ctl<QPushButton>(*folders, "removeButton"), Qt::LeftButton);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(shownNames().size(), 3u);
}

TEST_F(LibraryWindowTest, ADamagedLibraryIsReplacedWithANotice)
{
    writeFile("C:\\KIVALTO\\library.db", std::string(5000, 'x'));
    openAndWait();
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.boxes[0].text.rfind("library.db was damaged, so it was renamed library.db.damaged-", 0), 0u)
        << dialogs.boxes[0].text;
    EXPECT_EQ(shownNames().size(), 3u);
}

TEST_F(LibraryWindowTest, EveryControlIsNamedAndReachable)
{
    openAndWait();
    EXPECT_EQ(ctl<QTableView>(*window, "table")->accessibleName(), "ROMs");
    bool searchLabelled = false;
    for (auto* label : window->findChildren<QLabel*>())
        searchLabelled = searchLabelled || (label->buddy() == ctl<QLineEdit>(*window, "searchBox") && label->text() == "&Search:");
    EXPECT_TRUE(searchLabelled);
    for (QPushButton* b : {ctl<QPushButton>(*window, "playButton"), ctl<QPushButton>(*window, "foldersButton"), ctl<QPushButton>(*window, "importButton"), ctl<QPushButton>(*window, "closeButton")})
        EXPECT_NE(b->focusPolicy() & Qt::TabFocus, 0) << b->text().toStdString();
    std::vector<std::string> captions;
    for (QPushButton* b : {ctl<QPushButton>(*window, "playButton"), ctl<QPushButton>(*window, "foldersButton"), ctl<QPushButton>(*window, "importButton"), ctl<QPushButton>(*window, "closeButton")})
        captions.push_back(b->text().remove('&').toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"Play", "Folders...", "Import DAT...", "Close"}));
    std::vector<std::string> filters;
    for (int i = 0; i < ctl<QComboBox>(*window, "filterBox")->count(); ++i)
        filters.push_back(ctl<QComboBox>(*window, "filterBox")->itemText(i).toStdString());
    EXPECT_EQ(filters, (std::vector<std::string>{"All", "Favourites", "Recently Played", "Not Verified"}));
    std::vector<std::string> headings;
    for (int c = 0; c < kLibraryColumnCount; ++c)
        headings.push_back(ctl<QTableView>(*window, "table")->model()->headerData(c, Qt::Horizontal, Qt::AccessibleTextRole).toString().toStdString());
    EXPECT_EQ(headings, (std::vector<std::string>{"Favourite", "Name", "System", "Region", "Status", "Played",
                                                  "Last Played", "Play Time"}));
}

TEST_F(LibraryWindowTest, LaunchesAreRecordedOffTheUiThreadOnceALibraryExists)
{
    const auto programDir = host("C:\\KIVALTO");
    const auto rom = host("C:\\ROMS\\Zelda.sfc");
    {
        PlayRecorder recorder(programDir);
        recorder.ended(recorder.launched(rom), 60);
        recorder.waitUntilRecorded();
    }
    EXPECT_FALSE(exists("C:\\KIVALTO\\library.db"));

    openAndWait();
    {
        PlayRecorder recorder(programDir);
        recorder.ended(recorder.launched(rom), 95);
        recorder.launched(rom);  // its end is never seen
    }
    std::filesystem::rename(rom, host("C:\\ROMS\\Renamed.sfc"));
    window.reset();
    openAndWait();
    ctl<QComboBox>(*window, "filterBox")->setCurrentText("Recently Played");
    ASSERT_EQ(shownNames(), std::vector<std::string>{"Renamed"});
    const QAbstractItemModel* m = ctl<QTableView>(*window, "table")->model();
    EXPECT_EQ(m->index(0, 5).data().toString(), "2");
    EXPECT_EQ(m->index(0, 7).data().toString(), "0:01:35");
}

} // namespace
} // namespace kivalto::test
