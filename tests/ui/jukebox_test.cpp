// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "app/windows/Paths.h"
#include "jukebox/windows/Jukebox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace kivalto;

class JukeboxWindow : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        startup();
        juke = app.Jukebox;
        ctl<QLineEdit>(*app.Paths, "snespath")->setText("C:\\SPC\\");
    }
    void play(const std::string& file)
    {
        dialogs.files.push_back(file);
        button("Picture1")->click();  // Play
    }
    // Seconds passing on the play clock.
    void tick(int seconds = 1)
    {
        for (int i = 0; i < seconds; ++i)
            QMetaObject::invokeMethod(timer(), "timeout");
    }
    std::string clock() const { return ctl<QLineEdit>(*juke, "Text1")->text().toStdString(); }
    std::string caption() const { return juke->windowTitle().toStdString(); }
    QToolButton* button(const char* name) const { return ctl<QToolButton>(*juke, name); }
    QCheckBox* check(const char* name) const { return ctl<QCheckBox>(*juke, name); }
    QRadioButton* option(const char* name) const { return ctl<QRadioButton>(*juke, name); }
    QScrollBar* volume() const { return ctl<QScrollBar>(*juke, "HScroll1"); }
    QTimer* timer() const { return ctl<QTimer>(*juke, "Timer1"); }
    Jukebox* juke = nullptr;
};

TEST_F(JukeboxWindow, StartsWithTheDesignState)
{
    EXPECT_EQ(caption(), "SPC-Jukebox");
    EXPECT_FALSE(check("Check1")->isChecked());
    EXPECT_TRUE(check("Check2")->isChecked());
    EXPECT_TRUE(check("Check3")->isChecked());
    EXPECT_FALSE(option("Option1")->isChecked());
    EXPECT_TRUE(option("Option2")->isChecked());
    EXPECT_EQ(volume()->minimum(), 0);
    EXPECT_EQ(volume()->maximum(), 100);
    EXPECT_EQ(volume()->value(), 75);
    EXPECT_EQ(clock(), "  0:00");
    EXPECT_EQ(timer()->interval(), 1000);
    EXPECT_FALSE(timer()->isActive());
    for (const char* name : {"Picture1", "Picture2", "Image1"}) {
        EXPECT_FALSE(button(name)->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(button(name)->focusPolicy() & Qt::TabFocus) << name;
    }
    EXPECT_EQ(button("Image1")->toolTip().toStdString(), "Stop the Clock");
}

TEST_F(JukeboxWindow, MenuShowsTheWindow)
{
    ctl<QAction>(main(), "SPCJuke")->trigger();
    EXPECT_TRUE(juke->isVisible());
}

TEST_F(JukeboxWindow, CancelledDialogChangesNothing)
{
    tick();
    button("Picture1")->click();  // Play, the dialog cancelled
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "Playable Files|*.SPC;*.ZST");
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, "C:\\SPC\\");
    EXPECT_FALSE(dialogs.fileDialogs[0].save);
    EXPECT_TRUE(process.calls.empty());
    EXPECT_EQ(caption(), "SPC-Jukebox");
    EXPECT_EQ(clock(), "  0:1");
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(JukeboxWindow, PlayStartsSpcPlayHiddenAndRunsTheClock)
{
    play("C:\\MUSIC\\SONG.SPC");
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(process.calls[0].commandLine, "C:\\SPC\\spcplay C:\\MUSIC\\SONG.SPC -r 3 -8");
    EXPECT_EQ(process.calls[0].workingDir, "C:\\KIVALTO");
    EXPECT_EQ(process.calls[0].mode, ShowMode::Hidden);
    EXPECT_EQ(caption(), "Press enter to stop playing.");
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(clock(), "  0:00");
    EXPECT_TRUE(dialogs.boxes.empty());

    tick(65);
    EXPECT_EQ(clock(), "  1:5");

    // A second Play replaces the player and starts the clock from zero.
    play("C:\\MUSIC\\B.ZST");
    EXPECT_EQ(process.calls.size(), 2u);
    EXPECT_EQ(process.stopped, 1);
    EXPECT_EQ(clock(), "  0:00");
    tick();
    EXPECT_EQ(clock(), "  0:1");
}

// The caption asks for Enter: Enter in the window stops the player and the
// clock; Close leaves it playing; the end of Kivalto stops it.
TEST_F(JukeboxWindow, EnterStopsThePlayerCloseKeepsItQuittingStopsIt)
{
    play("C:\\MUSIC\\SONG.SPC");
    QTest::keyClick(check("Check1"), Qt::Key_Return);
    EXPECT_EQ(process.stopped, 1);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(caption(), "SPC-Jukebox");
    QTest::keyClick(juke, Qt::Key_Enter);  // nothing left to stop
    EXPECT_EQ(process.stopped, 1);

    play("C:\\MUSIC\\SONG.SPC");
    button("Picture2")->click();  // Close
    EXPECT_EQ(process.stopped, 1);
    destroyWindows(app);
    EXPECT_EQ(process.stopped, 2);
}

TEST_F(JukeboxWindow, ControlsChooseTheSwitches)
{
    check("Check1")->setChecked(true);
    check("Check2")->setChecked(false);
    option("Option1")->setChecked(true);
    check("Check3")->setChecked(false);
    EXPECT_FALSE(option("Option2")->isChecked());
    play("C:\\M\\A.SPC");
    volume()->setValue(0);
    play("C:\\M\\A.SPC");
    volume()->setValue(100);
    play("C:\\M\\A.SPC");
    ASSERT_EQ(process.calls.size(), 3u);
    EXPECT_EQ(process.calls[0].commandLine, "C:\\SPC\\spcplay C:\\M\\A.SPC -z -x -r 2");
    EXPECT_EQ(process.calls[1].commandLine, "C:\\SPC\\spcplay C:\\M\\A.SPC -z -x -r 2 -k 0");
    EXPECT_EQ(process.calls[2].commandLine, "C:\\SPC\\spcplay C:\\M\\A.SPC -z -x -r 2 -k 100");
}

TEST_F(JukeboxWindow, FailedStartReportsAndStopsTheClock)
{
    process.result = {false, "SPCPLAY.EXE was not found."};
    play("C:\\MUSIC\\SONG.SPC");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "An error has occurred. Check that the SPCplay path is correct.");
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(caption(), "SPC-Jukebox");
}

TEST_F(JukeboxWindow, StopTheClockAndCloseLeaveThePlayerAlone)
{
    play("C:\\MUSIC\\SONG.SPC");
    tick(600);
    EXPECT_EQ(clock(), "  10:0");
    button("Image1")->click();  // Stop the Clock
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(caption(), "SPC-Jukebox");

    play("C:\\MUSIC\\SONG.SPC");
    juke->show();
    tick();
    button("Picture2")->click();  // Close
    EXPECT_FALSE(juke->isVisible());
    EXPECT_FALSE(timer()->isActive());
    // Reopened, it keeps the last clock text.
    chooseMenuItem("SPCJuke");
    EXPECT_EQ(clock(), "  0:1");
    EXPECT_EQ(process.calls.size(), 2u);
}

TEST_F(JukeboxWindow, NamesDosCannotTakeStartNothing)
{
    const std::pair<std::string, const char*> cases[] = {
        {"C:\\MUSIC\\A\nECHO X.SPC", "line break"},
        {"C:\\MUSIC\\A>B.SPC", "<, > or |"},
        {"C:\\MUSIC\\" + std::string(120, 'A') + ".SPC", "DOS passes at most 126"},
    };
    for (const auto& [file, why] : cases) {
        play(file);
        EXPECT_NE(dialogs.lastText().find(why), std::string::npos) << dialogs.lastText();
        EXPECT_TRUE(process.calls.empty());
        EXPECT_EQ(caption(), "SPC-Jukebox");
        EXPECT_FALSE(timer()->isActive());
    }
}
