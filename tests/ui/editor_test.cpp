// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "app/windows/Paths.h"
#include "plugins/windows/Editor.h"
#include "ui/windows/mesage.h"

#include <QCheckBox>
#include <QComboBox>

using namespace kivalto;
namespace {

// The editor's controls by their design names. Buttons are clicked through
// their wiring like the user's.
class EditorWindow : public test::KivaltoTest {
protected:
    Editor& editor() { return *app.Editor; }
    QLineEdit* box(const char* name) { return ctl<QLineEdit>(editor(), name); }
    QListWidget* list(const char* name) { return ctl<QListWidget>(editor(), name); }
    QComboBox* fileSpec() { return ctl<QComboBox>(editor(), "Combo1"); }
    // The colour text ("&H00BBGGRR") of a list header as the user sees it.
    std::string headerColour(const char* name)
    {
        const QColor c = ctl<QLabel>(editor(), name)->palette().color(QPalette::WindowText);
        return QString::asprintf("&H00%02X%02X%02X", c.blue(), c.green(), c.red()).toStdString();
    }

    void press(const char* name) { ctl<QPushButton>(editor(), name)->click(); }
    void close() { press("Command1"); }               // "Close"
    void savePlugin() { press("Command2"); }          // "Save Plugin"
    void importPlugin() { press("Command3"); }        // "Import Plugin"
    void reset() { press("Command4"); }               // "Reset"
    void addOption() { press("addopt"); }             // "Add" (option)
    void addDisplayMode() { press("Command9"); }      // "Add" (display)
    void removeOption() { press("Command10"); }       // "Remove" (option)
    void removeDisplayMode() { press("Command11"); }  // "Remove" (display)
    void clearKey() { press("Command5"); }            // "Clear" (key)
    void acceptKey() { press("Command6"); }           // "Accept" (key)
    void clearOption() { press("Command7"); }         // "Clear" (option)
    void acceptOption() { press("Command8"); }        // "Accept" (option)
    void help() { press("Command12"); }               // "Help"
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
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    type(box("Text10"), "Num8");
    type(box("Text11"), "Sound");
    reset();
    EXPECT_EQ(box("Text10")->text().toStdString(), "");
    EXPECT_EQ(box("Text11")->text().toStdString(), "");
    EXPECT_EQ(box("Text1")->text().toStdString(), "");
    EXPECT_EQ(fileSpec()->currentText().toStdString(), "*.*");
    EXPECT_EQ(list("List8")->count(), 0);
    EXPECT_EQ(list("List5")->count(), 13);
    type(box("Text1"), "NEWEMU");
    savePlugin();
    EXPECT_EQ(readFile("C:\\KIVALTO\\NEWEMU.XPL"),
              "\r\n*.*\r\n\r\n\\\r\n\r\n\r\nENDOPTS\r\nENDDISP\r\n" + blankKeyLines());
    EXPECT_EQ(app.mesage->text(), "Your Plugin has been saved.");
    EXPECT_TRUE(app.mesage->isVisible());
    EXPECT_EQ(box("Text16")->text().toStdString(), "\\");
}

TEST_F(EditorWindow, LoadedAtStartItShowsAnEmptyPluginWithThirteenBlankKeyRows)
{
    startup();
    EXPECT_EQ(fileSpec()->currentText().toStdString(), "*.*");
    EXPECT_EQ(box("Text1")->text().toStdString(), "");
    for (const char* column : {"List1", "List2", "List3", "List4", "List5"}) {
        ASSERT_EQ(list(column)->count(), kKeyRows) << column;
        for (int row = 0; row < kKeyRows; ++row)
            EXPECT_EQ(text(list(column), row), " ") << column << " row " << row;
    }
    EXPECT_EQ(list("List8")->count(), 0);
    EXPECT_EQ(list("List6")->count(), 0);
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
    reset();
    type(box("Text1"), "GENS");
    fileSpec()->setCurrentIndex(fileSpec()->findText("MEGA DRIVE"));
    emit fileSpec()->textActivated("MEGA DRIVE");  // as chosen from the drop-down
    EXPECT_EQ(app.selection.plugin().fileSpec, "MEGA DRIVE");
    savePlugin();
    EXPECT_EQ(fileSpec()->currentText().toStdString(), "*.smd;*.bin;*.zip;*.1;*.GZ");
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL").substr(0, 30), "\r\n*.smd;*.bin;*.zip;*.1;*.GZ\r\n");

    type(fileSpec()->lineEdit(), "mega drive");
    savePlugin();
    EXPECT_EQ(fileSpec()->currentText().toStdString(), "mega drive");
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL").substr(0, 14), "\r\nmega drive\r\n");
}

TEST_F(EditorWindow, EditsWriteThroughAndOutsideChangesShow)
{
    startup();
    EXPECT_EQ(app.selection.plugin().fileSpec, "*.*");
    EXPECT_EQ(box("Text18")->placeholderText().toStdString(), "Filename e.g. ZSNES.EXE");
    EXPECT_EQ(app.selection.plugin().exeName, "");
    type(box("Text2"), "ZSNES 1.36");
    type(box("Text3"), "-f n");
    type(box("Text16"), "C:\\ZSNES");
    type(box("Text17"), "-m");
    type(box("Text18"), "ZSNES.EXE");
    type(fileSpec()->lineEdit(), "*.SMC;*.ZIP");
    EXPECT_EQ(app.selection.plugin().emulatorName, "ZSNES 1.36");
    EXPECT_EQ(app.selection.plugin().frameskipSwitch, "-f n");
    EXPECT_EQ(app.selection.plugin().defaultDir, "C:\\ZSNES");
    EXPECT_EQ(app.selection.plugin().fixedSwitches, "-m");
    EXPECT_EQ(app.selection.plugin().exeName, "ZSNES.EXE");
    EXPECT_EQ(app.selection.plugin().fileSpec, "*.SMC;*.ZIP");

    app.selection.plugin() = threeOptions();
    app.selection.plugin().keys.at(kSwitchRow, KeyColumn::Pad6) = "-j6";
    app.selection.pluginChanged();
    EXPECT_EQ(box("Text1")->text().toStdString(), "ZSNES");
    EXPECT_EQ(box("Text2")->text().toStdString(), "");
    EXPECT_EQ(text(list("List8"), 2), "Fast");
    EXPECT_EQ(text(list("List9"), 2), "-f");
    EXPECT_EQ(text(list("List6"), 0), "320x240X");
    EXPECT_EQ(text(list("List7"), 1), "-v 2");
    EXPECT_EQ(text(list("List5"), 12), "-j6");
    EXPECT_EQ(text(list("List1"), 0), " ");
    EXPECT_EQ(text(list("Text4"), 12), "SWITCH");
}

TEST_F(EditorWindow, AddCreatesAnEntryEvenWithAnEmptyName)
{
    startup();
    addDisplayMode();
    ASSERT_EQ(app.selection.plugin().displayModes.size(), 1u);
    EXPECT_EQ(app.selection.plugin().displayModes[0].name, "");
    EXPECT_EQ(app.selection.plugin().displayModes[0].switchText, "Put Switch Here");
    EXPECT_EQ(text(list("List6"), 0), "");
    EXPECT_EQ(text(list("List7"), 0), "Put Switch Here");
    EXPECT_EQ(dialogs.lastText(), "A new display option has been created.");

    type(box("Text11"), "Sound");
    addOption();
    ASSERT_EQ(app.selection.plugin().options.size(), 1u);
    EXPECT_EQ(app.selection.plugin().options[0].name, "Sound");
    EXPECT_EQ(app.selection.plugin().options[0].switchText, "Put Switch Here");
    EXPECT_EQ(text(list("List8"), 0), "Sound");
    EXPECT_EQ(text(list("List9"), 0), "Put Switch Here");
    EXPECT_EQ(dialogs.lastText(), "A new option has been created.");
    EXPECT_EQ(dialogs.boxes.back().icon, Icon::None);
}

TEST_F(EditorWindow, LinkListsSelectsThePartnerAndAcceptGoesToTheListClickedLast)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    ctl<QCheckBox>(editor(), "Check1")->click();  // "Link Lists" ticked
    list("List9")->setCurrentRow(2);
    EXPECT_EQ(list("List8")->currentRow(), 2);
    EXPECT_TRUE(list("List8")->item(2)->isSelected());
    EXPECT_EQ(box("Text11")->text().toStdString(), "-f");
    EXPECT_EQ(headerColour("Text13"), "&H0000FFFF");
    EXPECT_EQ(headerColour("Text12"), "&H00FFFFFF");
    EXPECT_EQ(headerColour("Text14"), "&H00FFFFFF");

    type(box("Text11"), "-fast");
    acceptOption();
    EXPECT_EQ(app.selection.plugin().options[2].name, "Fast");
    EXPECT_EQ(app.selection.plugin().options[2].switchText, "-fast");
    EXPECT_EQ(text(list("List9"), 2), "-fast");
    EXPECT_EQ(text(list("List8"), 2), "Fast");

    // The display group highlights independently of the key group.
    list("List2")->setCurrentRow(0);
    list("List6")->setCurrentRow(1);
    EXPECT_EQ(list("List7")->currentRow(), 1);
    EXPECT_EQ(headerColour("Text15"), "&H0000FFFF");
    EXPECT_EQ(headerColour("Text13"), "&H00FFFFFF");
    EXPECT_EQ(headerColour("Text6"), "&H0000FFFF");
    EXPECT_EQ(headerColour("Text5"), "&H00FFFFFF");
    type(box("Text11"), "640x480X");
    acceptOption();
    EXPECT_EQ(app.selection.plugin().displayModes[1].name, "640x480X");
    EXPECT_EQ(app.selection.plugin().displayModes[1].switchText, "-v 2");
}

TEST_F(EditorWindow, WithoutLinkListsOnlyTheClickedListIsSelected)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    list("List8")->setCurrentRow(1);
    EXPECT_EQ(list("List9")->currentRow(), -1);
    EXPECT_EQ(box("Text11")->text().toStdString(), "Stereo");
}

TEST_F(EditorWindow, KeyAcceptWritesTheCellOfTheColumnClickedLast)
{
    startup();
    list("List3")->setCurrentRow(12);
    EXPECT_EQ(headerColour("Text7"), "&H0000FFFF");
    EXPECT_EQ(box("Text10")->text().toStdString(), " ");
    type(box("Text10"), "-j2");
    acceptKey();
    EXPECT_EQ(app.selection.plugin().keys.at(kSwitchRow, KeyColumn::Pad2), "-j2");
    EXPECT_EQ(text(list("List3"), 12), "-j2");
    clearKey();
    clearOption();
    EXPECT_EQ(box("Text10")->text().toStdString(), "");
    EXPECT_EQ(box("Text11")->text().toStdString(), "");
}

TEST_F(EditorWindow, AcceptAndRemoveWithoutAChoiceDoNothing)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    const EmulatorPlugin before = app.selection.plugin();
    type(box("Text11"), "X");
    type(box("Text10"), "Y");
    acceptOption();  // no option or display list clicked yet
    acceptKey();  // no key column clicked yet
    removeOption();
    removeDisplayMode();
    EXPECT_EQ(app.selection.plugin().options.size(), 3u);
    EXPECT_EQ(app.selection.plugin().displayModes.size(), 2u);
    EXPECT_EQ(app.selection.plugin().options[0].name, before.options[0].name);
    EXPECT_EQ(app.selection.plugin().keys.cells, before.keys.cells);

    list("List8")->setCurrentRow(0);
    list("List8")->clearSelection();  // clicked before, nothing selected now
    acceptOption();
    EXPECT_EQ(app.selection.plugin().options[0].name, "Sound");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EditorWindow, RemoveTakesTheRowOfTheNameList)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    list("List8")->setCurrentRow(0);
    list("List9")->setCurrentRow(2);
    removeOption();
    ASSERT_EQ(app.selection.plugin().options.size(), 2u);
    EXPECT_EQ(app.selection.plugin().options[0].name, "Stereo");
    EXPECT_EQ(app.selection.plugin().options[1].switchText, "-f");
    EXPECT_EQ(list("List8")->count(), 2);
    EXPECT_EQ(text(list("List9"), 0), "-st");
    removeOption();  // nothing selected any more
    EXPECT_EQ(app.selection.plugin().options.size(), 2u);

    list("List6")->setCurrentRow(1);
    removeDisplayMode();
    ASSERT_EQ(app.selection.plugin().displayModes.size(), 1u);
    EXPECT_EQ(app.selection.plugin().displayModes[0].name, "320x240X");
    EXPECT_EQ(list("List7")->count(), 1);
}

TEST_F(EditorWindow, CloseAsksAndCancelKeepsTheWindowOpen)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
    editor().show();
    dialogs.answers.push_back(Answer::Cancel);
    close();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Exit Plugin Editor: All unsaved data will be lost.");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::Exclamation);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(box("Text1")->text().toStdString(), "ZSNES");
    EXPECT_EQ(list("List8")->count(), 3);

    dialogs.answers.push_back(Answer::Ok);
    close();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(app.selection.plugin().options.size(), 3u);  // hiding keeps the plugin loaded
}

TEST_F(EditorWindow, ValuesThatWouldNotReadBackAreNamedBeforeSaving)
{
    startup();
    app.selection.plugin() = threeOptions();
    app.selection.plugin().options[1].name = "Stereo,16";
    app.selection.pluginChanged();
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
    app.selection.plugin() = threeOptions();
    app.selection.pluginChanged();
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
    dialogs.files.push_back("C:\\EMUS\\zsnes.xpl");
    importPlugin();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "Plugins (XPL)|*.XPL");
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, app.path(PathField::GUIDIr));
    EXPECT_EQ(box("Text1")->text().toStdString(), "ZSNES");
    EXPECT_EQ(box("Text2")->text().toStdString(), "ZSNES 1.36");
    EXPECT_EQ(fileSpec()->currentText().toStdString(), "*.SMC");
    ASSERT_EQ(list("List8")->count(), 1);
    EXPECT_EQ(text(list("List9"), 0), "-s");

    importPlugin();  // cancelled: nothing changes
    EXPECT_EQ(app.selection.plugin().options.size(), 1u);
    EXPECT_EQ(box("Text1")->text().toStdString(), "ZSNES");
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
    for (const char* name : {"Text1", "Text2", "Combo1", "Text3", "Text16", "Text17", "Text18", "Text10", "Text11"}) {
        const QWidget* field = ctl<QWidget>(editor(), name);
        bool labelled = false;
        for (auto* l : editor().findChildren<QLabel*>())
            labelled = labelled || l->buddy() == field;
        EXPECT_TRUE(labelled) << field->objectName().toStdString();
    }
    EXPECT_EQ(list("List1")->accessibleName().toStdString(), "Player 1 Keys");
    EXPECT_EQ(list("List8")->accessibleName().toStdString(), "Options");
    EXPECT_EQ(list("List6")->accessibleName().toStdString(), "Display Options");
    EXPECT_EQ(list("Text4")->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(list("List5")->focusPolicy(), Qt::NoFocus);
}
