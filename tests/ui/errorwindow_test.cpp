// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "fixture.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"
#include "ui/windows/frmTip.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QElapsedTimer>

using namespace kivalto;
using ErrorWindows = test::KivaltoTest;

TEST_F(ErrorWindows, CaptionsAndDesignTexts)
{
    startup();
    errorfrm e(app);  // fresh: start-up may already have reported something
    EXPECT_EQ(e.windowTitle(), "An Error Has Occurred!");
    EXPECT_EQ(e.text(),
              "An Error Message should have appeared here. If you can read this then a bug has occurred.");
    EXPECT_EQ(ctl<QPushButton>(e, "Command1")->text().remove('&'), "Continue");
    EXPECT_EQ(ctl<QPushButton>(e, "Command2")->text().remove('&'), "Close Kivalto");
    EXPECT_EQ(ctl<QTimer>(e, "Timer1")->interval(), 500);
    EXPECT_EQ(app.mesage->windowTitle(), "Operation Completed Successfully");
    EXPECT_EQ(app.mesage->text(), "");
    EXPECT_EQ(ctl<QPushButton>(*app.mesage, "Command1")->text().remove('&'), "OK");
}

TEST_F(ErrorWindows, TwoErrorsShowTheSecondTextAndOneContinueHides)
{
    startup();
    app.showError("First problem.");
    app.showError("Second problem.");
    errorfrm& e = *app.errorfrm;
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(e.text(), "Second problem.");
    EXPECT_TRUE(ctl<QTimer>(e, "Timer1")->isActive());
    ctl<QPushButton>(e, "Command1")->click();
    EXPECT_FALSE(e.isVisible());
    EXPECT_FALSE(ctl<QTimer>(e, "Timer1")->isActive());
    EXPECT_FALSE(app.quitRequested);
    // Bytes from files are shown as they are.
    app.showError("C:\\ROMS\\\xC9T\xC9.SMC");
    EXPECT_EQ(e.text(), "C:\\ROMS\\\xC9T\xC9.SMC");
    // A name that looks like markup is shown as typed, in both windows.
    app.showError("C:\\ROMS\\<b>MARIO</b>.SMC");
    app.showMessage("<i>Done</i>");
    EXPECT_EQ(ctl<QLabel>(e, "Label1")->textFormat(), Qt::PlainText);
    EXPECT_EQ(ctl<QLabel>(*app.mesage, "Label1")->textFormat(), Qt::PlainText);
}

TEST_F(ErrorWindows, TheErrorWindowTakesTheFocusBackWithinHalfASecond)
{
    startup();
    app.showError("Problem.");
    main().activateWindow();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    while (QApplication::activeWindow() != app.errorfrm && t.elapsed() < 700)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(QApplication::activeWindow(), app.errorfrm);
    EXPECT_LT(t.elapsed(), 700);
}

TEST_F(ErrorWindows, CloseKivaltoEndsTheProgramFromAnyState)
{
    startup();
    app.Paths->show();
    app.showMessage("Saved.");
    app.showError("Problem.");
    ctl<QPushButton>(*app.errorfrm, "Command2")->click();
    EXPECT_TRUE(app.quitRequested);
}

TEST_F(ErrorWindows, MessageWindowShowsItsTextUntilOk)
{
    startup();
    app.showMessage("Done.");
    EXPECT_TRUE(app.mesage->isVisible());
    EXPECT_EQ(app.mesage->text(), "Done.");
    ctl<QPushButton>(*app.mesage, "Command1")->click();
    EXPECT_FALSE(app.mesage->isVisible());
    EXPECT_EQ(app.mesage->text(), "Done.");
}

// A screen reader reads the message itself, in every reporting window.
TEST_F(ErrorWindows, ScreenReadersReadTheTextItself)
{
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", "Tips wrap around.\r\n");
    startup();
    app.showError("The folder C:\\X cannot be opened.");
    app.showMessage("Your ROM headers have been written.");
    const std::pair<QWidget*, const char*> labels[] = {
        {ctl<QLabel>(*app.errorfrm, "Label1"), "The folder C:\\X cannot be opened."},
        {ctl<QLabel>(*app.mesage, "Label1"), "Your ROM headers have been written."},
        {ctl<QLabel>(*app.frmTip, "lblTipText"), "Tips wrap around."},
    };
    for (const auto& [label, text] : labels) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->text(QAccessible::Name).toStdString(), text);
    }
}
