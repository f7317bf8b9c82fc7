// SPDX-License-Identifier: GPL-3.0-or-later
// Run, per-ROM settings and the command-line start, through the windows.
#include "fixture.h"

#include "app/windows/Paths.h"
#include "launch/windows/chtcodefrm.h"
#include "ui/windows/errorfrm.h"

#include <QComboBox>
#include <QLineEdit>

using namespace kivalto;
using test::crlf;

namespace {

// A plugin with two options, a cheat type and two display modes.
std::string testPlugin(const std::string& fileSpec = "*.SMC;*.ZIP;*.GZ")
{
    std::string keys;
    for (int i = 0; i < 65; ++i)
        keys += (i == 60 ? "-j1" : i == 61 ? "-j2" : "") + std::string("\r\n");
    return crlf({"Test Emulator 1.0", fileSpec, "-f n", "C:\\EMU\\TEST\\", "-fixed", "TEST.EXE", "Sound", "-s",
                 "#Game Genie", "-gg", "Stereo", "-st", "ENDOPTS", "640x480", "-r 2", "800x600X", "-r 3", "ENDDISP"}) +
           keys;
}

class Launching : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\TEST.XPL", testPlugin());
        writeFile("C:\\KIVALTO\\paths.dat",
                  crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "C:\\UNZIP\\", "C:\\VESA\\VESA.EXE", "C:\\SNESKEY\\", ""}));
        for (const char* rom : {"MARIO.SMC", "MARIO.GZ", "ZELDA.ZIP"})
            writeFile(std::string("C:\\ROMS\\") + rom, std::string(70000, '\0'));
        makeFolder("C:\\UNZIP");
    }

    void selectPlugin(const std::string& name = "TEST.XPL")
    {
        ctl<FileListBox>(main(), "Plugins")->setFileName(name);
        ctl<FileListBox>(main(), "Plugins")->setPattern("*.XPL");
    }
    void selectRom(const std::string& name)
    {
        for (int i = 0; i < ctl<FileListBox>(main(), "File1")->ListCount(); ++i)
            if (ctl<FileListBox>(main(), "File1")->List(i) == name) {
                ctl<FileListBox>(main(), "File1")->setListIndex(i);
                return;
            }
        FAIL() << name << " is not listed";
    }
    std::string script() { return readFile("C:\\KIVALTO\\snesexec.bat"); }
    std::string errorText() { return app.errorfrm->text(); }
};

} // namespace

TEST_F(Launching, RunWithoutARomReportsAndWritesNothing)
{
    startup();
    selectPlugin();
    clickButton("Run");
    EXPECT_EQ(errorText(), "No ROM has been selected to run.");
    EXPECT_TRUE(app.errorfrm->isVisible());
    EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat"));
    EXPECT_TRUE(process.calls.empty());
}

TEST_F(Launching, RunWritesTheScriptAndStartsTheWindowsPif)
{
    startup();
    selectPlugin();
    selectRom("MARIO.SMC");
    ctl<QListWidget>(main(), "optionslist")->item(1)->setSelected(true);  // Stereo: the option after the cheat type
    ctl<QListWidget>(main(), "List2")->item(1)->setSelected(true);
    ctl<QLineEdit>(main(), "Text2")->setText("2");
    ctl<QScrollBar>(main(), "Play1select")->setValue(1);
    clickButton("Run");
    EXPECT_EQ(script(), crlf({"echo off", "cls", "C:", "cd\\EMU\\TEST",
                              "TEST.EXE -f 2 -j2 -j1 -st -r 3 -fixed C:\\ROMS\\MARIO.SMC"}));
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(process.calls[0].commandLine, "SNESWIN.PIF");
    EXPECT_EQ(process.calls[0].workingDir, "C:\\KIVALTO");
    EXPECT_EQ(process.calls[0].mode, ShowMode::Maximized);

    ctl<QAction>(main(), "rundos")->trigger();
    clickButton("Run");
    EXPECT_EQ(process.calls.back().commandLine, "SNESDOS.PIF");
}

TEST_F(Launching, GzipRomAsksWhetherToUnpack)
{
    startup();
    selectPlugin();
    selectRom("MARIO.GZ");
    ctl<QScrollBar>(main(), "Play1select")->setValue(2);  // a pad without a controller switch
    dialogs.answers = {Answer::Yes};
    clickButton("Run");
    ASSERT_FALSE(dialogs.boxes.empty());
    const MessageBoxCall& q = dialogs.boxes.back();
    EXPECT_EQ(q.text, "You have selected a GZip file. Do you wish to unzip this file before running it.");
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.icon, Icon::None);
    EXPECT_EQ(q.defaultButton, 2);
    EXPECT_EQ(script(), crlf({"echo off", "cls", "C:", "cd\\EMU\\TEST", "Copy C:\\ROMS\\MARIO.GZ C:\\UNZIP",
                              "C:\\UNZIP\\gzip -d C:\\UNZIP\\MARIO.GZ", "ren C:\\UNZIP\\MARIO.* MARIO.1",
                              "TEST.EXE -j2 -fixed C:\\UNZIP\\MARIO.1", "del C:\\UNZIP\\MARIO.*"}));

    clickButton("Run");  // no answer queued: the default, No
    EXPECT_EQ(script(), crlf({"echo off", "cls", "C:", "cd\\EMU\\TEST", "TEST.EXE -j2 -fixed C:\\ROMS\\MARIO.GZ"}));
}

TEST_F(Launching, AWrongSnesKeyDirectoryIsReportedBeforeTheGzipQuestion)
{
    startup();
    selectPlugin();
    selectRom("MARIO.GZ");
    ctl<QScrollBar>(main(), "Play1select")->setValue(1);
    ctl<QAction>(main(), "runsnesk")->setChecked(true);  // C:\SNESKEY\ does not exist; Test After Running is on
    dialogs.answers = {Answer::Ok, Answer::Yes};
    clickButton("Run");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "The Directory you have specified in the paths box for SnesKey is incorrect.");
    EXPECT_EQ(dialogs.boxes[1].text,
              "You have selected a GZip file. Do you wish to unzip this file before running it.");
    EXPECT_EQ(script(), crlf({"echo off", "cls", "C:", "cd\\SNESKEY", "sneskey /t", "sneskey /x", "C:", "cd\\EMU\\TEST",
                              "Copy C:\\ROMS\\MARIO.GZ C:\\UNZIP", "C:\\UNZIP\\gzip -d C:\\UNZIP\\MARIO.GZ",
                              "ren C:\\UNZIP\\MARIO.* MARIO.1", "TEST.EXE -j2 -j1 -fixed C:\\UNZIP\\MARIO.1",
                              "del C:\\UNZIP\\MARIO.*"}));
}

TEST_F(Launching, ProblemsAreReportedBeforeAnythingIsWritten)
{
    startup();
    selectPlugin();
    selectRom("MARIO.SMC");
    ctl<QLineEdit>(main(), "Text1")->setText("C:");
    clickButton("Run");
    EXPECT_NE(dialogs.lastText().find("emulator directory"), std::string::npos);
    EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat"));
    EXPECT_TRUE(process.calls.empty());

    ctl<QLineEdit>(main(), "Text1")->setText("C:\\EMU\\TEST\\");
    process.result = {false, "DOSBox was not found."};
    clickButton("Run");
    EXPECT_TRUE(exists("C:\\KIVALTO\\snesexec.bat"));
    EXPECT_EQ(dialogs.lastText(), "The emulator could not be started through SNESWIN.PIF. DOSBox was not found.");
}

TEST_F(Launching, SavedSettingsComeBackOnDoubleClick)
{
    startup();
    selectPlugin();
    selectRom("MARIO.SMC");
    ctl<QListWidget>(main(), "optionslist")->item(1)->setSelected(true);
    ctl<QListWidget>(main(), "List2")->item(0)->setSelected(true);
    ctl<QScrollBar>(main(), "Play1select")->setValue(4);
    ctl<QAction>(main(), "runsnesk")->setChecked(true);
    ctl<QLineEdit>(main(), "Text2")->setText("3");
    ctl<QLineEdit>(*app.chtcodefrm, "Text1")->setText("7E0BCF28");
    ctl<QComboBox>(*app.chtcodefrm, "Combo1")->setEditText("-gg");
    ctl<QAction>(main(), "chten")->setChecked(true);
    clickButton("SaveGPF");
    EXPECT_EQ(dialogs.lastText(),
              "The settings for this ROM have been saved. Double-click on the ROM name to load them up again.");
    EXPECT_EQ(readFile("C:\\ROMS\\MARIO.GPF"), crlf({"TEST.XPL", "False", "True", "True", "False", " 4 ", "False",
                                                     "False", "True", "3", "7E0BCF28", "-gg", "True", "False"}));

    ctl<QListWidget>(main(), "optionslist")->item(0)->setSelected(true);
    ctl<QListWidget>(main(), "optionslist")->item(1)->setSelected(false);
    ctl<QScrollBar>(main(), "Play1select")->setValue(1);
    ctl<QAction>(main(), "runsnesk")->setChecked(false);
    ctl<QLineEdit>(main(), "Text2")->setText("");
    ctl<QAction>(main(), "chten")->setChecked(false);
    EXPECT_TRUE(main().loadGPF());
    EXPECT_FALSE(ctl<QListWidget>(main(), "optionslist")->item(0)->isSelected());
    EXPECT_TRUE(ctl<QListWidget>(main(), "optionslist")->item(1)->isSelected());
    EXPECT_TRUE(ctl<QListWidget>(main(), "List2")->item(0)->isSelected());
    EXPECT_EQ(ctl<QScrollBar>(main(), "Play1select")->value(), 4);
    EXPECT_TRUE(ctl<QAction>(main(), "runsnesk")->isChecked());
    EXPECT_EQ(ctl<QLineEdit>(main(), "Text2")->text(), "3");
    EXPECT_EQ(ctl<QComboBox>(*app.chtcodefrm, "Combo1")->currentText(), "-gg");
    EXPECT_TRUE(ctl<QAction>(main(), "chten")->isChecked());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->FileName(), "MARIO.SMC");
}

TEST_F(Launching, SettingsFileFailuresHaveThreeStages)
{
    startup();
    selectRom("MARIO.SMC");
    doubleClickSelectedRom();
    EXPECT_EQ(dialogs.lastText(), "There are no saved settings associated with this ROM or they are not valid.");

    writeFile("C:\\ROMS\\MARIO.GPF", crlf({"1", "True"}));
    doubleClickSelectedRom();
    EXPECT_EQ(errorText(), "The settings associated with this ROM are for a previous version of Kivalto.");

    writeFile("C:\\ROMS\\MARIO.GPF", crlf({"GONE.XPL"}));
    EXPECT_FALSE(main().loadGPF());
    EXPECT_EQ(errorText(), "The plugin these settings are for is not available. The required plugin is GONE.XPL");

    // Ends after the display lines: the rest stays as it was, silently.
    ctl<QScrollBar>(main(), "Play1select")->setValue(2);
    writeFile("C:\\ROMS\\MARIO.GPF", crlf({"TEST.XPL", "True", "False", "False", "True"}));
    const auto boxes = dialogs.boxes.size();
    EXPECT_FALSE(main().loadGPF());
    EXPECT_TRUE(ctl<QListWidget>(main(), "optionslist")->item(0)->isSelected());
    EXPECT_TRUE(ctl<QListWidget>(main(), "List2")->item(1)->isSelected());
    EXPECT_EQ(ctl<QScrollBar>(main(), "Play1select")->value(), 2);
    EXPECT_EQ(dialogs.boxes.size(), boxes);
}

TEST_F(Launching, ACommaInTheFrameskipShiftsTheLaterValues)
{
    startup();
    selectPlugin();
    selectRom("MARIO.SMC");
    ctl<QLineEdit>(main(), "Text2")->setText("1,2");
    clickButton("SaveGPF");
    doubleClickSelectedRom();
    EXPECT_EQ(ctl<QLineEdit>(main(), "Text2")->text(), "1");
    EXPECT_EQ(ctl<QLineEdit>(*app.chtcodefrm, "Text1")->text(), "2");
}

TEST_F(Launching, SavingNeedsARomAndAFolder)
{
    startup();
    selectPlugin();
    clickButton("SaveGPF");
    EXPECT_NE(dialogs.lastText().find("No ROM has been selected"), std::string::npos);
    selectRom("MARIO.SMC");
    ctl<QLineEdit>(*app.Paths, "GPFDir")->setText("C:\\NOWHERE\\");
    clickButton("SaveGPF");
    EXPECT_NE(dialogs.lastText().find("C:\\NOWHERE"), std::string::npos);
    EXPECT_FALSE(exists("C:\\NOWHERE\\MARIO.GPF"));
}

TEST_F(Launching, CommandLineStartLoadsLaunchesAndRestoresTheList)
{
    writeFile("C:\\GPF\\MARIO.GPF", crlf({"TEST.XPL", "True", "False", "False", "False", " 1 ", "False", "False",
                                          "False", "5", "", "", "False", "False"}));
    writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "C:\\UNZIP\\", "", "", "C:\\GPF\\"}));
    app.commandLine = "C:\\ROMS\\mario.smc";
    startup();
    ASSERT_EQ(process.calls.size(), 1u);
    EXPECT_EQ(script(), crlf({"echo off", "cls", "C:", "cd\\EMU\\TEST", "TEST.EXE -f 5 -j2 -j1 -s -fixed C:\\ROMS\\MARIO.SMC"}));
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.SMC;*.ZIP;*.GZ");
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->ListCount(), 3);
    EXPECT_EQ(app.selection.choices.frameskip, "5");  // the settings were loaded again after the launch
    EXPECT_FALSE(app.selection.commandLineStart);
    EXPECT_TRUE(ctl<QPushButton>(main(), "Run")->isEnabled());
}

TEST_F(Launching, CommandLineStartWithoutSettingsOpensNormally)
{
    app.commandLine = "C:\\ROMS\\ZELDA.ZIP";
    startup();
    EXPECT_EQ(dialogs.lastText(),
              "There are no saved settings associated with this ROM or they are not valid. The ROM being loaded is "
              "C:\\ROMS\\ZELDA.ZIP");
    EXPECT_TRUE(process.calls.empty());
    EXPECT_TRUE(main().isVisible());
}

TEST_F(Launching, HostileSettingsFilesRunNothing)
{
    // The frameskip, the cheat code and the cheat switch of a settings file
    // beside the ROM; the quoted field runs across line ends.
    struct Case {
        int line;  // 9 frameskip, 10 cheat code, 11 cheat switch
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {9, "\"3\r\nECHO Z>C:\\PWNED.TXT\r\nREM \"", "The frameskip in MARIO.GPF (\"3<0D><0A>ECHO Z>C:"},
        {9, "2>C:\\NOTES.TXT", "The frameskip in MARIO.GPF (\"2>C:\\NOTES.TXT\") holds <, > or |"},
        {10, "\"1\r\nECHO Z>C:\\PWNED.TXT\"", "The cheat code in MARIO.GPF"},
        {11, "-c|ECHO", "The cheat switch in MARIO.GPF"},
    };
    writeFile("C:\\NOTES.TXT", "keep");
    for (const Case& c : cases) {
        std::vector<std::string> gpf{"TEST.XPL", "False", "False", "False", "False", " 1 ", "False", "False", "False",
                                     "5",        "0",     "-c",    "True",  "False"};
        gpf[static_cast<std::size_t>(c.line)] = c.value;
        writeFile("C:\\ROMS\\MARIO.GPF", crlf(gpf));
        app.commandLine = "C:\\ROMS\\MARIO.SMC";
        startup();
        bool named = false;
        for (const auto& box : dialogs.boxes)
            named = named || box.text.rfind(c.message, 0) == 0;
        EXPECT_TRUE(named) << c.message << "\ngot: " << dialogs.lastText();
        EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat")) << c.message;
        EXPECT_FALSE(exists("C:\\PWNED.TXT"));
        EXPECT_EQ(readFile("C:\\NOTES.TXT"), "keep");
        EXPECT_TRUE(process.calls.empty());
        // Typed over, the value is named as the box's.
        ctl<QLineEdit>(main(), "Text2")->setText("1>X");
        clickButton("Run");
        EXPECT_EQ(dialogs.lastText().rfind("The frameskip box", 0), 0u) << dialogs.lastText();
        destroyWindows(app);
        dialogs.boxes.clear();
    }
}

TEST_F(Launching, ARomFolderTooDeepForDosIsRefused)
{
    std::string deep = "C:\\ROMS";
    for (int i = 0; i < 14; ++i)
        deep += "\\FOLDER" + std::to_string(i);
    writeFile(deep + "\\MARIO.SMC", std::string(70000, '\0'));
    startup();
    selectPlugin();
    ctl<FileListBox>(main(), "File1")->setPath(deep);
    selectRom("MARIO.SMC");
    clickButton("Run");
    EXPECT_NE(dialogs.lastText().find("DOS passes at most 126"), std::string::npos) << dialogs.lastText();
    EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat"));
    EXPECT_TRUE(process.calls.empty());
}

// Every choice the user makes in the windows reaches the selection that the
// launch reads, at once and without a launch in between.
TEST_F(Launching, EveryChoiceReachesTheSelection)
{
    startup();
    selectPlugin();
    const LaunchChoices& c = app.selection.choices;
    EXPECT_EQ(c.emulatorDir, "C:\\EMU\\TEST\\");
    ASSERT_EQ(c.options.size(), 2u);
    ASSERT_EQ(c.displayModes.size(), 2u);

    const struct {
        const char* item;
        bool LaunchChoices::*choice;
    } marks[] = {{"rundos", &LaunchChoices::runInDos},        {"runvesa", &LaunchChoices::runVesa},
                 {"runsnesk", &LaunchChoices::runSnesKey},     {"nostest", &LaunchChoices::testAfterRunning},
                 {"ROMMame", &LaunchChoices::mameRom},         {"chten", &LaunchChoices::enableCheat},
                 {"MenuShorten", &LaunchChoices::shortenNames}};
    for (const auto& m : marks) {
        QAction* item = ctl<QAction>(main(), m.item);
        item->trigger();
        EXPECT_EQ(c.*m.choice, item->isChecked()) << m.item;
        item->trigger();
        EXPECT_EQ(c.*m.choice, item->isChecked()) << m.item;
    }

    ctl<QLineEdit>(main(), "Text1")->setText("C:\\OTHER\\");
    ctl<QLineEdit>(main(), "Text2")->setText("4");
    ctl<QListWidget>(main(), "optionslist")->item(1)->setSelected(true);
    ctl<QListWidget>(main(), "List2")->item(0)->setSelected(true);
    ctl<QScrollBar>(main(), "Play1select")->setValue(2);
    ctl<QLineEdit>(*app.chtcodefrm, "Text1")->setText("7E0BCF28");
    ctl<QComboBox>(*app.chtcodefrm, "Combo1")->setEditText("-gg");
    EXPECT_EQ(c.emulatorDir, "C:\\OTHER\\");
    EXPECT_EQ(c.frameskip, "4");
    EXPECT_FALSE(c.options[0].chosen);
    EXPECT_TRUE(c.options[1].chosen);
    EXPECT_TRUE(c.displayModes[0].chosen);
    EXPECT_EQ(c.controller, 2);
    EXPECT_EQ(c.cheatCode, "7E0BCF28");
    EXPECT_EQ(c.cheatSwitch, "-gg");

    selectRom("ZELDA.ZIP");
    EXPECT_EQ(app.selection.romFolder(), "C:\\ROMS");
    EXPECT_EQ(app.selection.rom(), "ZELDA.ZIP");
    // A new selection of the plugin starts its choices afresh.
    selectPlugin();
    EXPECT_EQ(c.emulatorDir, "C:\\EMU\\TEST\\");
    EXPECT_FALSE(c.options[1].chosen);
}
