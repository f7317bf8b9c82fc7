// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "launch/windows/chtcodefrm.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace kivalto;

namespace {

class CheatWindow : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        startup();
        cheat().setCheatTypes({{"Pro Action Replay", "-par"}, {"Game Genie", "-gg"}});
    }
    chtcodefrm& cheat() { return *app.chtcodefrm; }
    std::string switchText() { return ctl<QComboBox>(cheat(), "Combo1")->currentText().toStdString(); }
    void done() { ctl<QPushButton>(cheat(), "Command1")->click(); }  // "Done"
    void pick(int index)
    {
        ctl<QComboBox>(cheat(), "Combo1")->setCurrentIndex(index);
        emit ctl<QComboBox>(cheat(), "Combo1")->activated(index);
    }
    void type(const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(ctl<QComboBox>(cheat(), "Combo1")->lineEdit(), &press);
        }
    }
};

} // namespace

TEST_F(CheatWindow, MakeUp)
{
    EXPECT_EQ(cheat().windowTitle().toStdString(), "Enter a Cheat Code");
    EXPECT_EQ(ctl<QLabel>(cheat(), "Label1")->text().toStdString(),
              "Enter the Cheat Code and the switch below. It will be saved with the ROM settings.");
    EXPECT_EQ(ctl<QLabel>(cheat(), "Label3")->buddy(), ctl<QComboBox>(cheat(), "Combo1"));
    EXPECT_EQ(ctl<QLabel>(cheat(), "Label2")->buddy(), ctl<QLineEdit>(cheat(), "Text1"));
    EXPECT_EQ(ctl<QLineEdit>(cheat(), "Text1")->toolTip().toStdString(), "Enter the code to place after the switch.");
    EXPECT_TRUE(ctl<QComboBox>(cheat(), "Combo1")->isEditable());
    // The switches are the window's data, not a hidden list.
    EXPECT_EQ(cheat().findChild<QListWidget*>(), nullptr);
    EXPECT_EQ(ctl<QPushButton>(cheat(), "Command1")->text().remove('&').toStdString(), "Done");
    EXPECT_EQ(ctl<QPushButton>(cheat(), "Command2")->text().remove('&').toStdString(), "Help");
    EXPECT_EQ(switchText(), "");
}

TEST_F(CheatWindow, DoneTurnsAPickedTypeIntoItsSwitchOnce)
{
    ctl<QAction>(main(), "chtcode")->trigger();
    EXPECT_FALSE(cheat().isHidden());
    pick(1);
    EXPECT_EQ(switchText(), "Game Genie");
    done();
    EXPECT_EQ(switchText(), "-gg");
    EXPECT_TRUE(cheat().isHidden());
    // The pick counts once: a later Done keeps the text as it is.
    ctl<QComboBox>(cheat(), "Combo1")->setEditText("-other");
    done();
    EXPECT_EQ(switchText(), "-other");
    EXPECT_EQ(ctl<QComboBox>(cheat(), "Combo1")->count(), 2);
}

TEST_F(CheatWindow, TypedSwitchIsKeptEvenAfterAPick)
{
    type("-c");
    done();
    EXPECT_EQ(switchText(), "-c");

    pick(0);
    ctl<QComboBox>(cheat(), "Combo1")->lineEdit()->clear();
    type("-mine");
    done();
    EXPECT_EQ(switchText(), "-mine");
    EXPECT_EQ(ctl<QComboBox>(cheat(), "Combo1")->count(), 2);  // typed text never becomes a type
}

TEST_F(CheatWindow, NewTypesEmptyTheSwitchButKeepTheCode)
{
    ctl<QLineEdit>(cheat(), "Text1")->setText("7E0BCF28");
    pick(0);
    cheat().setCheatTypes({});
    EXPECT_EQ(ctl<QComboBox>(cheat(), "Combo1")->count(), 0);
    EXPECT_EQ(switchText(), "");
    EXPECT_EQ(ctl<QLineEdit>(cheat(), "Text1")->text().toStdString(), "7E0BCF28");
    done();  // no switch of the old types is left to pick
    EXPECT_EQ(switchText(), "");
}

TEST_F(CheatWindow, HelpAndEnableMenu)
{
    ctl<QPushButton>(cheat(), "Command2")->click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "Select the type of cheat from the drop down list or enter your own switch. Then enter the cheat into the "
              "cheat box. So to enter the MegaManX Pro Action Replay cheat with NLKE, you would select 'Pro Action "
              "Replay' from the dropdown list and then enter the code '7E0BCF28'.");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);

    EXPECT_FALSE(ctl<QAction>(main(), "chten")->isChecked());
    ctl<QAction>(main(), "chten")->trigger();
    EXPECT_TRUE(ctl<QAction>(main(), "chten")->isChecked());
    ctl<QAction>(main(), "chten")->trigger();
    EXPECT_FALSE(ctl<QAction>(main(), "chten")->isChecked());
}
