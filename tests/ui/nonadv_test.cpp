// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "fixture.h"
#include "keys/windows/nonadv.h"
#include "keys/windows/sneskeycon.h"
#include "platform/qt/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace kivalto;

namespace {

using Lines = std::vector<std::string>;

Lines texts(const QListWidget* list)
{
    Lines out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(bytes(list->item(i)->text()));
    return out;
}

// Picks a controller by name in the SnesKey window, as choosing it in its box does.
void chooseController(const sneskeycon& window, const char* name)
{
    auto* box = ctl<QComboBox>(window, "Combo1");
    box->setEditText(name);
    emit box->activated(box->currentIndex());
}

} // namespace

class ManualMapping : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\EIGHT.SKP", "BUTS,b0,b1,b2,b3,b4,b5,b6,b7,DONEBUTS");
        startup();
        ctl<QLineEdit>(*app.Paths, "GUIDIr")->setText("C:\\KIVALTO\\");
        chooseController(*app.sneskeycon, "EIGHT");
    }
    nonadv& w() { return *app.nonadv; }
    QListWidget* buttons() { return ctl<QListWidget>(w(), "List1"); }
    QListWidget* keyList() { return ctl<QListWidget>(w(), "List2"); }
    QLineEdit* keyText() { return ctl<QLineEdit>(w(), "Text3"); }
    void press(const char* name) { ctl<QPushButton>(w(), name)->click(); }
    void pressAccept() { press("Command4"); }
    void pressLoad() { press("Command5"); }  // asks for a mapping file
    void pressSave() { press("Command6"); }  // asks where to save one
    void pressClose() { press("Command1"); }
    // The window shown, then made active, as when the user opens it.
    void open()
    {
        w().show();
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&w(), &activation);
    }
    void accept(int row, const char* key)
    {
        buttons()->setCurrentRow(row);
        keyText()->setText(key);
        pressAccept();
    }
};

TEST_F(ManualMapping, ActivationSelectsTheFirstButtonAndAcceptUpperCases)
{
    buttons()->setCurrentRow(3);
    EXPECT_EQ(keyList()->currentRow(), 3);
    EXPECT_EQ(keyText()->text(), "3");

    open();
    EXPECT_EQ(buttons()->currentRow(), 0);
    EXPECT_EQ(keyList()->currentRow(), 0);
    EXPECT_EQ(keyText()->text(), "0");

    keyText()->setText("num8");
    pressAccept();
    EXPECT_EQ(bytes(keyList()->item(0)->text()), "NUM8");

    keyList()->setCurrentRow(-1);
    keyText()->setText("space");
    pressAccept();
    EXPECT_EQ(texts(keyList()), (Lines{"NUM8", "1", "2", "3", "4", "5", "6", "7"}));
}

// The window becomes active again when a Save or Load dialog closes; only
// an opening of the window selects the first button again.
TEST_F(ManualMapping, OnlyOpeningTheWindowSelectsTheFirstButton)
{
    const auto activate = [&] {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&w(), &activation);
    };
    w().show();
    activate();
    EXPECT_EQ(keyList()->currentRow(), 0);
    buttons()->setCurrentRow(3);
    pressSave();  // the dialog is cancelled
    activate();
    EXPECT_EQ(keyList()->currentRow(), 3);
    pressClose();
    w().show();
    activate();
    EXPECT_EQ(keyList()->currentRow(), 0);
}

TEST_F(ManualMapping, EmptyButtonListIsHarmless)
{
    chooseController(*app.sneskeycon, "NONE");
    open();
    keyText()->setText("a");
    pressAccept();
    EXPECT_EQ(keyList()->count(), 0);
}

TEST_F(ManualMapping, SaveAndLoadRoundTrip)
{
    const Lines keys{"NUM8", "NUM2", "A", "B", "ENTER", "SPACE", "LCTRL", "PGUP"};
    for (int i = 0; i < 8; ++i)
        accept(i, keys[static_cast<std::size_t>(i)].c_str());
    makeFolder("C:\\MAPS");
    dialogs.files.push_back("C:\\MAPS\\MINE.SKS");
    pressSave();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_TRUE(dialogs.fileDialogs[0].save);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "*.SKS|*.SKS");
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, "C:\\KIVALTO\\");
    EXPECT_EQ(readFile("C:\\MAPS\\MINE.SKS"), " 7 \r\nNUM8\r\nNUM2\r\nA\r\nB\r\nENTER\r\nSPACE\r\nLCTRL\r\nPGUP\r\n");

    for (int i = 0; i < 8; ++i)
        accept(i, "x");
    dialogs.files.push_back("C:\\MAPS\\MINE.SKS");
    pressLoad();
    EXPECT_FALSE(dialogs.fileDialogs[1].save);
    EXPECT_EQ(dialogs.fileDialogs[1].filter, "*.SKS|*.SKS");
    EXPECT_EQ(texts(keyList()), keys);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(app.fs.currentDir(), "C:\\KIVALTO");

    // A shorter file sets the first keys only; a cancelled dialog does nothing.
    writeFile("C:\\MAPS\\TWO.SKS", " 1 \r\nq\r\nw\r\n");
    dialogs.files.push_back("C:\\MAPS\\TWO.SKS");
    pressLoad();
    EXPECT_EQ(texts(keyList()), (Lines{"q", "w", "A", "B", "ENTER", "SPACE", "LCTRL", "PGUP"}));
    pressLoad();
    pressSave();
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ManualMapping, BadMappingFilesChangeNothing)
{
    const Lines before = texts(keyList());
    writeFile("C:\\MAPS\\NINE.SKS", " 8 \r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
    writeFile("C:\\MAPS\\BAD.SKS", "three\r\nA\r\n");
    writeFile("C:\\MAPS\\SHORT.SKS", " 3 \r\nA\r\n");
    for (const char* name : {"C:\\MAPS\\NINE.SKS", "C:\\MAPS\\BAD.SKS", "C:\\MAPS\\SHORT.SKS", "C:\\MAPS\\NONE.SKS"})
        dialogs.files.push_back(name);
    for (int i = 0; i < 4; ++i)
        pressLoad();
    EXPECT_EQ(texts(keyList()), before);
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[0].text, "The mapping file C:\\MAPS\\NINE.SKS holds 9 keys, but the controller has only 8 "
                                     "buttons. Nothing was changed.");
    EXPECT_EQ(dialogs.boxes[1].text, "The mapping file C:\\MAPS\\BAD.SKS is not valid. Its first line is not a key "
                                     "count. Nothing was changed.");
    EXPECT_EQ(dialogs.boxes[2].text, "The mapping file C:\\MAPS\\SHORT.SKS is not valid. It ends before its 4 keys. "
                                     "Nothing was changed.");
    EXPECT_EQ(dialogs.boxes[3].text, "The mapping file C:\\MAPS\\NONE.SKS could not be read.");

    dialogs.files.push_back("C:\\NOFOLDER\\X.SKS");
    pressSave();
    ASSERT_EQ(dialogs.boxes.size(), 5u);
    EXPECT_EQ(dialogs.boxes[4].text.rfind("The mapping file C:\\NOFOLDER\\X.SKS could not be saved: ", 0), 0u);
}

TEST_F(ManualMapping, HelpTexts)
{
    press("Command2");  // Help
    press("Command3");  // Valid Keys
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "This window has appeared because you chose to disable advanced SnesKey support. This means that you "
              "must map the buttons on your controller to the appropriate keys by hand. To map a button to a key "
              "click on the corresponding box in the MAP TO list. Enter the key into the text box beneath and press "
              "ACCEPT. See VALID KEYS to see which keys are available.");
    EXPECT_EQ(dialogs.boxes[1].text,
              "The keys need to be compatible with SnesKey. Most keys are valid, though not ','. Use Numx to access "
              "the NumPad, where x is the number. So Num8 is up on the NumPad. Up accesses up on the arrow pad. Enter "
              "is enter, Space is space, Insert is insert, Delete is delete etc. Page Up is PgUp. Page Down is PgDn. "
              "Use Lshift, LCtrl, and LAlt to access those keys. You can replace L with R. See the Manual.Htm file in "
              "the SnesKey directory for more info.");
    EXPECT_EQ(dialogs.boxes[1].title, "Kivalto");
}

TEST_F(ManualMapping, MenuItemsSwitchAdvancedSupportAndTestAfterRunning)
{
    Snesmain& m = main();
    EXPECT_TRUE(ctl<QAction>(m, "sneskadv")->isChecked());
    EXPECT_FALSE(ctl<QAction>(m, "nonadvcon")->isEnabled());
    EXPECT_TRUE(w().isHidden());

    ctl<QAction>(m, "sneskadv")->trigger();
    EXPECT_FALSE(ctl<QAction>(m, "sneskadv")->isChecked());
    EXPECT_TRUE(ctl<QAction>(m, "nonadvcon")->isEnabled());
    EXPECT_FALSE(w().isHidden());
    EXPECT_EQ(buttons()->currentRow(), 0);

    ctl<QAction>(m, "sneskadv")->trigger();
    EXPECT_TRUE(ctl<QAction>(m, "sneskadv")->isChecked());
    EXPECT_FALSE(ctl<QAction>(m, "nonadvcon")->isEnabled());
    EXPECT_FALSE(w().isHidden());

    pressClose();
    EXPECT_TRUE(w().isHidden());
    ctl<QAction>(m, "nonadvcon")->setEnabled(true);
    ctl<QAction>(m, "nonadvcon")->trigger();
    EXPECT_FALSE(w().isHidden());

    EXPECT_TRUE(ctl<QAction>(m, "nostest")->isChecked());
    ctl<QAction>(m, "nostest")->trigger();
    EXPECT_EQ(settings.get("Kivalto", "Options", "NOtest", "missing"), "0");
    ctl<QAction>(m, "nostest")->trigger();
    EXPECT_EQ(settings.get("Kivalto", "Options", "NOtest", "missing"), "1");
}

TEST_F(ManualMapping, TestAfterRunningKeepsItsStateAcrossRuns)
{
    ctl<QAction>(main(), "nostest")->trigger();
    destroyWindows(app);
    startup();
    EXPECT_FALSE(ctl<QAction>(main(), "nostest")->isChecked());
}
