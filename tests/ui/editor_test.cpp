// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "app/windows/Paths.h"
#include "plugins/windows/Editor.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"

#include <QAccessible>

using namespace kivalto;
namespace {

// Clicks the editor's buttons, named by caption; a click goes through the
// button's wiring like the user's.
class EditorWindow : public test::KivaltoTest {
protected:
    void close() { app.Editor->Command1->click(); }               // "Close"
    void savePlugin() { app.Editor->Command2->click(); }          // "Save Plugin"
    void importPlugin() { app.Editor->Command3->click(); }        // "Import Plugin"
    void reset() { app.Editor->Command4->click(); }               // "Reset"
    void addOption() { app.Editor->addopt->click(); }             // "Add" (option)
    void addDisplayMode() { app.Editor->Command9->click(); }      // "Add" (display)
    void removeOption() { app.Editor->Command10->click(); }       // "Remove" (option)
    void removeDisplayMode() { app.Editor->Command11->click(); }  // "Remove" (display)
    void clearKey() { app.Editor->Command5->click(); }            // "Clear" (key)
    void acceptKey() { app.Editor->Command6->click(); }           // "Accept" (key)
    void clearOption() { app.Editor->Command7->click(); }         // "Clear" (option)
    void acceptOption() { app.Editor->Command8->click(); }        // "Accept" (option)
    void help() { app.Editor->Command12->click(); }               // "Help"
};

// As the user types: replaces the text and raises textEdited.
void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->insert(text);
}

std::string blankKeyLines()
{
    std::string s;
    for (int i = 0; i < 65; ++i)
        s += " \r\n";
    return s;
}

EmulatorPlugin threeOptions()
{
    EmulatorPlugin p;
    p.pluginName = "ZSNES";
    p.fileSpec = "*.SMC";
    p.options = {{"Sound", "-s"}, {"Stereo", "-st"}, {"Fast", "-f"}};
    p.displayModes = {{"320x240X", "-v 1"}, {"640x480", "-v 2"}};
    return p;
}

std::string text(const QListWidget* list, int row) { return list->item(row)->text().toStdString(); }

} // namespace

TEST_F(EditorWindow, ResetThenSaveWithOnlyANameWritesAnEmptyPlugin)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    type(ed.Text10, "Num8");
    type(ed.Text11, "Sound");
    reset();
    EXPECT_EQ(ed.Text10->text().toStdString(), "");
    EXPECT_EQ(ed.Text11->text().toStdString(), "");
    EXPECT_EQ(ed.Text1->text().toStdString(), "");
    EXPECT_EQ(ed.Combo1->currentText().toStdString(), "*.*");
    EXPECT_EQ(ed.List8->count(), 0);
    EXPECT_EQ(ed.List(5)->count(), 13);
    type(ed.Text1, "NEWEMU");
    savePlugin();
    EXPECT_EQ(readFile("C:\\KIVALTO\\NEWEMU.XPL"),
              "\r\n*.*\r\n\r\n\\\r\n\r\n\r\nENDOPTS\r\nENDDISP\r\n" + blankKeyLines());
    EXPECT_EQ(app.mesage->text(), "Your Plugin has been saved.");
    EXPECT_TRUE(app.mesage->isVisible());
    EXPECT_EQ(ed.Text16->text().toStdString(), "\\");
}

TEST_F(EditorWindow, SaveWithoutANameIsRefused)
{
    startup();
    reset();
    savePlugin();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "You must specify a filename.");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
    EXPECT_FALSE(exists("C:\\KIVALTO\\.XPL"));
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(EditorWindow, SystemNameTurnsIntoItsMasksInTheBoxAfterSave)
{
    startup();
    Editor& ed = *app.Editor;
    reset();
    type(ed.Text1, "GENS");
    ed.Combo1->setCurrentIndex(ed.Combo1->findText("MEGA DRIVE"));
    emit ed.Combo1->textActivated("MEGA DRIVE");  // as chosen from the drop-down
    EXPECT_EQ(app.selection.plugin().fileSpec, "MEGA DRIVE");
    savePlugin();
    EXPECT_EQ(ed.Combo1->currentText().toStdString(), "*.smd;*.bin;*.zip;*.1;*.GZ");
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL").substr(0, 30), "\r\n*.smd;*.bin;*.zip;*.1;*.GZ\r\n");

    type(ed.Combo1->lineEdit(), "mega drive");
    savePlugin();
    EXPECT_EQ(ed.Combo1->currentText().toStdString(), "mega drive");
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL").substr(0, 14), "\r\nmega drive\r\n");
}

TEST_F(EditorWindow, EditsWriteThroughAndOutsideChangesShow)
{
    startup();
    Editor& ed = *app.Editor;
    EXPECT_EQ(app.selection.plugin().fileSpec, "*.*");
    EXPECT_EQ(ed.Text18->placeholderText().toStdString(), "Filename e.g. ZSNES.EXE");
    EXPECT_EQ(app.selection.plugin().exeName, "");
    type(ed.Text2, "ZSNES 1.36");
    type(ed.Text3, "-f n");
    type(ed.Text16, "C:\\ZSNES");
    type(ed.Text17, "-m");
    type(ed.Text18, "ZSNES.EXE");
    type(ed.Combo1->lineEdit(), "*.SMC;*.ZIP");
    EXPECT_EQ(app.selection.plugin().emulatorName, "ZSNES 1.36");
    EXPECT_EQ(app.selection.plugin().frameskipSwitch, "-f n");
    EXPECT_EQ(app.selection.plugin().defaultDir, "C:\\ZSNES");
    EXPECT_EQ(app.selection.plugin().fixedSwitches, "-m");
    EXPECT_EQ(app.selection.plugin().exeName, "ZSNES.EXE");
    EXPECT_EQ(app.selection.plugin().fileSpec, "*.SMC;*.ZIP");

    app.selection.plugin() = threeOptions();
    app.selection.plugin().keys.at(kSwitchRow, KeyColumn::Pad6) = "-j6";
    ed.showPlugin();
    EXPECT_EQ(ed.Text1->text().toStdString(), "ZSNES");
    EXPECT_EQ(ed.Text2->text().toStdString(), "");
    EXPECT_EQ(text(ed.List8, 2), "Fast");
    EXPECT_EQ(text(ed.List9, 2), "-f");
    EXPECT_EQ(text(ed.List6, 0), "320x240X");
    EXPECT_EQ(text(ed.List7, 1), "-v 2");
    EXPECT_EQ(text(ed.List(5), 12), "-j6");
    EXPECT_EQ(text(ed.List(1), 0), " ");
    EXPECT_EQ(text(ed.Text4, 12), "SWITCH");
}

TEST_F(EditorWindow, AddCreatesAnEntryEvenWithAnEmptyName)
{
    startup();
    Editor& ed = *app.Editor;
    addDisplayMode();
    ASSERT_EQ(app.selection.plugin().displayModes.size(), 1u);
    EXPECT_EQ(app.selection.plugin().displayModes[0].name, "");
    EXPECT_EQ(app.selection.plugin().displayModes[0].switchText, "Put Switch Here");
    EXPECT_EQ(text(ed.List6, 0), "");
    EXPECT_EQ(text(ed.List7, 0), "Put Switch Here");
    EXPECT_EQ(dialogs.lastText(), "A new display option has been created.");

    type(ed.Text11, "Sound");
    addOption();
    ASSERT_EQ(app.selection.plugin().options.size(), 1u);
    EXPECT_EQ(app.selection.plugin().options[0].name, "Sound");
    EXPECT_EQ(app.selection.plugin().options[0].switchText, "Put Switch Here");
    EXPECT_EQ(text(ed.List8, 0), "Sound");
    EXPECT_EQ(text(ed.List9, 0), "Put Switch Here");
    EXPECT_EQ(dialogs.lastText(), "A new option has been created.");
    EXPECT_EQ(dialogs.boxes.back().icon, Icon::None);
}

TEST_F(EditorWindow, LinkListsSelectsThePartnerAndAcceptGoesToTheListClickedLast)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    ed.Check1->setChecked(true);
    ed.List9->setCurrentRow(2);
    EXPECT_EQ(ed.List8->currentRow(), 2);
    EXPECT_TRUE(ed.List8->item(2)->isSelected());
    EXPECT_EQ(ed.Text11->text().toStdString(), "-f");
    EXPECT_EQ(ed.sellisT, 9);
    EXPECT_EQ(ed.headerColour(13), "&H0000FFFF");
    EXPECT_EQ(ed.headerColour(12), "&H00FFFFFF");
    EXPECT_EQ(ed.headerColour(14), "&H00FFFFFF");

    type(ed.Text11, "-fast");
    acceptOption();
    EXPECT_EQ(app.selection.plugin().options[2].name, "Fast");
    EXPECT_EQ(app.selection.plugin().options[2].switchText, "-fast");
    EXPECT_EQ(text(ed.List9, 2), "-fast");
    EXPECT_EQ(text(ed.List8, 2), "Fast");

    // The display group highlights independently of the key group.
    ed.List(2)->setCurrentRow(0);
    ed.List6->setCurrentRow(1);
    EXPECT_EQ(ed.List7->currentRow(), 1);
    EXPECT_EQ(ed.headerColour(15), "&H0000FFFF");
    EXPECT_EQ(ed.headerColour(13), "&H00FFFFFF");
    EXPECT_EQ(ed.headerColour(6), "&H0000FFFF");
    EXPECT_EQ(ed.headerColour(5), "&H00FFFFFF");
    type(ed.Text11, "640x480X");
    acceptOption();
    EXPECT_EQ(app.selection.plugin().displayModes[1].name, "640x480X");
    EXPECT_EQ(app.selection.plugin().displayModes[1].switchText, "-v 2");
}

TEST_F(EditorWindow, WithoutLinkListsOnlyTheClickedListIsSelected)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    ed.List8->setCurrentRow(1);
    EXPECT_EQ(ed.List9->currentRow(), -1);
    EXPECT_EQ(ed.Text11->text().toStdString(), "Stereo");
}

TEST_F(EditorWindow, KeyAcceptWritesTheCellOfTheColumnClickedLast)
{
    startup();
    Editor& ed = *app.Editor;
    ed.List(3)->setCurrentRow(12);
    EXPECT_EQ(ed.sellistB, 3);
    EXPECT_EQ(ed.headerColour(7), "&H0000FFFF");
    EXPECT_EQ(ed.Text10->text().toStdString(), " ");
    type(ed.Text10, "-j2");
    acceptKey();
    EXPECT_EQ(app.selection.plugin().keys.at(kSwitchRow, KeyColumn::Pad2), "-j2");
    EXPECT_EQ(text(ed.List(3), 12), "-j2");
    clearKey();
    clearOption();
    EXPECT_EQ(ed.Text10->text().toStdString(), "");
    EXPECT_EQ(ed.Text11->text().toStdString(), "");
}

TEST_F(EditorWindow, AcceptAndRemoveWithoutAChoiceDoNothing)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    const EmulatorPlugin before = app.selection.plugin();
    type(ed.Text11, "X");
    type(ed.Text10, "Y");
    acceptOption();  // no option or display list clicked yet
    acceptKey();  // no key column clicked yet
    removeOption();
    removeDisplayMode();
    EXPECT_EQ(app.selection.plugin().options.size(), 3u);
    EXPECT_EQ(app.selection.plugin().displayModes.size(), 2u);
    EXPECT_EQ(app.selection.plugin().options[0].name, before.options[0].name);
    EXPECT_EQ(app.selection.plugin().keys.cells, before.keys.cells);

    ed.List8->setCurrentRow(0);
    ed.List8->clearSelection();  // clicked before, nothing selected now
    acceptOption();
    EXPECT_EQ(app.selection.plugin().options[0].name, "Sound");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EditorWindow, RemoveTakesTheRowOfTheNameList)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    ed.List8->setCurrentRow(0);
    ed.List9->setCurrentRow(2);
    removeOption();
    ASSERT_EQ(app.selection.plugin().options.size(), 2u);
    EXPECT_EQ(app.selection.plugin().options[0].name, "Stereo");
    EXPECT_EQ(app.selection.plugin().options[1].switchText, "-f");
    EXPECT_EQ(ed.List8->count(), 2);
    EXPECT_EQ(text(ed.List9, 0), "-st");
    removeOption();  // nothing selected any more
    EXPECT_EQ(app.selection.plugin().options.size(), 2u);

    ed.List6->setCurrentRow(1);
    removeDisplayMode();
    ASSERT_EQ(app.selection.plugin().displayModes.size(), 1u);
    EXPECT_EQ(app.selection.plugin().displayModes[0].name, "320x240X");
    EXPECT_EQ(ed.List7->count(), 1);
}

TEST_F(EditorWindow, CloseAsksAndCancelKeepsTheWindowOpen)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    ed.show();
    dialogs.answers.push_back(Answer::Cancel);
    close();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Exit Plugin Editor: All unsaved data will be lost.");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::Exclamation);
    EXPECT_TRUE(ed.isVisible());
    EXPECT_EQ(ed.Text1->text().toStdString(), "ZSNES");
    EXPECT_EQ(ed.List8->count(), 3);

    dialogs.answers.push_back(Answer::Ok);
    close();
    EXPECT_FALSE(ed.isVisible());
    EXPECT_EQ(app.selection.plugin().options.size(), 3u);  // hiding keeps the plugin loaded
}

TEST_F(EditorWindow, ValuesThatWouldNotReadBackAreNamedBeforeSaving)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    app.selection.plugin().options[1].name = "Stereo,16";
    ed.showPlugin();
    dialogs.answers.push_back(Answer::Cancel);
    savePlugin();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("Option name 2: Stereo,16"), std::string::npos);
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_FALSE(exists("C:\\KIVALTO\\ZSNES.XPL"));
    EXPECT_FALSE(app.mesage->isVisible());

    dialogs.answers.push_back(Answer::Ok);  // the user insists
    savePlugin();
    EXPECT_NE(readFile("C:\\KIVALTO\\ZSNES.XPL").find("\r\nStereo,16\r\n-st\r\n"), std::string::npos);
    EXPECT_TRUE(app.mesage->isVisible());
}

TEST_F(EditorWindow, AFailedSaveIsReportedNotAnnounced)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin() = threeOptions();
    ed.showPlugin();
    makeFolder("C:\\KIVALTO\\ZSNES.XPL");  // the name is taken by a folder
    savePlugin();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text.rfind("The plugin ZSNES.XPL could not be saved: ", 0), 0u);
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(EditorWindow, ImportShowsTheChosenPlugin)
{
    writeFile("C:\\EMUS\\zsnes.xpl", "ZSNES 1.36\r\n*.SMC\r\n-f n\r\nC:\\ZSNES\\\r\n\r\nZSNES.EXE\r\nSound\r\n-s\r\n"
                                     "ENDOPTS\r\nENDDISP\r\n" +
                                         blankKeyLines());
    startup();
    Editor& ed = *app.Editor;
    dialogs.files.push_back("C:\\EMUS\\zsnes.xpl");
    importPlugin();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "Plugins (XPL)|*.XPL");
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, app.path(PathField::GUIDIr));
    EXPECT_EQ(ed.Text1->text().toStdString(), "ZSNES");
    EXPECT_EQ(ed.Text2->text().toStdString(), "ZSNES 1.36");
    EXPECT_EQ(ed.Combo1->currentText().toStdString(), "*.SMC");
    ASSERT_EQ(ed.List8->count(), 1);
    EXPECT_EQ(text(ed.List9, 0), "-s");

    importPlugin();  // cancelled: nothing changes
    EXPECT_EQ(app.selection.plugin().options.size(), 1u);
    EXPECT_EQ(ed.Text1->text().toStdString(), "ZSNES");
}

TEST_F(EditorWindow, HelpExplainsTheKeyNotation)
{
    startup();
    help();
    EXPECT_EQ(dialogs.lastText(),
              "The keys need to be compatible with SnesKey. Most keys are valid, though not ','. Use Numx to access "
              "the NumPad, where x is the number. So Num8 is up on the NumPad. Up accesses up on the arrow pad. "
              "Enter is enter, Space is space, Insert is insert, Delete is delete etc. Page Up is PgUp. Page Down "
              "is PgDn. Use Lshift, LCtrl, and LAlt to access those keys. You can replace L with R. See the "
              "Manual.Htm file in the SnesKey directory for more info.");
}

TEST_F(EditorWindow, FieldsHaveLabelsAndListsHaveNames)
{
    startup();
    Editor& ed = *app.Editor;
    for (QWidget* field : std::initializer_list<QWidget*>{ed.Text1, ed.Text2, ed.Combo1, ed.Text3, ed.Text16, ed.Text17,
                                                          ed.Text18, ed.Text10, ed.Text11}) {
        bool labelled = false;
        for (auto* l : ed.findChildren<QLabel*>())
            labelled = labelled || l->buddy() == field;
        EXPECT_TRUE(labelled) << field->objectName().toStdString();
    }
    EXPECT_EQ(ed.List(1)->accessibleName().toStdString(), "Player 1 Keys");
    EXPECT_EQ(ed.List8->accessibleName().toStdString(), "Options");
    EXPECT_EQ(ed.List6->accessibleName().toStdString(), "Display Options");
    EXPECT_EQ(ed.Text4->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(ed.List(5)->focusPolicy(), Qt::NoFocus);
}
