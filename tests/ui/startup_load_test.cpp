// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "app/windows/Splash.h"
#include "fixture.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace kivalto;
using KivaltoStartup = test::KivaltoTest;

namespace {
// Which windows exist when the progress bar takes each value.
struct Step {
    int value;
    int windows;
};
int loadedWindows(const App& a)
{
    const void* all[] = {a.Snesmain, a.Paths,   a.chpath,     a.keyconfig, a.Jukebox, a.Editor, a.keyview,
                         a.addnew,   a.sneskeycon, a.nonadv, a.chtcodefrm, a.frmTip};
    int n = 0;
    for (const void* w : all)
        n += w != nullptr;
    return n;
}
} // namespace

TEST_F(KivaltoStartup, LoadsTheWindowsInOrderWhileTheProgressBarStepsBySeven)
{
    app.Splash = new Splash(app);
    app.Splash->Form_Load();
    std::vector<Step> steps;
    QObject::connect(ctl<QProgressBar>(*app.Splash, "loadbar"), &QProgressBar::valueChanged,
                     [&](int v) { steps.push_back({v, loadedWindows(app)}); });
    app.Splash->setProgress(0);
    startup();
    std::vector<Step> expected{{0, 0}};
    for (int i = 1; i <= 14; ++i)
        expected.push_back({7 * i, i - (i >= 4) - (i >= 6) - (i >= 14)});
    expected.push_back({100, 11});
    ASSERT_EQ(steps.size(), expected.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].value, expected[i].value) << i;
        EXPECT_EQ(steps[i].windows, expected[i].windows) << "at " << steps[i].value;
    }
    EXPECT_EQ(ctl<QLabel>(*app.Splash, "lblVersion")->text(), "Version 3.4.0");
    EXPECT_EQ(ctl<QLabel>(*app.Splash, "lblProductName")->text(), "Kivalto");
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(app.Splash->isVisible());
    EXPECT_NE(app.frmTip, nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{app.Paths, app.mesage})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(KivaltoStartup, AFreshStoreSwitchesAllFourOptionsOn)
{
    startup();
    EXPECT_TRUE(ctl<QAction>(main(), "dynROMs")->isChecked());
    EXPECT_TRUE(ctl<QAction>(main(), "menshowfile")->isChecked());
    EXPECT_TRUE(ctl<QAction>(main(), "nostest")->isChecked());
    EXPECT_TRUE(ctl<QAction>(main(), "MenuShorten")->isChecked());
    EXPECT_TRUE(ctl<FileListBox>(main(), "File1")->isVisible());
    EXPECT_FALSE(ctl<QListView>(main(), "ListView1")->isVisible());
}

TEST_F(KivaltoStartup, StoredZerosClearTheCheckMarksAndShowTheTitleList)
{
    for (const char* key : {"Dynamic ROMs", "Show Filenames", "NOtest", "MenuShorten"})
        settings.save("Kivalto", "Options", key, "0");
    startup();
    EXPECT_FALSE(ctl<QAction>(main(), "dynROMs")->isChecked());
    EXPECT_FALSE(ctl<QAction>(main(), "menshowfile")->isChecked());
    EXPECT_FALSE(ctl<QAction>(main(), "nostest")->isChecked());
    EXPECT_FALSE(ctl<QAction>(main(), "MenuShorten")->isChecked());
    EXPECT_TRUE(ctl<QListView>(main(), "ListView1")->isVisible());
    EXPECT_FALSE(ctl<FileListBox>(main(), "File1")->isVisible());
}

TEST_F(KivaltoStartup, PathsDatSetsTheRomDirectoryBeforeTheScan)
{
    makeFolder("C:\\ROMS");
    writeFile("C:\\ROMS\\MARIO.SMC", "x");
    writeFile("C:\\KIVALTO\\PATHS.DAT", "C:\\ROMS\\\r\nC:\\SPC\\\r\nC:\\KIVALTO\\\r\n");
    startup();
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text(), "C:\\ROMS\\");
    EXPECT_EQ(app.path(PathField::GUIDIr), "C:\\KIVALTO\\");
}

TEST_F(KivaltoStartup, EveryStartRenewsThePifCopies)
{
    writeFile("C:\\KIVALTO\\sneswin.pit", "program=snesexec.bat\r\nmode=window\r\n");
    writeFile("C:\\KIVALTO\\SNESDOS.PIT", "program=snesexec.bat\r\nmode=fullscreen\r\n");
    writeFile("C:\\KIVALTO\\SNESWIN.PIF", "changed by the user");
    entryRoutine(app);
    EXPECT_TRUE(app.Splash->isVisible());
    EXPECT_EQ(ctl<QProgressBar>(*app.Splash, "loadbar")->value(), 0);
    EXPECT_EQ(readFile("sneswin.pif"), "program=snesexec.bat\r\nmode=window\r\n");
    EXPECT_EQ(readFile("snesdos.pif"), "program=snesexec.bat\r\nmode=fullscreen\r\n");
    EXPECT_TRUE(std::filesystem::exists(host("C:\\KIVALTO\\SNESWIN.PIF")));  // the existing file, whatever its case
    EXPECT_TRUE(std::filesystem::exists(host("C:\\KIVALTO\\snesdos.pif")));   // a new one gets the given case
    EXPECT_TRUE(dialogs.boxes.empty());
    // The splash timer runs the start-up load once.
    waitForStartupLoad();
    ASSERT_NE(app.Snesmain, nullptr);
    EXPECT_FALSE(ctl<QTimer>(*app.Splash, "Timer1")->isActive());
    EXPECT_TRUE(main().isVisible());
}

TEST_F(KivaltoStartup, AMissingTemplateIsReportedAndStartUpGoesOn)
{
    writeFile("C:\\KIVALTO\\snesdos.pit", "mode=fullscreen\r\n");
    entryRoutine(app);
    // No box holds up the start: the notice waits for the main window.
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(readFile("snesdos.pif"), "mode=fullscreen\r\n");
    EXPECT_FALSE(exists("sneswin.pif"));
    waitForStartupLoad();
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(app.quitRequested);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(app.errorfrm->isVisible());
    EXPECT_NE(app.errorfrm->text().find(
                  "The launch template sneswin.pit could not be copied to sneswin.pif: Cannot read "
                  "C:\\KIVALTO\\sneswin.pit. Games cannot be started until it is restored in the Kivalto directory."),
              std::string::npos);
}

TEST_F(KivaltoStartup, SplashEventsHideIt)
{
    startup();
    Splash& s = *app.Splash;
    s.show();
    ctl<QPushButton>(s, "Command1")->click();  // "Click to Close"
    EXPECT_FALSE(s.isVisible());
    s.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&s, &key);
    EXPECT_FALSE(s.isVisible());
    s.show();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(ctl<QFrame>(s, "Frame1"), &click);
    EXPECT_FALSE(s.isVisible());
}

TEST_F(KivaltoStartup, QuitAndClosingTheMainWindowEndTheProgram)
{
    startup();
    ctl<QPushButton>(main(), "QUIT")->click();
    EXPECT_TRUE(app.quitRequested);
    app.quitRequested = false;
    app.Paths->show();
    main().close();
    EXPECT_TRUE(app.quitRequested);
}

// The windows are built while the splash waits for its timer; the load
// steps still come with the timer, in order, and give the same start.
TEST_F(KivaltoStartup, WindowsBuiltInTheSplashWaitLoadOnlyWithTheTimer)
{
    makeFolder("C:\\ROMS");
    writeFile("C:\\ROMS\\MARIO.SMC", "x");
    writeFile("C:\\KIVALTO\\PATHS.DAT", "C:\\ROMS\\\r\nC:\\SPC\\\r\nC:\\KIVALTO\\\r\n");
    entryRoutine(app);
    QTimer* timer = ctl<QTimer>(*app.Splash, "Timer1");
    timer->stop();  // a long wait: every window is built in it
    const auto before = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 40; ++i)
        QApplication::processEvents();
    EXPECT_GE(QApplication::topLevelWidgets().size(), before + 13);
    EXPECT_EQ(loadedWindows(app), 0);
    EXPECT_EQ(app.errorfrm, nullptr);
    EXPECT_EQ(app.mesage, nullptr);

    std::vector<Step> steps;
    QObject::connect(ctl<QProgressBar>(*app.Splash, "loadbar"), &QProgressBar::valueChanged,
                     [&](int v) { steps.push_back({v, loadedWindows(app)}); });
    timer->start(0);
    waitForStartupLoad();
    ASSERT_EQ(steps.size(), 15u);
    for (int i = 1; i <= 14; ++i)
        EXPECT_EQ(steps[static_cast<std::size_t>(i - 1)].windows, i - (i >= 4) - (i >= 6) - (i >= 14)) << i;
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->List(0), "MARIO.SMC");
    EXPECT_TRUE(main().isVisible());
    // The building stopped with the load: nothing more is built.
    const auto loaded = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 40; ++i)
        QApplication::processEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), loaded);
}
