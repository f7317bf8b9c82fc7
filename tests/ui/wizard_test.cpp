// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "plugins/windows/Editor.h"
#include "plugins/windows/addnew.h"

using namespace kivalto;
using Wizard = test::KivaltoTest;

namespace {

std::string blankKeyLines()
{
    std::string s;
    for (int i = 0; i < 65; ++i)
        s += " \r\n";
    return s;
}

// The wizard's controls by their design names; buttons are clicked through
// their wiring like the user's.
QLineEdit* box(addnew& w, const char* name) { return ctl<QLineEdit>(w, name); }
QPushButton* button(addnew& w, const char* name) { return ctl<QPushButton>(w, name); }
QLabel* prompt(addnew& w) { return ctl<QLabel>(w, "Label1"); }
QComboBox* fileSpec(addnew& w) { return ctl<QComboBox>(w, "Combo1"); }
// The caption of "Next >>", "Finish" on the last step.
std::string nextCaption(addnew& w) { return button(w, "Command2")->text().remove('&').toStdString(); }

void pressNext(addnew& w) { button(w, "Command2")->click(); }  // "Next >>", "Finish" on the last step

// Answers the current step in the top box and presses "Next >>".
void answer(addnew& w, const QString& text)
{
    box(w, "Text1")->setText(text);
    pressNext(w);
}

// Fills the name and switch boxes and presses "Store" (Command1).
void store(addnew& w, const QString& name, const QString& switchText)
{
    box(w, "Text1")->setText(name);
    box(w, "Text3")->setText(switchText);
    button(w, "Command1")->click();  // "Store" the answer
}

std::string editorText(Editor& ed, const char* name) { return ctl<QLineEdit>(ed, name)->text().toStdString(); }

} // namespace

TEST_F(Wizard, TwelveNextPressesWriteAnEmptyPluginNamedDotXpl)
{
    startup();
    ctl<QAction>(main(), "addnewwiz")->trigger();
    addnew& w = *app.addnew;
    ASSERT_TRUE(w.isVisible());
    for (int i = 0; i < 12; ++i)
        pressNext(w);
    EXPECT_EQ(readFile("C:\\KIVALTO\\.XPL"), "\r\n*.*\r\n\r\n\\\r\n\r\n\r\nENDOPTS\r\nENDDISP\r\n" + blankKeyLines());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(editorText(*app.Editor, "Text16"), "\\");
}

TEST_F(Wizard, StepsShowTheirPromptsAndBoxes)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    auto boxes = [&w] {
        return std::string(box(w, "Text1")->isHidden() ? "-" : "T") + (box(w, "Text3")->isHidden() ? "-" : "S") +
               (fileSpec(w)->isHidden() ? "-" : "C") + (button(w, "Command1")->isHidden() ? "-" : "B");
    };
    const std::string welcome = "This Wizard will step you through the process of creating a Plugin. Click 'Next' "
                                "to continue. You may like to have the plugin editor open to see what this wizard "
                                "is doing.";
    EXPECT_EQ(prompt(w)->text().toStdString(), welcome);
    EXPECT_EQ(w.findChild<QLineEdit*>("Text2"), nullptr);  // the step is data, not a hidden box
    EXPECT_EQ(boxes(), "----");
    EXPECT_EQ(nextCaption(w), "Next >>");

    const std::vector<std::pair<std::string, std::string>> after = {
        {"Plugin Filename without extension.", "T---"},
        {"Emulator name and version.", "T---"},
        {"Enter the switch for a frameskip, e.g. '-f n'. If unavailable leave blank.", "T---"},
        {"Enter the Default directory for this emulator.", "T---"},
        {"Enter any switches to always use.", "T---"},
        {"Enter emulator EXE name, e.g. 'ZSNES.EXE'", "T---"},
        {"Enter all options not to do with controller or display resolution. Enter the option in the top box, and "
         "the switch in the bottom box. Press STORE to enter it, press NEXT when done.",
         "TS-B"},
        {"Enter all cheat code switches. Enter the cheat code name in the top box, and the switch in the bottom "
         "box. Press STORE to enter it, press NEXT when done.",
         "TS-B"},
        {"Enter all the available display resolutions. Enter the resolution in the top box, and the switch in the "
         "bottom box. Press STORE to enter it, press NEXT when done. Use an 'X' at the end to signify modeX, S to "
         "show Scanlines, and 1 if VESA1. Nothing at the end shows VESA2.",
         "TS-B"},
        {"Select or enter the filespec for the emulator. If you select an emulator from the list the text will be "
         "replaced with the appropriate filespec.",
         "--C-"},
        {"You must use the plugin editor to set the keys.", "----"},
    };
    for (std::size_t i = 0; i < after.size(); ++i) {
        pressNext(w);
        EXPECT_EQ(prompt(w)->text().toStdString(), after[i].first) << "step " << i + 1;
        EXPECT_EQ(boxes(), after[i].second) << "step " << i + 1;
        if (after[i].second != "----") {
            QWidget* input = after[i].second == "--C-" ? static_cast<QWidget*>(fileSpec(w)) : box(w, "Text1");
            EXPECT_EQ(prompt(w)->buddy(), input) << "step " << i + 1;
        }
    }
    EXPECT_EQ(nextCaption(w), "Finish");
    EXPECT_EQ(ctl<QLabel>(w, "Label2")->buddy(), box(w, "Text3"));

    // Starting again returns to the first step with its boxes hidden.
    ctl<QAction>(main(), "addnewwiz")->trigger();
    EXPECT_EQ(prompt(w)->text().toStdString(), welcome);
    EXPECT_EQ(nextCaption(w), "Next >>");
    EXPECT_EQ(boxes(), "----");
}

TEST_F(Wizard, EveryPromptShowsInFull)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    for (int step = 0; step <= 10; ++step) {
        QApplication::processEvents();
        EXPECT_GE(prompt(w)->height(), prompt(w)->heightForWidth(prompt(w)->width())) << "step " << step;
        pressNext(w);
    }
}

TEST_F(Wizard, AStoredRunWritesOptionsThenCheatsThenDisplayModes)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    pressNext(w);
    answer(w, "GENS");
    answer(w, "Gens 2.0");
    answer(w, "-f n");
    answer(w, "C:\\GENS");
    answer(w, "-q");
    answer(w, "GENS.EXE");
    store(w, "O1", "-o1");
    store(w, "O2", "-o2");
    EXPECT_EQ(box(w, "Text1")->text().toStdString(), "");
    EXPECT_EQ(box(w, "Text3")->text().toStdString(), "");
    pressNext(w);
    store(w, "C", "-gg");
    pressNext(w);
    store(w, "D1", "-v1");
    store(w, "D2", "-v2");
    pressNext(w);
    EXPECT_EQ(ctl<QListWidget>(*app.Editor, "List8")->count(), 3);  // an open editor shows the plugin growing
    fileSpec(w)->setCurrentIndex(fileSpec(w)->findText("GAME GEAR"));
    pressNext(w);
    pressNext(w);
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL"),
              "Gens 2.0\r\n*.gg;*.zip;*.GZ\r\n-f n\r\nC:\\GENS\\\r\n-q\r\nGENS.EXE\r\n"
              "O1\r\n-o1\r\nO2\r\n-o2\r\n#C\r\n-gg\r\nENDOPTS\r\nD1\r\n-v1\r\nD2\r\n-v2\r\nENDDISP\r\n" +
                  blankKeyLines());
    EXPECT_EQ(ctl<QComboBox>(*app.Editor, "Combo1")->currentText().toStdString(), "*.gg;*.zip;*.GZ");
}

TEST_F(Wizard, StartingOverALoadedPluginDropsItsListsAndKeysOnly)
{
    startup();
    Editor& ed = *app.Editor;
    app.selection.plugin().pluginName = "ZSNES";
    app.selection.plugin().emulatorName = "ZSNES 1.36";
    app.selection.plugin().exeName = "ZSNES.EXE";
    app.selection.plugin().options = {{"Sound", "-s"}};
    app.selection.plugin().displayModes = {{"320x240", "-v 1"}};
    app.selection.plugin().keys.at(0, KeyColumn::Player1) = "Num8";
    app.selection.pluginChanged();
    ctl<QAction>(main(), "addnewwiz")->trigger();
    EXPECT_TRUE(app.selection.plugin().options.empty());
    EXPECT_TRUE(app.selection.plugin().displayModes.empty());
    EXPECT_EQ(app.selection.plugin().keys.at(0, KeyColumn::Player1), " ");
    EXPECT_EQ(ctl<QListWidget>(ed, "List8")->count(), 0);
    EXPECT_EQ(ctl<QListWidget>(ed, "List1")->item(0)->text().toStdString(), " ");

    addnew& w = *app.addnew;
    pressNext(w);
    answer(w, "NEWEMU");
    button(w, "Command3")->click();  // "Cancel" early: later header fields stay, nothing is saved
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(app.selection.plugin().pluginName, "NEWEMU");
    EXPECT_EQ(app.selection.plugin().emulatorName, "ZSNES 1.36");
    EXPECT_EQ(app.selection.plugin().exeName, "ZSNES.EXE");
    EXPECT_EQ(editorText(ed, "Text1"), "NEWEMU");
    EXPECT_FALSE(exists("C:\\KIVALTO\\NEWEMU.XPL"));
}

TEST_F(Wizard, StoreOutsideTheListStepsOnlyEmptiesTheBoxes)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    pressNext(w);
    store(w, "Sound", "-s");  // step 1: the button is hidden there
    EXPECT_TRUE(app.selection.plugin().options.empty());
    EXPECT_EQ(box(w, "Text1")->text().toStdString(), "");
}

TEST_F(Wizard, FinishThatCannotWriteKeepsTheWizardOpen)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    pressNext(w);
    answer(w, "BAD");
    for (int i = 0; i < 9; ++i)
        pressNext(w);
    EXPECT_EQ(nextCaption(w), "Finish");
    makeFolder("C:\\KIVALTO\\BAD.XPL");
    pressNext(w);
    EXPECT_TRUE(w.isVisible());
    ASSERT_FALSE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.lastText().rfind("The plugin BAD.XPL could not be saved: ", 0), 0u);
    EXPECT_EQ(nextCaption(w), "Finish");  // still the last step

    std::filesystem::remove(host("C:\\KIVALTO\\BAD.XPL"));
    pressNext(w);  // Finish again once the obstacle is gone
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(readFile("C:\\KIVALTO\\BAD.XPL").substr(0, 7), "\r\n*.*\r\n");
}

TEST_F(Wizard, FinishWarnsAboutAValueThatWouldNotReadBack)
{
    startup();
    addnew& w = *app.addnew;
    ctl<QAction>(main(), "addnewwiz")->trigger();
    pressNext(w);
    answer(w, "SOUNDEMU");
    for (int i = 0; i < 5; ++i)
        pressNext(w);
    store(w, "Sound,16", "-s");
    for (int i = 0; i < 4; ++i)
        pressNext(w);
    dialogs.answers.push_back(Answer::Cancel);
    pressNext(w);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("Option name 1: Sound,16"), std::string::npos);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(exists("C:\\KIVALTO\\SOUNDEMU.XPL"));
}
