// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "app/windows/Splash.h"
#include "ui/tips.h"
#include "ui/windows/frmTip.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace kivalto;

class TipsWindow : public test::KivaltoTest {
protected:
    frmTip& tip() { return *app.frmTip; }
    std::string tipText() { return ctl<QLabel>(tip(), "lblTipText")->text().toStdString(); }
    std::string stored() { return settings.get("Kivalto", "Options", "Show Tips at Startup", "<absent>"); }
};

TEST_F(TipsWindow, ThreeTipsCycleInFileOrder)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "first\r\nsecond\r\nthird\r\n");
    startup();
    EXPECT_TRUE(tip().isVisible());
    EXPECT_EQ(tip().windowTitle().toStdString(), "Tip of the Day");
    EXPECT_EQ(ctl<QLabel>(tip(), "Label1")->text().toStdString(), "Did you know...");
    EXPECT_TRUE(ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup")->isChecked());
    EXPECT_TRUE(ctl<QAction>(main(), "tipstrt")->isChecked());
    std::string seen = tipText();
    for (int i = 0; i < 4; ++i) {
        ctl<QPushButton>(tip(), "cmdNextTip")->click();
        seen += "," + tipText();
    }
    EXPECT_EQ(seen, "first,second,third,first,second");
    ctl<QPushButton>(tip(), "cmdOK")->click();
    EXPECT_FALSE(tip().isVisible());
}

// Whatever toggles the box (mouse, keyboard, assistive technology) stores
// the option and clears the menu's check mark.
TEST_F(TipsWindow, EveryToggleOfTheBoxStoresTheOption)
{
    startup();
    QCheckBox* box = ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup");
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(box)->actionInterface();
    ASSERT_NE(actions, nullptr);
    const std::function<void()> toggles[] = {
        [&] { box->click(); },
        [&] { QTest::keyClick(box, Qt::Key_Space); },
        [&] { actions->doAction(QAccessibleActionInterface::toggleAction()); },
    };
    for (const auto& toggle : toggles) {
        ctl<QAction>(main(), "tipstrt")->setChecked(true);
        const bool wasChecked = box->isChecked();
        toggle();
        EXPECT_EQ(box->isChecked(), !wasChecked);
        EXPECT_EQ(stored(), wasChecked ? "0" : "1");
        EXPECT_FALSE(ctl<QAction>(main(), "tipstrt")->isChecked());
    }
}

TEST_F(TipsWindow, EmptyLinesAreTipsToo)
{
    writeFile("C:\\KIVALTO\\tipofday.txt", "a\r\n\r\nc\r\n");
    startup();
    EXPECT_EQ(tipText(), "a");
    ctl<QPushButton>(tip(), "cmdNextTip")->click();
    EXPECT_EQ(tipText(), "");
    ctl<QPushButton>(tip(), "cmdNextTip")->click();
    EXPECT_EQ(tipText(), "c");
}

TEST_F(TipsWindow, EmptyFileShowsNoTipAndNoError)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "");
    startup();
    EXPECT_TRUE(tip().isVisible());
    EXPECT_EQ(tipText(), "");
    ctl<QPushButton>(tip(), "cmdNextTip")->click();
    EXPECT_EQ(tipText(), "");
}

TEST_F(TipsWindow, MissingFileExplainsWhatToDo)
{
    startup();
    EXPECT_EQ(tipText(), missingTipsText());
    ctl<QPushButton>(tip(), "cmdNextTip")->click();
    EXPECT_EQ(tipText(), missingTipsText());
    EXPECT_TRUE(ctl<QAction>(main(), "tipstrt")->isChecked());
}

TEST_F(TipsWindow, StoredZeroKeepsTheWindowHiddenAndTheMenuUnchecked)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "first\r\n");
    settings.save("Kivalto", "Options", "Show Tips at Startup", "0");
    startup();
    ASSERT_NE(app.frmTip, nullptr);
    EXPECT_FALSE(tip().isVisible());
    EXPECT_FALSE(ctl<QAction>(main(), "tipstrt")->isChecked());
    EXPECT_EQ(tipText(), "");
}

TEST_F(TipsWindow, CheckBoxStoresItsStateButOnlyClearsTheMenu)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "first\r\n");
    startup();
    ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup")->click();
    EXPECT_EQ(stored(), "0");
    EXPECT_FALSE(ctl<QAction>(main(), "tipstrt")->isChecked());
    ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup")->click();
    EXPECT_EQ(stored(), "1");
    EXPECT_FALSE(ctl<QAction>(main(), "tipstrt")->isChecked());
    ctl<QPushButton>(tip(), "cmdOK")->click();
}

TEST_F(TipsWindow, UncheckedBoxMeansNoTipsNextStart)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "first\r\n");
    startup();
    ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup")->click();
    ctl<QPushButton>(tip(), "cmdOK")->click();
    destroyWindows(app);
    startup();
    EXPECT_FALSE(tip().isVisible());
}

TEST_F(TipsWindow, MenuTogglesTheOptionWithoutTouchingTheWindow)
{
    startup();
    ASSERT_TRUE(ctl<QAction>(main(), "tipstrt")->isChecked());
    ctl<QAction>(main(), "tipstrt")->trigger();
    EXPECT_FALSE(ctl<QAction>(main(), "tipstrt")->isChecked());
    EXPECT_EQ(stored(), "0");
    EXPECT_TRUE(tip().isVisible());
    EXPECT_TRUE(ctl<QCheckBox>(tip(), "chkLoadTipsAtStartup")->isChecked());
    ctl<QAction>(main(), "tipstrt")->trigger();
    EXPECT_TRUE(ctl<QAction>(main(), "tipstrt")->isChecked());
    EXPECT_EQ(stored(), "1");
}

class HelpMenu : public test::KivaltoTest {};

TEST_F(HelpMenu, ViewHelpStartsTheHelpFileMaximized)
{
    writeFile("C:\\KIVALTO\\Kivalto.chm", "ITSF");
    startup();
    ctl<QAction>(main(), "viewhelp")->trigger();
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(process.calls[0].commandLine, "start Kivalto.chm");
    EXPECT_EQ(process.calls[0].workingDir, "C:\\KIVALTO");
    EXPECT_EQ(process.calls[0].mode, ShowMode::Maximized);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(HelpMenu, MissingViewerNamesTheFixAndMissingFileItsPlace)
{
    writeFile("C:\\KIVALTO\\Kivalto.chm", "ITSF");
    startup();
    process.result = {false, "No viewer was found."};
    chooseMenuItem("viewhelp");
    process.result = {false, ""};
    chooseMenuItem("viewhelp");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "The help file Kivalto.chm could not be opened. No viewer was found.");
    EXPECT_EQ(dialogs.boxes[1].text, "The help file Kivalto.chm could not be opened. Install a viewer for CHM "
                                     "help files (on Debian: sudo apt-get install xchm) and try again.");

    std::filesystem::remove(host("C:\\KIVALTO\\Kivalto.chm"));
    chooseMenuItem("viewhelp");
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[2].text, "The help file Kivalto.chm is missing from the Kivalto directory C:\\KIVALTO. "
                                     "Copy it there from the Kivalto distribution and try again.");
    EXPECT_EQ(process.calls.size(), 2u);
}

TEST_F(HelpMenu, AboutShowsTheSplashAgain)
{
    startup();
    EXPECT_FALSE(app.Splash->isVisible());
    ctl<QAction>(main(), "Aboutbox")->trigger();
    EXPECT_TRUE(app.Splash->isVisible());
    EXPECT_TRUE(ctl<QProgressBar>(*app.Splash, "loadbar")->isHidden());  // start-up is over
}
