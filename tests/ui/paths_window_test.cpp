// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"
#include "fixture.h"
#include "ui/windows/errorfrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kivalto;
using PathsWindow = test::KivaltoTest;

namespace {
// The fields' design names, in PathField order.
const char* const kFieldNames[PathFieldCount] = {"ROMPath", "snespath", "GUIDIr", "unZipdir",
                                                 "vesadir", "skeydir",  "GPFDir"};

void setAll(Paths& p, std::initializer_list<const char*> texts)
{
    int f = 0;
    for (const char* t : texts)
        ctl<QLineEdit>(p, kFieldNames[f++])->setText(t);
}
std::vector<std::string> shown(const Paths& p)
{
    std::vector<std::string> out;
    for (const char* name : kFieldNames)
        out.push_back(ctl<QLineEdit>(p, name)->text().toStdString());
    return out;
}
// What the other windows read: the settings in force.
std::vector<std::string> inForce(const App& app)
{
    return {app.pathSettings.begin(), app.pathSettings.end()};
}
} // namespace

TEST_F(PathsWindow, LoadFillsTheFieldsAndTheRomDirectory)
{
    makeFolder("C:\\GAMES\\SNES");
    writeFile("C:\\KIVALTO\\Paths.DAT", "  C:\\GAMES\\SNES\\\r\n\"C:\\SPC\\\"\r\nC:\\KIVALTO\\\r\n");
    startup();
    EXPECT_EQ(shown(*app.Paths),
              (std::vector<std::string>{"C:\\GAMES\\SNES\\", "C:\\SPC\\", "C:\\KIVALTO\\", "", "", "", ""}));
    EXPECT_EQ(inForce(app), shown(*app.Paths));
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\GAMES\\SNES");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text(), "C:\\GAMES\\SNES\\");
    EXPECT_EQ(app.Paths->windowTitle(), "Paths");
    EXPECT_FALSE(app.Paths->isVisible());
    ctl<QAction>(main(), "SetPths")->trigger();
    EXPECT_TRUE(app.Paths->isVisible());
}

TEST_F(PathsWindow, AMissingRomFolderIsReportedAndTheOtherFieldsAreRead)
{
    writeFile("C:\\KIVALTO\\paths.dat", "Q:\\ROMS\\\r\nC:\\SPC\\\r\nC:\\KIVALTO\\\r\nC:\\UNZIP\\\r\nV.EXE\r\nC:\\SK\\\r\nC:\\GPF\\\r\n");
    startup();
    EXPECT_EQ(shown(*app.Paths), (std::vector<std::string>{"Q:\\ROMS\\", "C:\\SPC\\", "C:\\KIVALTO\\", "C:\\UNZIP\\",
                                                           "V.EXE", "C:\\SK\\", "C:\\GPF\\"}));
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\KIVALTO");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Dirtext")->text(), "");
    EXPECT_TRUE(dialogs.boxes.empty());
    // Shown with the other notices of the start (here the missing plugins).
    EXPECT_NE(app.errorfrm->text().find("The ROM Directory \"Q:\\ROMS\\\" in paths.dat cannot be used"),
              std::string::npos);
}

TEST_F(PathsWindow, SaveWarnsAboutValuesThatWouldNotReadBack)
{
    startup();
    setAll(*app.Paths, {"c:\\roms", "C:\\SPC,PLAY\\", "", "", " \"V.EXE", "", ""});
    ctl<QPushButton>(*app.Paths, "Command2")->click();  // no answer: the default, Cancel
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.boxes[0].defaultButton, 2);
    EXPECT_NE(dialogs.boxes[0].text.find("so the paths would not read back as saved:\n\nSPCPlay Directory: "
                                         "C:\\SPC,PLAY\\\nFull Vesa 2 Path:  \"V.EXE\n"),
              std::string::npos)
        << dialogs.boxes[0].text;
    EXPECT_FALSE(exists("C:\\KIVALTO\\paths.dat"));
    dialogs.answers.push_back(Answer::Ok);
    ctl<QPushButton>(*app.Paths, "Command2")->click();
    EXPECT_EQ(readFile("C:\\KIVALTO\\paths.dat").substr(0, 24), "C:\\ROMS\\\r\nC:\\SPC,PLAY\\\r\n");
}

TEST_F(PathsWindow, SaveUpperCasesAddsBackslashesAndWritesExactBytes)
{
    writeFile("C:\\KIVALTO\\PATHS.DAT", "");
    startup();
    setAll(*app.Paths, {"c:\\roms", "", "c:\\kivalto\\", "c:\\utils", "c:\\vesa\\vesadrv.exe", "c:\\sk", "c:\\gpf"});
    app.Paths->show();
    ctl<QPushButton>(*app.Paths, "Command2")->click();
    EXPECT_EQ(shown(*app.Paths), (std::vector<std::string>{"C:\\ROMS\\", "\\", "C:\\KIVALTO\\", "C:\\UTILS\\",
                                                           "C:\\VESA\\VESADRV.EXE", "C:\\SK\\", "C:\\GPF"}));
    EXPECT_EQ(readFile("paths.dat"),
              "C:\\ROMS\\\r\n\\\r\nC:\\KIVALTO\\\r\nC:\\UTILS\\\r\nC:\\VESA\\VESADRV.EXE\r\nC:\\SK\\\r\nC:\\GPF\r\n");
    // One file whatever its case; the window stays open; the running ROM
    // directory does not change.
    EXPECT_TRUE(std::filesystem::exists(host("C:\\KIVALTO\\PATHS.DAT")));
    EXPECT_TRUE(app.Paths->isVisible());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\KIVALTO");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PathsWindow, BackKeepsTheEditsInForceWithoutWriting)
{
    writeFile("C:\\KIVALTO\\paths.dat", "C:\\KIVALTO\\\r\n");
    startup();
    setAll(*app.Paths, {"c:\\roms", "", "c:\\kiv", "", "c:\\vesa.exe", "", "c:\\gpf"});
    app.Paths->show();
    ctl<QPushButton>(*app.Paths, "Command1")->click();
    EXPECT_FALSE(app.Paths->isVisible());
    EXPECT_EQ(shown(*app.Paths),
              (std::vector<std::string>{"c:\\roms\\", "\\", "c:\\kiv\\", "\\", "c:\\vesa.exe", "\\", "c:\\gpf"}));
    EXPECT_EQ(inForce(app), shown(*app.Paths));
    EXPECT_EQ(readFile("paths.dat"), "C:\\KIVALTO\\\r\n");
}

TEST_F(PathsWindow, InfoExplainsTheSettingsFolder)
{
    startup();
    ctl<QPushButton>(*app.Paths, "Command3")->click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "If you leave this blank, the settings will be saved to the ROM directory as in previous versions.");
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
}

TEST_F(PathsWindow, AnUnwritablePathsFileIsReportedAndTheValuesStay)
{
    startup();
    makeFolder("C:\\KIVALTO\\paths.dat");  // a folder where the file should be
    setAll(*app.Paths, {"c:\\roms", "", "", "", "", "", ""});
    ctl<QPushButton>(*app.Paths, "Command2")->click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "The paths could not be saved: C:\\KIVALTO\\paths.dat is a folder. Check that the Kivalto directory "
              "is writable; the paths stay in force until Kivalto ends.");
    EXPECT_EQ(app.path(PathField::ROMPath), "C:\\ROMS\\");
}

TEST_F(PathsWindow, LabelsAndLayout)
{
    startup();
    Paths& p = *app.Paths;
    const std::vector<std::pair<QLineEdit*, QString>> labels{
        {ctl<QLineEdit>(p, "ROMPath"), "ROM Directory: "},
        {ctl<QLineEdit>(p, "snespath"), "SPCPlay Directory (Optional)"},
        {ctl<QLineEdit>(p, "GUIDIr"), "Kivalto Directory:"},
        {ctl<QLineEdit>(p, "unZipdir"), "ROM Unzip Directory containing PKUNZIP.EXE and/or GZIP.EXE only:"},
        {ctl<QLineEdit>(p, "vesadir"), "Full Vesa 2 Path inc. EXE [optional]"},
        {ctl<QLineEdit>(p, "skeydir"), "SnesKey Directory: [optional]"},
        {ctl<QLineEdit>(p, "GPFDir"), "Save ROM Settings to:"}};
    for (auto& [field, caption] : labels) {
        QLabel* found = nullptr;
        for (QLabel* l : p.findChildren<QLabel*>())
            if (l->buddy() == field)
                found = l;
        ASSERT_NE(found, nullptr) << field->objectName().toStdString();
        EXPECT_EQ(found->text().remove('&'), caption);
    }
    EXPECT_EQ(ctl<QLabel>(p, "Label2")->text(), "All paths must end with '\\'.");
    EXPECT_EQ(ctl<QPushButton>(p, "Command2")->text().remove('&'), "Save");
    EXPECT_EQ(ctl<QPushButton>(p, "Command1")->text().remove('&'), "Back");
    EXPECT_EQ(ctl<QPushButton>(p, "Command3")->text().remove('&'), "Info");
}

TEST_F(PathsWindow, TypedPathsAreInForceAtOnceAndANewWindowStartsEmpty)
{
    writeFile("C:\\KIVALTO\\paths.dat", "C:\\KIVALTO\\\r\nC:\\SPC\\\r\n");
    startup();
    auto* skeydir = ctl<QLineEdit>(*app.Paths, "skeydir");
    QTest::keyClicks(skeydir, "C:\\SK");
    EXPECT_EQ(app.path(PathField::skeydir), "C:\\SK");
    EXPECT_EQ(app.path(PathField::snespath), "C:\\SPC\\");
    EXPECT_EQ(readFile("C:\\KIVALTO\\paths.dat"), "C:\\KIVALTO\\\r\nC:\\SPC\\\r\n");  // nothing written

    destroyWindows(app);
    std::filesystem::remove(host("C:\\KIVALTO\\paths.dat"));
    startup();
    EXPECT_EQ(inForce(app), std::vector<std::string>(PathFieldCount));
}
