// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "app/windows/Paths.h"
#include "keys/windows/keyconfig.h"
#include "keys/windows/padkeyboxes.h"
#include "platform/qt/text.h"
#include "platform/textfield.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <vector>

using namespace kivalto;
using test::crlf;

namespace {

std::string standardLookup()
{
    std::array<int, 94> codes{};
    const int letters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                             49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
    for (int i = 0; i < 26; ++i)
        codes[static_cast<std::size_t>('A' + i)] = letters[i];
    const int pad[10] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
    for (int i = 0; i < 10; ++i)
        codes[static_cast<std::size_t>('0' + i)] = pad[i];
    std::string out;
    for (int c : codes)
        out += std::to_string(c) + "\r\n";
    return out;
}

// A plugin with no options or display modes; key cell k is "c<k>".
std::vector<std::string> pluginLines()
{
    std::vector<std::string> lines = {"ZSNES 1.0", "*.SMC", "-f n", "C:\\ZSNES\\", "-v 2", "ZSNES.EXE",
                                      "ENDOPTS",   "ENDDISP"};
    for (int k = 0; k < 65; ++k)
        lines.push_back("c" + std::to_string(k));
    return lines;
}

std::string& keyCell(std::vector<std::string>& lines, int row, int column)
{
    return lines[static_cast<std::size_t>(8 + row * 5 + column)];
}

const std::string kOld = " 1, 2, 3, 4, 5, 6, 7, 8, 9,10,11,12,13,14,15,16";  // 47 bytes
const std::string kCfg = "; ZSNES configuration\r\n"
                         "ScanKey1 = 99," + kOld + "\r\n"
                         "ScanKey2 = 98," + kOld + "\r\n"
                         "ScanKey1 = 97," + kOld + "\r\n"
                         "Volume=75\r\n";

class KeyconfigTest : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\lookup.dat", standardLookup());
        writeFile("C:\\KIVALTO\\ZSNES.XPL", crlf(pluginLines()));
        writeFile("C:\\ZSNES\\zsnes.cfg", kCfg);
        startup();
        ctl<QLineEdit>(*app.Paths, "GUIDIr")->setText("C:\\KIVALTO\\");
        chooseMenuItem("zcon");
    }
    keyconfig& win() { return *app.keyconfig; }
    QPushButton* button(const char* name) { return ctl<QPushButton>(win(), name); }
    QSlider* slider() { return ctl<QSlider>(win(), "Slider1"); }
    QLineEdit* folder() { return ctl<QLineEdit>(win(), "Text2"); }  // the emulator directory
    QLineEdit* keyBox(int i) { return ctl<QLineEdit>(win(), padKeyBoxName(i).toLatin1().constData()); }
    void savePlayer1() { button("Command3")->click(); }  // "Save Player 1 Keys"
    void savePlayer2() { button("Command4")->click(); }  // "Save Player 2 Keys"
    void typeKeys(const std::array<const char*, 12>& keys)
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            keyBox(static_cast<int>(i))->setText(keys[i]);
    }
    std::string box(int i) { return bytes(keyBox(i)->text()); }
    bool errorShown(const std::string& text)
    {
        return app.errorfrm->isVisible() && app.errorfrm->text() == text;
    }
    bool messageShown(const std::string& text)
    {
        return app.mesage->isVisible() && app.mesage->text() == text;
    }

    // A, B, R, L, Y, X, Start, Select, Up, Down, Left, Right
    const std::array<const char*, 12> keys = {"x", "z", "w", "q", "a", "s", "e", "Pq", "8", "2", "4", "6"};
    const std::string recorded = "X\r\nZ\r\nW\r\nQ\r\nA\r\nS\r\nE\r\nPQ\r\n8\r\n2\r\n4\r\n6\r\n";
    // Right, Left, Down, Up, Start, Select, B, Y, A, X, L, R
    const std::string zsnesBlock = " 77, 75, 80, 72, 18, 25, 44, 30, 45, 31, 16, 17";
    // Up, Down, Left, Right, X, A, Y, B, L, R, Start, Select
    const std::string esnesKeys = {72, 80, 75, 77, 31, 45, 30, 44, 16, 17, 18, 25};
};

const std::string kError1 = "An Unknown Error Has Occurred. Check the specified directory for the emulator.  If you "
                            "are configuring ZSNES, you need to have run it at least once, so that the ZSNES.CFG file "
                            "is present.";
const std::string kError2 = "An Unknown Error Has Occurred. Check the specified directory for the emulator. If you "
                            "are configuring ZSNES, you need to have run it at least once, so that the ZSNES.CFG file "
                            "is present.";
const std::string kPluginMissing = "The keys have been changed but the plugin for the emulator could not be found "
                                   "and so the keys in the plugin could not be changed. If you use SnesKey you must "
                                   "correct them using the plugin editor.";

} // namespace

using KeyconfigStartup = test::KivaltoTest;

TEST_F(KeyconfigStartup, MissingOrShortLookupFileIsReportedAtStartup)
{
    startup();
    EXPECT_TRUE(app.errorfrm->isVisible());
    // Shown after the missing plugins, found earlier; neither hides the other.
    const std::string shown = app.errorfrm->text();
    EXPECT_EQ(shown.rfind("You have no plugins", 0), 0u) << shown;
    EXPECT_EQ(shown.substr(shown.find("\n\n") + 2),
              "A required file 'LOOKUP.DAT' was not found. Kivalto will not function correctly without it.");
    EXPECT_EQ(app.keyconfig->scanCodeTable().codes['A'], 0);
}

TEST_F(KeyconfigStartup, ShortLookupFileKeepsTheEntriesRead)
{
    writeFile("C:\\KIVALTO\\LOOKUP.DAT", "1,2,3\r\n4\r\n");
    startup();
    EXPECT_TRUE(app.errorfrm->isVisible());
    EXPECT_EQ(app.keyconfig->scanCodeTable().codes[3], 4);
    EXPECT_EQ(app.keyconfig->scanCodeTable().codes[4], 0);
}

TEST_F(KeyconfigTest, WindowShowsTheSelectedEmulatorsDefaults)
{
    EXPECT_FALSE(app.errorfrm->isVisible());
    EXPECT_EQ(win().windowTitle(), "Configure Keys");
    EXPECT_TRUE(win().isVisible());
    QLabel* caption = ctl<QLabel>(win(), "emucap");
    EXPECT_EQ(slider()->value(), 1);
    EXPECT_EQ(caption->text(), "ZSNES Path:");
    EXPECT_EQ(folder()->text(), "C:\\ZSNES\\");
    EXPECT_EQ(caption->buddy(), folder());
    EXPECT_EQ(folder()->toolTip(), "Enter the Path to the Selected Emulator");

    folder()->setText("D:\\EMU\\");
    chooseMenuItem("nlkcon");
    EXPECT_EQ(slider()->value(), 3);
    EXPECT_EQ(caption->text(), "NLKE Path:");
    EXPECT_EQ(folder()->text(), "C:\\NLKE\\");
    slider()->setValue(2);
    EXPECT_EQ(caption->text(), "ESNES Path:");
    EXPECT_EQ(folder()->text(), "C:\\ESNES\\");
    folder()->setText("D:\\EMU\\");
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&win(), &activation);
    EXPECT_EQ(folder()->text(), "C:\\ESNES\\");

    const char* labels[] = {"Button A", "Button B", "Right Shoulder", "Left Shoulder", "Button Y", "Button X",
                            "Start",    "Select",   "Up",             "Down",          "Left",     "Right"};
    for (std::size_t i = 0; i < 12; ++i) {
        bool labelled = false;
        for (auto* l : win().findChildren<QLabel*>())
            labelled |= l->buddy() == keyBox(static_cast<int>(i)) && l->text() == labels[i];
        EXPECT_TRUE(labelled) << labels[i];
    }

    button("Command5")->click();  // What keys are Valid?
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "All letters are valid. Numbers 0-9 will be converted to their NumPad "
                                     "equivalents so that 8 will become up and 1 will become Ins. No other keys are "
                                     "valid.");
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");

    button("Command1")->click();  // Close
    EXPECT_FALSE(win().isVisible());
}

TEST_F(KeyconfigTest, ZsnesPlayer1SaveWritesRecordLaterScanKeyLineAndPlugin)
{
    typeKeys(keys);
    savePlayer1();

    EXPECT_EQ(box(0), "X");
    EXPECT_EQ(box(7), "PQ");
    EXPECT_EQ(readFile("C:\\KIVALTO\\zsneskey.dat"), recorded);
    EXPECT_EQ(readFile("C:\\ZSNES\\zsnes.cfg"), "; ZSNES configuration\r\n"
                                                "ScanKey1 = 99," + kOld + "\r\n"
                                                "ScanKey2 = 98," + kOld + "\r\n"
                                                "ScanKey1 = 97," + zsnesBlock + "\r\n"
                                                "Volume=75\r\n");

    auto plugin = pluginLines();
    const char* expected[] = {"X", "Z", "W", "Q", "A", "S", "E", "PQ", "Num8", "Num2", "Num4", "Num6"};
    for (int row = 0; row < 12; ++row)
        keyCell(plugin, row, 0) = expected[row];
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), crlf(plugin));
    EXPECT_EQ(app.selection.plugin().keys.at(8, KeyColumn::Player1), "Num8");
    EXPECT_EQ(app.selection.plugin().pluginName, "ZSNES");

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(app.errorfrm->isVisible());
    EXPECT_TRUE(messageShown("Player 1 Keys for ZSNES have been changed. The plugin has been updated."));
}

TEST_F(KeyconfigTest, ZsnesPlayer2SaveChangesOnlyTheScanKey2Line)
{
    typeKeys(keys);
    savePlayer2();
    EXPECT_EQ(readFile("C:\\KIVALTO\\zsneske2.dat"), recorded);
    EXPECT_EQ(readFile("C:\\ZSNES\\zsnes.cfg"), "; ZSNES configuration\r\n"
                                                "ScanKey1 = 99," + kOld + "\r\n"
                                                "ScanKey2 = 98," + zsnesBlock + "\r\n"
                                                "ScanKey1 = 97," + kOld + "\r\n"
                                                "Volume=75\r\n");
    auto plugin = pluginLines();
    const char* expected[] = {"X", "Z", "W", "Q", "A", "S", "E", "PQ", "Num8", "Num2", "Num4", "Num6"};
    for (int row = 0; row < 12; ++row)
        keyCell(plugin, row, 1) = expected[row];
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), crlf(plugin));
    EXPECT_TRUE(messageShown("Player 2 Keys for ZSNES have been changed. The plugin has been updated. "));
}

TEST_F(KeyconfigTest, EsnesTailAndHeadRulesOverA31CharacterLine)
{
    writeFile("C:\\KIVALTO\\ESNES.XPL", crlf(pluginLines()));
    const std::string old = "ESNES  abcdefghijklmnopqrstuvwx";  // 31 characters
    writeFile("C:\\ESNES\\esnes.key", old + "\r\nsecond\r\n");
    chooseMenuItem("EScon");
    typeKeys(keys);
    savePlayer1();
    EXPECT_EQ(readFile("C:\\ESNES\\esnes.key"), "ESNES  " + esnesKeys + "mnopqrstuvwx\r\n");
    EXPECT_EQ(readFile("C:\\KIVALTO\\esneskey.dat"), recorded);
    EXPECT_TRUE(messageShown("Player 1 Keys for ESNES have been changed. The plugin has been updated."));

    writeFile("C:\\ESNES\\esnes.key", old + "yz\r\nsecond\r\n");
    savePlayer2();
    EXPECT_EQ(readFile("C:\\ESNES\\esnes.key"), "ESNES  abcdefghijkl" + esnesKeys + "\r\n");
    EXPECT_TRUE(messageShown("Player 2 Keys for ESNES have been changed. The plugin has been updated. "));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(KeyconfigTest, NlkePlayer2SaveOnAMissingFileWrites12Characters)
{
    writeFile("C:\\KIVALTO\\NLKE.XPL", crlf(pluginLines()));
    makeFolder("C:\\NLKE");
    chooseMenuItem("nlkcon");
    typeKeys(keys);
    savePlayer2();
    EXPECT_EQ(readFile("C:\\NLKE\\nlke.key"), esnesKeys + "\r\n");
    EXPECT_EQ(readFile("C:\\KIVALTO\\nlkeke2.dat"), recorded);
    EXPECT_TRUE(messageShown("Player 2 Keys for NLKES have been changed. The plugin has been updated. "));
}

TEST_F(KeyconfigTest, ResetThenSaveStopsAfterTheRecordFile)
{
    typeKeys(keys);
    button("Command2")->click();  // Reset
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(box(i), "");
    savePlayer1();
    EXPECT_EQ(readFile("C:\\KIVALTO\\zsneskey.dat"), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(errorShown(kError1));
    EXPECT_EQ(readFile("C:\\ZSNES\\zsnes.cfg"), kCfg);
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), crlf(pluginLines()));
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(KeyconfigTest, AnEmptyBoxOrBadCharacterLeavesEmulatorFilesAlone)
{
    const std::string old = "ESNES  abcdefghijklmnopqrstuvwx\r\n";
    writeFile("C:\\ESNES\\esnes.key", old);
    writeFile("C:\\KIVALTO\\ESNES.XPL", crlf(pluginLines()));
    chooseMenuItem("EScon");
    auto bad = keys;
    for (const char* key : {"", "-", "A,B", "\xC3\xA9"}) {
        bad[11] = key;
        typeKeys(bad);
        savePlayer2();
        EXPECT_TRUE(errorShown(kError2)) << key;
        EXPECT_EQ(readFile("C:\\ESNES\\esnes.key"), old) << key;
        ctl<QPushButton>(*app.errorfrm, "Command1")->click();
    }
    EXPECT_EQ(readFile("C:\\KIVALTO\\ESNES.XPL"), crlf(pluginLines()));
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(KeyconfigTest, ZsnesWithoutAUsableScanKeyLineIsAnError)
{
    typeKeys(keys);
    writeFile("C:\\ZSNES\\zsnes.cfg", "ScanKey2 = 1,2,3\r\n");
    savePlayer1();
    EXPECT_TRUE(errorShown(kError1));
    EXPECT_EQ(readFile("C:\\ZSNES\\zsnes.cfg"), "ScanKey2 = 1,2,3\r\n");
    ctl<QPushButton>(*app.errorfrm, "Command1")->click();

    folder()->setText("C:\\NOWHERE\\");
    savePlayer2();
    EXPECT_TRUE(errorShown(kError2));
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(KeyconfigTest, MissingOrBrokenPluginIsReportedAndTheEmulatorFileStaysChanged)
{
    std::filesystem::remove(host("C:\\KIVALTO\\ZSNES.XPL"));
    typeKeys(keys);
    savePlayer1();
    EXPECT_NE(readFile("C:\\ZSNES\\zsnes.cfg"), kCfg);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, kPluginMissing);
    EXPECT_FALSE(app.mesage->isVisible());
    EXPECT_FALSE(exists("C:\\KIVALTO\\ZSNES.XPL"));

    // An old-layout plugin is neither half-loaded nor overwritten.
    const std::string oldLayout = "ZSNES\r\n*.SMC\r\n\r\nC:\\ZSNES\\\r\n\r\nZSNES.EXE\r\nENDOPTS\r\nENDDISP\r\nUp\r\n";
    writeFile("C:\\KIVALTO\\ZSNES.XPL", oldLayout);
    savePlayer2();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, kPluginMissing);
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), oldLayout);
    EXPECT_FALSE(app.mesage->isVisible());
}

TEST_F(KeyconfigTest, PluginThatCannotBeSavedIsReportedWithoutConfirmation)
{
    // Read from the Kivalto directory setting, written to the program
    // directory, where a folder of that name blocks the save.
    writeFile("C:\\ELSEWHERE\\ZSNES.XPL", crlf(pluginLines()));
    std::filesystem::remove(host("C:\\KIVALTO\\ZSNES.XPL"));
    makeFolder("C:\\KIVALTO\\ZSNES.XPL");
    ctl<QLineEdit>(*app.Paths, "GUIDIr")->setText("C:\\ELSEWHERE");
    typeKeys(keys);
    savePlayer1();
    EXPECT_NE(readFile("C:\\ZSNES\\zsnes.cfg"), kCfg);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, kPluginMissing);
    EXPECT_FALSE(app.mesage->isVisible());
    EXPECT_EQ(readFile("C:\\ELSEWHERE\\ZSNES.XPL"), crlf(pluginLines()));
}

TEST_F(KeyconfigTest, AKeyFileLongerThanWhatIsReadIsRefusedAndNothingIsWritten)
{
    // A key file is changed from the bytes read; past the limit its end
    // would be lost, so the save writes nothing at all.
    struct Case {
        int slider;
        const char* folder;
        const char* file;
        const char* plugin;
        std::string bytes;
    };
    const std::string tail(kMaxTextFileBytes, 'x');
    const Case cases[] = {
        {1, "C:\\ZSNES\\", "C:\\ZSNES\\zsnes.cfg", "C:\\KIVALTO\\ZSNES.XPL", kCfg + tail},
        {2, "C:\\ESNES\\", "C:\\ESNES\\esnes.key", "C:\\KIVALTO\\ESNES.XPL", "ESNES0123456789012345678\r\n" + tail},
        {3, "C:\\NLKE\\", "C:\\NLKE\\nlke.key", "C:\\KIVALTO\\NLKE.XPL", "0123456789012345678\r\n" + tail},
    };
    for (const Case& c : cases) {
        writeFile(c.plugin, crlf(pluginLines()));
        writeFile(c.file, c.bytes);
        slider()->setValue(c.slider);
        folder()->setText(c.folder);
        typeKeys(keys);
        for (int player : {1, 2}) {
            button(player == 1 ? "Command3" : "Command4")->click();
            EXPECT_TRUE(errorShown(keyFileTooLargeError(c.file))) << c.file;
            EXPECT_EQ(readFile(c.file), c.bytes) << c.file;
            EXPECT_EQ(readFile(c.plugin), crlf(pluginLines())) << c.file;
            EXPECT_EQ(readFile(keyRecordFileName(static_cast<KeyEmulator>(c.slider), player)), "<missing>")
                << c.file;
            EXPECT_FALSE(app.mesage->isVisible());
        }
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(KeyconfigTest, APluginLongerThanWhatIsReadIsNotSavedOverWithTheKeys)
{
    const std::string big = crlf(pluginLines()) + std::string(kMaxTextFileBytes, 'x');
    writeFile("C:\\KIVALTO\\ZSNES.XPL", big);
    typeKeys(keys);
    savePlayer1();
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), big);
    EXPECT_EQ(dialogs.lastText(), kPluginMissing);
}
