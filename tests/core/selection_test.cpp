// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/selection.h"
#include "platform/drives.h"
#include "platform/textfield.h"
#include "plugins/pluginfile.h"
#include "tests/tempfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace kivalto;

namespace {

EmulatorPlugin nlke()
{
    EmulatorPlugin p;
    p.pluginName = "NLKE";
    p.emulatorName = "NLKE 2";
    p.fileSpec = "*.SMC";
    p.defaultDir = "C:\\NLKE\\";
    p.exeName = "NLKE.EXE";
    p.options = {{"Sound", "-s"}, {"#Pro Action Replay", "-par"}, {"Stereo", "-st"}};
    p.displayModes = {{"320x240", "-m1"}, {"640x480", "-m2"}};
    p.keys.at(kSwitchRow, KeyColumn::Player1) = "-j1";
    p.keys.at(kSwitchRow, KeyColumn::Player2) = "-p2";
    p.keys.at(kSwitchRow, KeyColumn::Pad2) = "-j2";
    p.keys.at(kSwitchRow, KeyColumn::Pad4) = "-j4";
    p.keys.at(kSwitchRow, KeyColumn::Pad6) = "-j6";
    return p;
}

Selection selected(const EmulatorPlugin& plugin)
{
    Selection s;
    s.plugin() = plugin;
    s.takeChoicesFromPlugin();
    return s;
}

TEST(Selection, ChoicesOfANewPluginAreItsOrdinaryOptionsAndModesNoneChosen)
{
    Selection s = selected(nlke());
    s.choices.options[0].chosen = true;
    s.takeChoicesFromPlugin();
    EXPECT_EQ(s.choices.emulatorDir, "C:\\NLKE\\");
    ASSERT_EQ(s.choices.options.size(), 2u);  // the cheat type is not an option
    EXPECT_EQ(s.choices.options[1].name, "Stereo");
    EXPECT_EQ(s.choices.options[1].switchText, "-st");
    EXPECT_FALSE(s.choices.options[0].chosen);
    ASSERT_EQ(s.choices.displayModes.size(), 2u);
    EXPECT_EQ(s.choices.displayModes[1].switchText, "-m2");
}

TEST(Selection, ControllerChoosesTheSwitchColumn)
{
    const struct {
        int controller;
        bool has;
        const char* switchText;
    } cases[] = {{1, true, "-j1"}, {2, true, "-j2"}, {3, true, "-j4"}, {4, true, "-j6"}, {0, false, ""}, {5, false, ""}};
    for (const auto& c : cases) {
        Selection s = selected(nlke());
        s.choices.controller = c.controller;
        const LaunchInputs in = s.launchInputs({});
        EXPECT_EQ(in.hasControllerSwitch, c.has) << c.controller;
        EXPECT_EQ(in.controllerSwitch, c.switchText) << c.controller;
        EXPECT_EQ(in.player2Switch, "-p2");
    }
}

TEST(Selection, LaunchInputsTakeTheChosenRowsTheRomAndTheFolders)
{
    Selection s = selected(nlke());
    s.setRomFolder("C:\\ROMS");
    s.selectRom("MARIO.SMC");
    s.choices.options[1].chosen = true;
    s.choices.displayModes[0].chosen = true;
    s.choices.displayModes[1].chosen = true;
    s.choices.frameskip = "2";
    s.choices.runInDos = true;
    s.choices.cheatSwitch = "-par";
    // A later edit of the plugin's options does not change the rows shown.
    s.plugin().options.clear();
    const LaunchInputs in = s.launchInputs({"C:\\SKEY\\", "C:\\VESA\\V.EXE", "C:\\UNZ\\"});
    EXPECT_EQ(in.romDir, "C:\\ROMS");
    EXPECT_EQ(in.romFile, "MARIO.SMC");
    EXPECT_EQ(in.optionSwitches, std::vector<std::string>{"-st"});
    EXPECT_EQ(in.displaySwitches, (std::vector<std::string>{"-m1", "-m2"}));
    EXPECT_EQ(in.sneskeyDir, "C:\\SKEY\\");
    EXPECT_EQ(in.vesaCommand, "C:\\VESA\\V.EXE");
    EXPECT_EQ(in.unzipDir, "C:\\UNZ\\");
    EXPECT_EQ(in.exeName, "NLKE.EXE");
    EXPECT_TRUE(in.runInDos);
    EXPECT_EQ(in.cheatSwitch, "-par");
    EXPECT_EQ(in.sources.plugin, "the plugin NLKE.XPL");
}

TEST(Selection, ALoadedValueIsNamedByItsFileUntilItChanges)
{
    Selection s = selected(nlke());
    s.choices.frameskip = "9";
    s.launchOrigins.note("frameskip", "9", "the frameskip in MARIO.GPF");
    EXPECT_EQ(s.launchInputs({}).sources.frameskip, "the frameskip in MARIO.GPF");
    s.choices.frameskip = "8";
    EXPECT_EQ(s.launchInputs({}).sources.frameskip, "the frameskip box");
}

TEST(Selection, RomSettingsRecordEveryRowAndMark)
{
    Selection s = selected(nlke());
    s.choices.options[0].chosen = true;
    s.choices.displayModes[1].chosen = true;
    s.choices.controller = 3;
    s.choices.runSnesKey = true;
    s.choices.mameRom = true;
    s.choices.cheatCode = "7E0BCF28";
    const RomSettings r = s.romSettings();
    EXPECT_EQ(r.pluginFile, "NLKE.XPL");
    EXPECT_EQ(r.options, (std::vector<bool>{true, false}));
    EXPECT_EQ(r.displayModes, (std::vector<bool>{false, true}));
    EXPECT_EQ(r.controller, 3);
    EXPECT_TRUE(r.runSnesKey);
    EXPECT_TRUE(r.mameRom);
    EXPECT_FALSE(r.runInDos);
    EXPECT_EQ(r.cheatCode, "7E0BCF28");
}

class SelectionFiles : public ::testing::Test {
protected:
    SelectionFiles() : fs(table(), "C:\\KIV")
    {
        std::filesystem::create_directories(root / "KIV");
        selection.setPluginObserver([this] { ++shown; });
    }
    DriveTable table() const
    {
        DriveTable t;
        t.set('C', root.path());
        return t;
    }
    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(root / ("KIV/" + name), std::ios::binary) << bytes;
    }

    void importPlug(const std::string& path)
    {
        selection.importPlug(fs, dialogs, "Kivalto", path, [this](const std::string& file) {
            oversized.push_back(file + (shown > 0 ? " after showing" : ""));
        });
    }

    test::TempFolder root;
    DosFs fs;
    ScriptedDialogs dialogs;
    Selection selection;
    int shown = 0;
    std::vector<std::string> oversized;
};

TEST_F(SelectionFiles, ImportReportsEachFailureAndShowsWhatItLoaded)
{
    selection.plugin() = nlke();
    importPlug("GONE.XPL");
    EXPECT_EQ(dialogs.lastText(), "The Plugin file GONE.XPL could not be opened.");
    EXPECT_EQ(selection.plugin().options.size(), 3u);  // nothing was emptied
    EXPECT_EQ(shown, 0);

    put("HALF.XPL", "Half\r\n*.SMC\r\n");
    importPlug("HALF.XPL");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(selection.plugin().pluginName, "HALF");
    EXPECT_TRUE(selection.plugin().options.empty());
    EXPECT_EQ(dialogs.lastText(),
              "The Plugin you selected was not valid. Note that you cannot use plugins from version 2.");

    put("GOOD.XPL", writePluginFile(nlke()));
    const auto boxes = dialogs.boxes.size();
    importPlug("GOOD.XPL");
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(dialogs.boxes.size(), boxes);
    EXPECT_EQ(selection.plugin().pluginName, "GOOD");
    EXPECT_EQ(selection.plugin().options.size(), 3u);

    importPlug("");
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(oversized.empty());

    // A file past the text files' limit loads its first part and says so.
    put("BIG.XPL", writePluginFile(nlke()) + std::string(kMaxTextFileBytes, ' '));
    importPlug("BIG.XPL");
    EXPECT_EQ(selection.plugin().exeName, "NLKE.EXE");
    EXPECT_EQ(oversized, std::vector<std::string>{"BIG.XPL after showing"});
}

TEST_F(SelectionFiles, SaveCompletesTheDirectoryAndKeepsTheOldFileOnFailure)
{
    selection.plugin() = nlke();
    selection.plugin().defaultDir = "C:\\NLKE";
    selection.savePLUG(fs);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(selection.plugin().defaultDir, "C:\\NLKE\\");
    const auto written = fs.readAll("NLKE.XPL");
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, writePluginFile(selection.plugin()));

    selection.plugin().pluginName = "NO\\SUCH\\FOLDER";
    EXPECT_THROW(selection.savePLUG(fs), FileError);
    EXPECT_EQ(*fs.readAll("NLKE.XPL"), *written);
}

} // namespace
