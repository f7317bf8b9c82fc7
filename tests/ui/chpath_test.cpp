// SPDX-License-Identifier: GPL-3.0-or-later
// The Change ROM Path window and the main window's preset buttons.
#include "fixture.h"
#include "roms/windows/chpath.h"
#include "roms/windows/romcataloguemodel.h"

#include <QLabel>
#include <QToolButton>

namespace kivalto {
namespace {

class Presets : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\paths.dat", "C:\\ROMS\\\r\n");
        writeFile("C:\\ROMS\\Home.zip", "PK");
        writeFile("C:\\A\\Alpha.zip", "PK");
        std::string rom(40000, '\0');
        rom.replace(33216, 15, "ALPHA THE GAME ");
        writeFile("C:\\A\\Alpha.sfc", rom);
        writeFile("C:\\B\\Beta.zip", "PK");
        makeFolder("C:\\C");
    }
    chpath& window() { return *app.chpath; }
    std::string box() { return ctl<QLineEdit>(window(), "Text1")->text().toStdString(); }
    std::string first() { return main().catalogue().text(1); }
    // The buttons, by caption.
    void previousPreset() { ctl<QToolButton>(window(), "Image1")->click(); }
    void nextPreset() { ctl<QToolButton>(window(), "Image2")->click(); }
    void savePreset() { ctl<QPushButton>(window(), "Command3")->click(); }
    void ok() { ctl<QPushButton>(window(), "Command2")->click(); }
    void cancel() { ctl<QPushButton>(window(), "Command1")->click(); }
};

TEST_F(Presets, NextCyclesThroughThePresets)
{
    writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\nC:\\B\r\n");
    startup();
    EXPECT_EQ(window().presets(), (std::vector<std::string>{"C:\\A", "C:\\B"}));
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\ROMS");
    EXPECT_EQ(box(), "1");

    ctl<QPushButton>(main(), "nextpreset")->click();  // "Next"
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\B");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text().toStdString(), "C:\\B");
    EXPECT_EQ(first(), "BETA*");
    ctl<QPushButton>(main(), "nextpreset")->click();  // "Next"
    EXPECT_EQ(box(), "1");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\A");
    EXPECT_EQ(first(), "ALPHA THE GAME ");  // the blank is followed by more of the field
}

TEST_F(Presets, NextWithOnePresetReturnsToItAfterBrowsing)
{
    writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\n");
    startup();
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\B");
    cancel();
    ctl<QPushButton>(main(), "nextpreset")->click();  // "Next"
    EXPECT_EQ(box(), "1");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\A");
    EXPECT_EQ(first(), "ALPHA THE GAME ");
}

TEST_F(Presets, ChoosingADriveShowsItsCurrentDirectory)
{
    startup();
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\A");
    emit ctl<DriveListBox>(window(), "Drive1")->Change();  // as a pick in the drive list raises it
    EXPECT_EQ(ctl<DriveListBox>(window(), "Drive1")->Drive(), "c:");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\KIVALTO");  // the program directory, current on C:
}

TEST_F(Presets, TheWindowShowsTheFolderItIsOn)
{
    writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\n");
    startup();
    EXPECT_EQ(ctl<QLabel>(window(), "DirPath")->text(), "C:\\ROMS");
    ctl<QLineEdit>(window(), "Text1")->setText("2");
    ctl<QLineEdit>(window(), "Text1")->setText("1");  // preset 1
    EXPECT_EQ(ctl<QLabel>(window(), "DirPath")->text(), "C:\\A");
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\");
    EXPECT_EQ(ctl<QLabel>(window(), "DirPath")->text(), "C:\\");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->accessibleDescription(), "C:\\");
}

TEST_F(Presets, WithoutPresetsNextReappliesTheShownFolder)
{
    startup();
    EXPECT_EQ(window().presetCount(), 0);
    writeFile("C:\\ROMS\\Later.zip", "PK");
    ctl<QPushButton>(main(), "nextpreset")->click();  // "Next"
    EXPECT_EQ(box(), "1");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
    EXPECT_EQ(main().catalogue().count(), 3);  // rescanned: HOME*, LATER*, UP
}

TEST_F(Presets, StepsStopAtTheEmptySlotWhereSaveAppends)
{
    writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\nC:\\B\r\n");
    startup();
    previousPreset();
    EXPECT_EQ(box(), "1");
    nextPreset();
    EXPECT_EQ(box(), "2");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\B");
    nextPreset();
    nextPreset();
    EXPECT_EQ(box(), "3");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\B");  // no preset 3: unchanged

    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\C");
    savePreset();
    EXPECT_EQ(readFile("C:\\KIVALTO\\presets.dat"), "C:\\A\r\nC:\\B\r\nC:\\C\r\n");
    ctl<QLineEdit>(window(), "Text1")->setText("2");
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\ROMS");
    savePreset();
    EXPECT_EQ(readFile("C:\\KIVALTO\\presets.dat"), "C:\\A\r\nC:\\ROMS\r\nC:\\C\r\n");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Presets, TypedNumbersAreKeptInRange)
{
    writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\nC:\\B\r\n");
    startup();
    ctl<QLineEdit>(window(), "Text1")->setText("0");
    EXPECT_EQ(box(), "1");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\A");
    ctl<QLineEdit>(window(), "Text1")->setText("9");
    EXPECT_EQ(box(), "3");
    ctl<QLineEdit>(window(), "Text1")->setText("abc");
    EXPECT_EQ(box(), "1");
    ctl<QLineEdit>(window(), "Text1")->setText("2");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\B");
}

TEST_F(Presets, OkKeepsThePatternAndCancelKeepsTheChoice)
{
    startup();
    ctl<FileListBox>(main(), "File1")->setPattern("*.SFC");
    ctl<QPushButton>(main(), "ChangeDir")->click();  // "Change Directory"
    EXPECT_TRUE(window().isVisible());
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\A");
    cancel();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\ROMS");
    EXPECT_EQ(ctl<DirListBox>(window(), "Dir1")->Path(), "C:\\A");

    ctl<QPushButton>(main(), "ChangeDir")->click();  // "Change Directory"
    ok();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\A");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.SFC");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->ListCount(), 1);
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text().toStdString(), "C:\\A");
}

TEST_F(Presets, FailedSaveIsReportedAndThePresetKept)
{
    makeFolder("C:\\KIVALTO\\presets.dat");
    startup();
    ctl<DirListBox>(window(), "Dir1")->setPath("C:\\B");
    savePreset();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("presets.dat"), std::string::npos);
    EXPECT_EQ(window().presets(), (std::vector<std::string>{"C:\\B"}));
}

TEST_F(Presets, QuestionMarkExplainsTheButtons)
{
    startup();
    ctl<QPushButton>(main(), "Command2")->click();  // "?"
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "The directory name is the currently selected and displayed ROM directory. Click on the NEXT button to "
              "change to the next directory preset. Presets can be set by clicking CHANGE DIRECTORY.");
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
}

TEST_F(Presets, ControlsAreNamedForKeyboardAndScreenReaders)
{
    startup();
    EXPECT_EQ(window().windowTitle(), "Change ROM Path");
    EXPECT_EQ(ctl<QLabel>(window(), "Label1")->text().remove('&'), "Preset");
    EXPECT_EQ(ctl<QLabel>(window(), "Label1")->buddy(), ctl<QLineEdit>(window(), "Text1"));
    EXPECT_EQ(ctl<QToolButton>(window(), "Image1")->toolTip(), "Previous Preset");
    EXPECT_EQ(ctl<QToolButton>(window(), "Image1")->accessibleName(), "Previous Preset");
    EXPECT_EQ(ctl<QToolButton>(window(), "Image2")->accessibleName(), "Next Preset");
    EXPECT_NE(ctl<QToolButton>(window(), "Image2")->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_EQ(ctl<QPushButton>(window(), "Command3")->text().remove('&'), "Save Preset");
    EXPECT_EQ(ctl<QPushButton>(window(), "Command2")->text().remove('&'), "OK");
    EXPECT_EQ(ctl<QPushButton>(window(), "Command1")->text().remove('&'), "Cancel");
    // The presets are the window's data, not a hidden list.
    EXPECT_EQ(window().findChild<QListWidget*>(), nullptr);
}

} // namespace
} // namespace kivalto
