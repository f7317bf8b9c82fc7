// SPDX-License-Identifier: GPL-3.0-or-later
// The files shipped in the Kivalto folder must read cleanly with the
// program's own readers.
#include "platform/textfield.h"
#include "keys/scancodes.h"
#include "keys/sneskey.h"
#include "library/romkind.h"
#include "platform/dospath.h"
#include "plugins/catalogue.h"
#include "plugins/pluginfile.h"
#include "ui/tips.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <gtest/gtest.h>
#include <sstream>

using namespace kivalto;

namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string shipped(const std::string& name) { return fileText(std::filesystem::path(KIVALTO_SHIPPED_DIR) / name); }

bool hasOnlyCrLfLines(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return !bytes.empty() && bytes.back() == '\n';
}

std::vector<std::string> systemsOf(const std::string& fileSpec)
{
    std::vector<std::string> out;
    for (std::size_t i : systemsForFileSpec(fileSpec))
        out.push_back(kSystemKinds[i].displayText);
    return out;
}

} // namespace

TEST(ShippedFiles, PluginsReadCompletelyAndServeTheirSystems)
{
    const std::pair<const char*, const char*> plugins[] = {
        {"ZSNES.XPL", "SNES"}, {"ESNES.XPL", "SNES"}, {"NLKE.XPL", "SNES"}, {"KGEN.XPL", "MEGA DRIVE"}};
    for (const auto& [name, system] : plugins) {
        SCOPED_TRACE(name);
        const std::string bytes = shipped(name);
        ASSERT_TRUE(hasOnlyCrLfLines(bytes));
        EmulatorPlugin p;
        ASSERT_EQ(readPluginFile(bytes, p), PluginRead::Complete);
        EXPECT_EQ(systemsOf(p.fileSpec), std::vector<std::string>{system});
        EXPECT_EQ(p.defaultDir.back(), '\\');
        EXPECT_FALSE(p.exeName.empty());
        EXPECT_FALSE(p.displayModes.empty());
        const auto cheats = std::count_if(p.options.begin(), p.options.end(),
                                          [](const PluginOption& o) { return o.name.rfind('#', 0) == 0; });
        EXPECT_GE(cheats, 1);
        EXPECT_LT(static_cast<std::size_t>(cheats), p.options.size());
        for (int col = 0; col < 5; ++col)
            EXPECT_FALSE(p.keys.at(12, static_cast<KeyColumn>(col)).empty()) << "controller switch " << col;
        // Written back, nothing is lost: the pad cells that are unset read
        // as empty, so compare the re-read plugin, not the bytes.
        EmulatorPlugin again;
        ASSERT_EQ(readPluginFile(writePluginFile(p), again), PluginRead::Complete);
        EXPECT_EQ(again.keys.cells, p.keys.cells);
        EXPECT_EQ(again.options.size(), p.options.size());
    }
}

// Setting names of an emulator switch text: every word that starts with a
// dash ("-sound 0 -snes.xscale 3" gives -sound and -snes.xscale).
namespace {
std::set<std::string> settingNames(const std::string& switches)
{
    std::set<std::string> out;
    std::istringstream words(switches);
    for (std::string w; words >> w;)
        if (w.rfind('-', 0) == 0)
            out.insert(w);
    return out;
}
} // namespace

TEST(ShippedFiles, NativePluginsCoverEverySystemAndLeaveNoSettingBehind)
{
    // Mednafen and FCEUX keep every switch they are given in their own
    // configuration, so a setting that one option or display mode changes
    // must be set back by another: options come in groups over one setting
    // and every display mode sets the same video settings. (mGBA takes its
    // switches for one run only.)
    const std::pair<const char*, const char*> plugins[] = {
        {"MEDSNES.XPL", "SNES"},       {"MEDNES.XPL", "NES"},         {"MEDGB.XPL", "GAMEBOY"},
        {"MEDMD.XPL", "MEGA DRIVE"},   {"MEDSMS.XPL", "MASTER SYSTEM"}, {"MEDGG.XPL", "GAME GEAR"},
        {"MEDPCE.XPL", "PC ENGINE"},   {"FCEUX.XPL", "NES"},          {"MGBA.XPL", "GAMEBOY"}};
    for (const auto& [name, system] : plugins) {
        SCOPED_TRACE(name);
        const std::string bytes = shipped(name);
        ASSERT_TRUE(hasOnlyCrLfLines(bytes));
        EmulatorPlugin p;
        ASSERT_EQ(readPluginFile(bytes, p), PluginRead::Complete);
        EXPECT_EQ(systemsOf(p.fileSpec), std::vector<std::string>{system});
        EXPECT_EQ(p.defaultDir, "C:\\USR\\GAMES\\");
        ASSERT_FALSE(p.displayModes.empty());
        std::map<std::string, int> optionsPerSetting;
        for (const auto& o : p.options)
            for (const auto& s : settingNames(o.switchText))
                ++optionsPerSetting[s];
        for (const auto& [setting, count] : optionsPerSetting)
            EXPECT_GE(count, 2) << setting << " is set by one option only";
        if (p.exeName == "mednafen") {
            EXPECT_EQ(p.fixedSwitches.rfind("-force_module ", 0), 0u);
        }
        if (p.exeName == "mgba")
            continue;
        const auto videoSettings = settingNames(p.displayModes.front().switchText);
        for (const auto& m : p.displayModes)
            EXPECT_EQ(settingNames(m.switchText), videoSettings) << m.name;
    }
}

TEST(ShippedFiles, PluginsListEveryLibraryExtensionOfTheirSystems)
{
    // Otherwise the main window cannot list a ROM the Library lists.
    for (const char* name : {"ZSNES.XPL", "ESNES.XPL", "NLKE.XPL", "KGEN.XPL", "MEDSNES.XPL", "MEDNES.XPL", "MEDGB.XPL",
                             "MEDMD.XPL", "MEDSMS.XPL", "MEDGG.XPL", "MEDPCE.XPL", "FCEUX.XPL", "MGBA.XPL"}) {
        EmulatorPlugin p;
        ASSERT_EQ(readPluginFile(shipped(name), p), PluginRead::Complete) << name;
        for (std::size_t system : systemsForFileSpec(p.fileSpec)) {
            for (const RomExtension* e = romExtensionsBegin(); e != romExtensionsEnd(); ++e) {
                if (std::string_view(e->system) == kSystemKinds[system].displayText) {
                    EXPECT_TRUE(matchesPatternList(std::string("Game") + e->extension, p.fileSpec))
                        << name << " lacks " << e->extension;
                }
            }
        }
    }
}

TEST(ShippedFiles, ControllerProfilesHaveAtMostEightButtons)
{
    for (const char* name : {"CUSTOM.SKP", "PAD4.SKP", "PAD6.SKP"}) {
        SCOPED_TRACE(name);
        const std::string bytes = shipped(name);
        ASSERT_TRUE(hasOnlyCrLfLines(bytes));
        ControllerProfile profile;
        ASSERT_TRUE(readControllerProfile(bytes, profile));
        EXPECT_FALSE(profile.driverLines.empty());
        EXPECT_GE(profile.buttons.size(), 2u);
        EXPECT_LE(profile.buttons.size(), 8u);
    }
    const std::string custom = shipped("CUSTOM.SKP");
    EXPECT_NE(custom.find("HOW TO MAKE A CUSTOM CONTROLLER", custom.find("DONEBUTS")), std::string::npos);
}

TEST(ShippedFiles, LookupTableHoldsStandardScanCodes)
{
    ScanCodeTable t;
    ASSERT_TRUE(readScanCodeTable(shipped("lookup.dat"), t));
    EXPECT_EQ(t.codes['A'], 30);
    EXPECT_EQ(t.codes['Q'], 16);
    EXPECT_EQ(t.codes['Z'], 44);
    EXPECT_EQ(t.codes['8'], 72);  // keypad up
    EXPECT_EQ(t.codes['0'], 82);
    EXPECT_EQ(t.codes[' '], 0);
}

TEST(ShippedFiles, TipsAreFifteenToTwentyFiveLines)
{
    const std::string bytes = shipped("TIPOFDAY.TXT");
    ASSERT_TRUE(hasOnlyCrLfLines(bytes));
    const auto tips = splitTipLines(bytes);
    EXPECT_GE(tips.size(), 15u);
    EXPECT_LE(tips.size(), 25u);
    for (const auto& t : tips)
        EXPECT_FALSE(t.empty());
}

TEST(ShippedFiles, RetroArchPluginsNameTheirCoreInThisMachinesFolder)
{
    const std::filesystem::path ready = KIVALTO_READY_DIR;
    const std::filesystem::path templates = std::filesystem::path(KIVALTO_SHIPPED_DIR) / ".." / "retroarch";
    const std::string coreDir = KIVALTO_LIBRETRO_DIR;
    struct Case {
        const char* plugin;
        const char* system;
        const char* core;
    };
    const Case cases[] = {{"RASNES", "SNES", "bsnes_mercury_balanced_libretro.so"},
                          {"RANES", "NES", "nestopia_libretro.so"},
                          {"RAGB", "GAMEBOY", "gambatte_libretro.so"},
                          {"RAPCE", "PC ENGINE", "mednafen_pce_fast_libretro.so"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plugin);
        const std::string bytes = fileText(ready / (std::string(c.plugin) + ".XPL"));
        ASSERT_TRUE(hasOnlyCrLfLines(bytes));
        EXPECT_EQ(fileText(templates / (std::string(c.plugin) + ".XPL.in")).find("x86_64"), std::string::npos);
        EmulatorPlugin p;
        ASSERT_EQ(readPluginFile(bytes, p), PluginRead::Complete);
        EXPECT_EQ(systemsOf(p.fileSpec), std::vector<std::string>{c.system});
        EXPECT_EQ(p.exeName, "retroarch");
        EXPECT_EQ(p.defaultDir, "C:\\USR\\BIN\\");
        EXPECT_EQ(p.fixedSwitches, "-L " + coreDir + "/" + c.core);
        EXPECT_EQ(p.frameskipSwitch, "");  // RetroArch has no frameskip switch
        for (const auto& o : p.options) {
            EXPECT_NE(o.name.front(), '#') << "RetroArch has no cheat switch";
            // Would start without the battery save and then overwrite it.
            EXPECT_EQ(o.switchText.find("noload-save"), std::string::npos) << o.name;
            EXPECT_EQ(o.switchText.find("-c"), std::string::npos) << "no configuration files";
        }
        for (const auto& m : p.displayModes)
            EXPECT_EQ(m.switchText.find("shader"), std::string::npos) << m.name;
    }
}
