// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "fixture.h"
#include "keys/windows/nonadv.h"
#include "keys/windows/sneskeycon.h"
#include "platform/qt/text.h"
#include "ui/windows/errorfrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace kivalto;
using SnesKeyConfig = test::KivaltoTest;

namespace {

using Lines = std::vector<std::string>;

const char* const kTemplateError = "The required SnesKey template was not found in the Kivalto directory or it "
                                   "was corrupt. The filename is ";

Lines texts(const QListWidget* list)
{
    Lines out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(bytes(list->item(i)->text()));
    return out;
}

QComboBox* controllerBox(const sneskeycon& w) { return ctl<QComboBox>(w, "Combo1"); }
QListWidget* buttonList(const QWidget& w) { return ctl<QListWidget>(w, "List2"); }  // sneskeycon's buttons
QListWidget* mapToList(const QWidget& w) { return ctl<QListWidget>(w, "List1"); }
QRadioButton* playerTwoOption(const sneskeycon& w) { return ctl<QRadioButton>(w, "Option2"); }

// The controller box's choice, as the user makes it.
void chooseRow(sneskeycon& w, int row)
{
    controllerBox(w)->setCurrentIndex(row);
    emit controllerBox(w)->activated(row);
}

void choose(sneskeycon& w, const char* name)
{
    controllerBox(w)->setEditText(name);
    emit controllerBox(w)->activated(controllerBox(w)->currentIndex());
}

// Done: saves SnesKey.dat and hides the window.
void pressDone(sneskeycon& w) { ctl<QPushButton>(w, "Command1")->click(); }

// The manual mapping window's button names (List1) and keys (List2).
Lines manualButtons(const nonadv& w) { return texts(ctl<QListWidget>(w, "List1")); }
Lines manualKeys(const nonadv& w) { return texts(ctl<QListWidget>(w, "List2")); }

void setColumn(EmulatorPlugin& plugin, KeyColumn column, const Lines& keys)
{
    for (std::size_t row = 0; row < keys.size(); ++row)
        plugin.keys.at(static_cast<int>(row), column) = keys[row];
}

} // namespace

TEST_F(SnesKeyConfig, ListsProfilesAndLoadsTheChosenOneIntoBothWindows)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "Port = 378\r\nMode = 2, fast\r\nBUTS\r\nFire\r\nJump\r\nDONEBUTS\r\nNotes\r\n");
    writeFile("C:\\KIVALTO\\custom.skp", "BUTS,x,y,DONEBUTS");
    startup();
    sneskeycon& w = *app.sneskeycon;
    ASSERT_EQ(controllerBox(w)->count(), 2);
    EXPECT_EQ(controllerBox(w)->itemText(0), "custom");
    EXPECT_EQ(controllerBox(w)->itemText(1), "PAD");
    EXPECT_EQ(controllerBox(w)->currentText(), "");

    chooseRow(w, 1);
    EXPECT_EQ(w.profileInput().driverLines, (Lines{"Port = 378", "Mode = 2", "fast"}));
    EXPECT_EQ(texts(buttonList(w)), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(w.profileInput().buttonSlots, (Lines{"0", "1"}));
    EXPECT_EQ(manualButtons(*app.nonadv), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(manualKeys(*app.nonadv), (Lines{"0", "1"}));

    choose(w, "custom");
    EXPECT_TRUE(w.profileInput().driverLines.empty());
    EXPECT_EQ(texts(buttonList(w)), (Lines{"x", "y"}));
    EXPECT_EQ(w.profileInput().buttonSlots, (Lines{"0", "1"}));
    EXPECT_EQ(manualButtons(*app.nonadv), (Lines{"x", "y"}));
    EXPECT_EQ(app.errorfrm->text().find("SnesKey template"), std::string::npos);
}

TEST_F(SnesKeyConfig, CorruptProfileKeepsWhatWasReadAndNamesTheFile)
{
    writeFile("C:\\KIVALTO\\HALF.SKP", "Port = 378\r\nBUTS\r\nFire\r\n");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "HALF");
    EXPECT_EQ(app.errorfrm->text(), std::string(kTemplateError) + "HALF.SKP");
    EXPECT_EQ(w.profileInput().driverLines, Lines{"Port = 378"});
    EXPECT_EQ(texts(buttonList(w)), Lines{"Fire"});
    EXPECT_EQ(manualKeys(*app.nonadv), Lines{"0"});
}

TEST_F(SnesKeyConfig, MappingAButtonAndSeeingItAgain)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS,Fire,Jump,DONEBUTS");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "PAD");

    // Nothing selected among the buttons: a Map To click changes nothing.
    mapToList(w)->setCurrentRow(5);  // the Map To list's click
    EXPECT_EQ(w.profileInput().buttonSlots, (Lines{"0", "1"}));

    buttonList(w)->setCurrentRow(1);
    EXPECT_EQ(mapToList(w)->currentRow(), 1);
    mapToList(w)->setCurrentRow(3);  // TL
    EXPECT_EQ(w.profileInput().buttonSlots, (Lines{"0", "3"}));
    buttonList(w)->setCurrentRow(0);
    EXPECT_EQ(mapToList(w)->currentRow(), 0);
    buttonList(w)->setCurrentRow(1);
    EXPECT_EQ(bytes(mapToList(w)->currentItem()->text()), "TL");
}

TEST_F(SnesKeyConfig, PlayerTwoAndMappingAreRestoredAfterARestart)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "Port = 378\r\nBUTS\r\nFire\r\nJump\r\nSelect\r\nDONEBUTS\r\n");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "PAD");
    playerTwoOption(w)->setChecked(true);
    buttonList(w)->setCurrentRow(2);
    mapToList(w)->setCurrentRow(7);
    app.sneskeycon->show();
    pressDone(w);
    EXPECT_EQ(readFile("C:\\KIVALTO\\SNESKEY.DAT"), "PAD\r\nTrue\r\n 2 \r\n0\r\n1\r\n7\r\n");
    EXPECT_TRUE(w.isHidden());

    destroyWindows(app);
    startup();
    sneskeycon& again = *app.sneskeycon;
    EXPECT_EQ(controllerBox(again)->currentText(), "PAD");
    EXPECT_TRUE(playerTwoOption(again)->isChecked());
    EXPECT_FALSE(again.playerOne());
    EXPECT_EQ(again.profileInput().driverLines, Lines{"Port = 378"});
    EXPECT_EQ(again.profileInput().buttonSlots, (Lines{"0", "1", "7"}));
    // The manual window is loaded after this one and still gets the buttons.
    EXPECT_EQ(manualButtons(*app.nonadv), (Lines{"Fire", "Jump", "Select"}));
    EXPECT_EQ(manualKeys(*app.nonadv), (Lines{"0", "1", "2"}));
    EXPECT_EQ(app.errorfrm->text().find("SnesKey template"), std::string::npos);
}

// The restored setup stays until the user picks another controller: the
// controller box losing the focus does not reload the profile.
TEST_F(SnesKeyConfig, RestoredSetupSurvivesTheControllerBoxLosingFocus)
{
    const std::string saved = "PAD\r\nFalse\r\n 1 \r\n0\r\n3\r\n";
    writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS\r\nFire\r\nJump\r\nDONEBUTS\r\n");
    writeFile("C:\\KIVALTO\\SnesKey.dat", saved);
    startup();
    sneskeycon& w = *app.sneskeycon;
    w.show();
    emit controllerBox(w)->lineEdit()->editingFinished();  // what a focus change raises
    EXPECT_EQ(w.profileInput().buttonSlots, (Lines{"0", "3"}));
    pressDone(w);
    EXPECT_EQ(readFile("C:\\KIVALTO\\SnesKey.dat"), saved);
}

TEST_F(SnesKeyConfig, DoneWithoutAControllerThenRestartShowsTheTemplateError)
{
    startup();
    pressDone(*app.sneskeycon);
    EXPECT_EQ(readFile("C:\\KIVALTO\\SnesKey.dat"), "\r\nFalse\r\n-1 \r\n");

    destroyWindows(app);
    startup();
    EXPECT_FALSE(app.errorfrm->isHidden());
    // Last of what start-up found, after the missing plugins and lookup.dat.
    EXPECT_TRUE(app.errorfrm->text().ends_with("\n\n" + std::string(kTemplateError) + ".SKP"))
        << app.errorfrm->text();
    EXPECT_EQ(buttonList(*app.sneskeycon)->count(), 0);
}

TEST_F(SnesKeyConfig, VanishedProfileRestoresThePlayerButNoMapping)
{
    writeFile("C:\\KIVALTO\\SnesKey.dat", "GONE\r\nTrue\r\n 1 \r\n4\r\n5\r\n");
    startup();
    EXPECT_TRUE(app.errorfrm->text().ends_with("\n\n" + std::string(kTemplateError) + "GONE.SKP"))
        << app.errorfrm->text();
    EXPECT_TRUE(playerTwoOption(*app.sneskeycon)->isChecked());
    EXPECT_TRUE(app.sneskeycon->profileInput().buttonSlots.empty());
}

TEST_F(SnesKeyConfig, MalformedSetupIsIgnoredSilently)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS,Fire,Jump,DONEBUTS");
    writeFile("C:\\KIVALTO\\SnesKey.dat", "PAD\r\nperhaps\r\n");
    startup();
    EXPECT_EQ(controllerBox(*app.sneskeycon)->currentText(), "PAD");
    EXPECT_TRUE(ctl<QRadioButton>(*app.sneskeycon, "Option1")->isChecked());
    EXPECT_EQ(buttonList(*app.sneskeycon)->count(), 0);
    EXPECT_EQ(app.errorfrm->text().find("SnesKey template"), std::string::npos);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SnesKeyConfig, UnwritableSetupIsReportedAndTheWindowStays)
{
    startup();
    makeFolder("C:\\KIVALTO\\SnesKey.dat");
    app.sneskeycon->show();
    pressDone(*app.sneskeycon);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.lastText().rfind("The SnesKey settings could not be saved: ", 0), 0u);
    EXPECT_FALSE(app.sneskeycon->isHidden());
}

TEST_F(SnesKeyConfig, HelpAndMenuItem)
{
    startup();
    ctl<QPushButton>(*app.sneskeycon, "Command2")->click();  // Help
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_EQ(dialogs.lastText(),
              "First you must select what controller you wish to use with SnesKey. Custom reads the file CUSTOM.SKP "
              "in the Kivalto Directory. Instructions for making a custom controller are contained in that file. "
              "Once you have selected a controller, a list of available buttons will appear. You can map these onto "
              "any of the buttons on the MAP TO list. Select RUN SNESKEY from the OPTIONS menu to activate it. The "
              "buttons will then automatically be mapped onto the appropriate keys as specified in the Plugin, unless "
              "advanced support is de-selected in which case you must set the keys yourself. You can select to map "
              "the controller to either player 1 or player 2 keys. Be aware that if you are using a controller "
              "attached to the joystick port with SnesKey that you must select the keyboard from the slider on the "
              "main screen to stop the emulator trying to use that controller as well. You need SnesKey for DOS.");
    EXPECT_TRUE(app.sneskeycon->isHidden());
    ctl<QAction>(main(), "sneskconf")->trigger();
    EXPECT_FALSE(app.sneskeycon->isHidden());
}

using SnesKeyDriverFile = test::KivaltoTest;

namespace {

const Lines kPlayer1 = {"A", "B", "Q", "W", "S", "X", "Enter", "Space", "Num8", "Num2", "Num4", "Num6", "-j1"};
const Lines kPlayer2 = {"K", "L", "O", "P", "J", "I", "F1", "F2", "Up", "Down", "Left", "Right", "-j2"};

} // namespace

class SnesKeyDriverFileWithProfile : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\PAD.SKP", "Port = 378\r\nBUTS\r\nFire\r\nJump\r\nDONEBUTS\r\n");
        makeFolder("C:\\SNESKEY");
        startup();
        ctl<QLineEdit>(*app.Paths, "skeydir")->setText("C:\\SNESKEY\\");
        setColumn(app.selection.plugin(), KeyColumn::Player1, kPlayer1);
        setColumn(app.selection.plugin(), KeyColumn::Player2, kPlayer2);
        choose(*app.sneskeycon, "PAD");
    }
    void mapButton(int button, int slot)
    {
        buttonList(*app.sneskeycon)->setCurrentRow(button);
        mapToList(*app.sneskeycon)->setCurrentRow(slot);
    }
};

TEST_F(SnesKeyDriverFileWithProfile, WorkedExampleByteForByte)
{
    mapButton(1, 3);
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\sneskey.ini"),
              "Port = 378\r\nFire = A\r\nJump = W\r\nUp = Num8\r\nDown = Num2\r\nLeft = Num4\r\nRight = Num6\r\n");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SnesKeyDriverFileWithProfile, SlotTwelveAndAboveComeFromARestoredSetup)
{
    writeFile("C:\\KIVALTO\\SnesKey.dat", "PAD\r\nFalse\r\n 1 \r\n12\r\n13\r\n");
    destroyWindows(app);
    startup();
    ctl<QLineEdit>(*app.Paths, "skeydir")->setText("C:\\SNESKEY\\");
    setColumn(app.selection.plugin(), KeyColumn::Player1, kPlayer1);
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\sneskey.ini"),
              "Port = 378\r\nFire = -j1\r\nJump = \r\nUp = Num8\r\nDown = Num2\r\nLeft = Num4\r\nRight = Num6\r\n");
}

TEST_F(SnesKeyDriverFileWithProfile, AdvancedOffUsesTheUntouchedManualListAndPlayerTwoKeys)
{
    playerTwoOption(*app.sneskeycon)->setChecked(true);
    mapButton(0, 5);
    ctl<QAction>(main(), "sneskadv")->trigger();
    ASSERT_FALSE(ctl<QAction>(main(), "sneskadv")->isChecked());
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\sneskey.ini"),
              "Port = 378\r\nFire = 0\r\nJump = 1\r\nUp = Up\r\nDown = Down\r\nLeft = Left\r\nRight = Right\r\n");

    ctl<QListWidget>(*app.nonadv, "List2")->setCurrentRow(1);
    ctl<QLineEdit>(*app.nonadv, "Text3")->setText("lctrl");
    ctl<QPushButton>(*app.nonadv, "Command4")->click();  // Accept
    ctl<QAction>(main(), "sneskadv")->trigger();
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\sneskey.ini"),
              "Port = 378\r\nFire = I\r\nJump = L\r\nUp = Up\r\nDown = Down\r\nLeft = Left\r\nRight = Right\r\n");
}

TEST_F(SnesKeyDriverFile, NoControllerAndUnsetKeysGiveOnlyTheDirections)
{
    makeFolder("C:\\SNESKEY");
    startup();
    ctl<QLineEdit>(*app.Paths, "skeydir")->setText("C:\\SNESKEY");
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\SNESKEY.INI"), "Up =  \r\nDown =  \r\nLeft =  \r\nRight =  \r\n");
}

TEST_F(SnesKeyDriverFile, WrongDirectoryIsReportedAndTheCallerContinues)
{
    startup();
    const char* text = "The Directory you have specified in the paths box for SnesKey is incorrect.";
    ctl<QLineEdit>(*app.Paths, "skeydir")->setText("C:\\NOWHERE\\");
    main().sneskmake();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, text);
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");

    ctl<QLineEdit>(*app.Paths, "skeydir")->setText("");
    main().sneskmake();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, text);
    EXPECT_FALSE(exists("C:\\KIVALTO\\sneskey.ini"));
}
