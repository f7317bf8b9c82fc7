// SPDX-License-Identifier: GPL-3.0-or-later
// A scan beyond the list's capacity, and a slow scan's progress.
#include "fixture.h"
#include "roms/romcatalogue.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/romscan.h"
#include "roms/windows/scanprogress.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

namespace kivalto {
namespace {

class RomScan : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        app.Snesmain = new Snesmain(app);
        makeFolder("C:\\ROMS");
    }
    void scan()
    {
        ctl<FileListBox>(main(), "File1")->setPath("C:\\ROMS");
        ctl<FileListBox>(main(), "File1")->setPattern("*.ZIP");
        ScanRomDirectory(app);
    }
};

TEST_F(RomScan, AFolderBeyondTheListSaysOncePerScanThatOnlyTheFirstEntriesAreListed)
{
    const std::string notice =
        "This folder holds more entries than the ROM list can show: only the first 32 767 entries are listed.";
    const auto folder = host("C:\\ROMS");
    char name[16];
    for (std::size_t i = 0; i + 1 < kMaxRomEntries; ++i) {
        std::snprintf(name, sizeof name, "%05zu.ZIP", i);
        std::ofstream(folder / name);
    }
    scan();  // 32 766 files and "UP" fill the list exactly
    EXPECT_EQ(main().catalogue().text(static_cast<int>(kMaxRomEntries)), "UP");
    EXPECT_TRUE(dialogs.boxes.empty());

    std::ofstream(folder / "99999.ZIP");
    scan();
    EXPECT_EQ(main().catalogue().count(), static_cast<int>(kMaxRomEntries));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.lastText(), notice);
    scan();
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

// Counts the key presses that reach a widget.
struct KeyCounter : QObject {
    int keys = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        keys += e->type() == QEvent::KeyPress;
        return false;
    }
};

TEST_F(RomScan, ASlowScanShowsItsProgressInTheStatusAreaAndDropsInputUntilItEnds)
{
    main().catalogue().setEntries({{"OLD", kRomIcon}});
    KeyCounter counter;
    ctl<QPushButton>(main(), "Run")->installEventFilter(&counter);
    {
        ScanProgress progress(main(), main().catalogue(), 40);
        progress.filesRead(1);
        EXPECT_EQ(main().findChild<QProgressBar*>("scanProgress"), nullptr);  // quick scans show nothing
        QThread::msleep(ScanProgress::kShowAfterMs + 20);
        progress.filesRead(25);
        auto* bar = main().findChild<QProgressBar*>("scanProgress");
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->isHidden());
        EXPECT_FALSE(main().statusBar()->isHidden());
        EXPECT_EQ(bar->maximum(), 40);
        EXPECT_EQ(bar->value(), 25);
        EXPECT_EQ(bar->text(), "Reading ROM titles: 25 of 40 files");
        EXPECT_EQ(main().catalogue().count(), 0);  // the old folder's list is gone

        QApplication::postEvent(ctl<QPushButton>(main(), "Run"), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        QThread::msleep(ScanProgress::kPaintIntervalMs + 5);
        progress.filesRead(26);  // the clock is looked at only every few files
        EXPECT_EQ(bar->value(), 25);
        progress.filesRead(25 + ScanProgress::kFilesPerLook);
        EXPECT_EQ(bar->value(), 25 + static_cast<int>(ScanProgress::kFilesPerLook));
    }
    EXPECT_TRUE(main().statusBar()->isHidden());
    QApplication::processEvents();
    EXPECT_EQ(counter.keys, 0);
    QApplication::postEvent(ctl<QPushButton>(main(), "Run"), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    QApplication::processEvents();
    EXPECT_EQ(counter.keys, 1);
}

} // namespace
} // namespace kivalto
