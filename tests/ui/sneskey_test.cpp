// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "fixture.h"
#include "keys/windows/nonadv.h"
#include "keys/windows/sneskeycon.h"
#include "platform/qt/text.h"
#include "plugins/windows/Editor.h"
#include "ui/windows/errorfrm.h"

#include <QLineEdit>

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

void choose(sneskeycon& w, const char* name)
{
    w.Combo1->setEditText(name);
    w.Combo1_Click();
}

// Done: saves SnesKey.dat and hides the window.
void pressDone(sneskeycon& w) { w.Command1_Click(); }

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
    ASSERT_EQ(w.Combo1->count(), 2);
    EXPECT_EQ(w.Combo1->itemText(0), "custom");
    EXPECT_EQ(w.Combo1->itemText(1), "PAD");
    EXPECT_EQ(w.Combo1->currentText(), "");

    w.Combo1->setCurrentIndex(1);
    w.Combo1_Click();  // the controller box's choice
    EXPECT_EQ(w.List3, (Lines{"Port = 378", "Mode = 2", "fast"}));
    EXPECT_EQ(texts(w.List2), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(w.List4, (Lines{"0", "1"}));
    EXPECT_EQ(texts(app.nonadv->List1), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(texts(app.nonadv->List2), (Lines{"0", "1"}));

    choose(w, "custom");
    EXPECT_TRUE(w.List3.empty());
    EXPECT_EQ(texts(w.List2), (Lines{"x", "y"}));
    EXPECT_EQ(w.List4, (Lines{"0", "1"}));
    EXPECT_EQ(texts(app.nonadv->List1), (Lines{"x", "y"}));
    EXPECT_EQ(app.errorfrm->text().find("SnesKey template"), std::string::npos);
}

TEST_F(SnesKeyConfig, CorruptProfileKeepsWhatWasReadAndNamesTheFile)
{
    writeFile("C:\\KIVALTO\\HALF.SKP", "Port = 378\r\nBUTS\r\nFire\r\n");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "HALF");
    EXPECT_EQ(app.errorfrm->text(), std::string(kTemplateError) + "HALF.SKP");
    EXPECT_EQ(w.List3, Lines{"Port = 378"});
    EXPECT_EQ(texts(w.List2), Lines{"Fire"});
    EXPECT_EQ(texts(app.nonadv->List2), Lines{"0"});
}

TEST_F(SnesKeyConfig, MappingAButtonAndSeeingItAgain)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS,Fire,Jump,DONEBUTS");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "PAD");

    // Nothing selected among the buttons: a Map To click changes nothing.
    w.List1->setCurrentRow(5);
    w.List1_Click();  // the Map To list's click
    EXPECT_EQ(w.List4, (Lines{"0", "1"}));

    w.List2->setCurrentRow(1);
    EXPECT_EQ(w.List1->currentRow(), 1);
    w.List1->setCurrentRow(3);  // TL
    EXPECT_EQ(w.List4, (Lines{"0", "3"}));
    w.List2->setCurrentRow(0);
    EXPECT_EQ(w.List1->currentRow(), 0);
    w.List2->setCurrentRow(1);
    EXPECT_EQ(bytes(w.List1->currentItem()->text()), "TL");
}

TEST_F(SnesKeyConfig, PlayerTwoAndMappingAreRestoredAfterARestart)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "Port = 378\r\nBUTS\r\nFire\r\nJump\r\nSelect\r\nDONEBUTS\r\n");
    startup();
    sneskeycon& w = *app.sneskeycon;
    choose(w, "PAD");
    w.Option2->setChecked(true);
    w.List2->setCurrentRow(2);
    w.List1->setCurrentRow(7);
    app.sneskeycon->show();
    pressDone(w);
    EXPECT_EQ(readFile("C:\\KIVALTO\\SNESKEY.DAT"), "PAD\r\nTrue\r\n 2 \r\n0\r\n1\r\n7\r\n");
    EXPECT_TRUE(w.isHidden());

    destroyWindows(app);
    startup();
    sneskeycon& again = *app.sneskeycon;
    EXPECT_EQ(again.Combo1->currentText(), "PAD");
    EXPECT_TRUE(again.Option2->isChecked());
    EXPECT_FALSE(again.playerOne());
    EXPECT_EQ(again.List3, Lines{"Port = 378"});
    EXPECT_EQ(again.List4, (Lines{"0", "1", "7"}));
    // The manual window is loaded after this one and still gets the buttons.
    EXPECT_EQ(texts(app.nonadv->List1), (Lines{"Fire", "Jump", "Select"}));
    EXPECT_EQ(texts(app.nonadv->List2), (Lines{"0", "1", "2"}));
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
    emit w.Combo1->lineEdit()->editingFinished();  // what a focus change raises
    EXPECT_EQ(w.List4, (Lines{"0", "3"}));
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
    EXPECT_EQ(app.sneskeycon->List2->count(), 0);
}

TEST_F(SnesKeyConfig, VanishedProfileRestoresThePlayerButNoMapping)
{
    writeFile("C:\\KIVALTO\\SnesKey.dat", "GONE\r\nTrue\r\n 1 \r\n4\r\n5\r\n");
    startup();
    EXPECT_TRUE(app.errorfrm->text().ends_with("\n\n" + std::string(kTemplateError) + "GONE.SKP"))
        << app.errorfrm->text();
    EXPECT_TRUE(app.sneskeycon->Option2->isChecked());
    EXPECT_TRUE(app.sneskeycon->List4.empty());
}

TEST_F(SnesKeyConfig, MalformedSetupIsIgnoredSilently)
{
    writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS,Fire,Jump,DONEBUTS");
    writeFile("C:\\KIVALTO\\SnesKey.dat", "PAD\r\nperhaps\r\n");
    startup();
    EXPECT_EQ(app.sneskeycon->Combo1->currentText(), "PAD");
    EXPECT_TRUE(app.sneskeycon->Option1->isChecked());
    EXPECT_EQ(app.sneskeycon->List2->count(), 0);
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
    app.sneskeycon->Command2_Click();  // Help
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
        app.sneskeycon->List2->setCurrentRow(button);
        app.sneskeycon->List1->setCurrentRow(slot);
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
    app.sneskeycon->Option2->setChecked(true);
    mapButton(0, 5);
    ctl<QAction>(main(), "sneskadv")->trigger();
    ASSERT_FALSE(ctl<QAction>(main(), "sneskadv")->isChecked());
    main().sneskmake();
    EXPECT_EQ(readFile("C:\\SNESKEY\\sneskey.ini"),
              "Port = 378\r\nFire = 0\r\nJump = 1\r\nUp = Up\r\nDown = Down\r\nLeft = Left\r\nRight = Right\r\n");

    app.nonadv->List2->setCurrentRow(1);
    app.nonadv->Text3->setText("lctrl");
    app.nonadv->Command4_Click();  // Accept
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
