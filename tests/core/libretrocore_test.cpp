// SPDX-License-Identifier: GPL-3.0-or-later
// The check for a RetroArch core that is named by its full path but is not
// installed.
#include "launch/libretrocore.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace kivalto;

namespace {

class LibretroCore : public testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("kvcore" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "cores.so");
        std::ofstream(dir / "nestopia_libretro.so") << "core";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    std::filesystem::path dir;
};

} // namespace

TEST_F(LibretroCore, OnlyAFullPathWithNoFileBehindItIsMissing)
{
    const std::string gone = at("gambatte_libretro.so");
    struct Case {
        std::string program;
        std::vector<std::string> arguments;
        std::optional<std::string> missing;
    };
    const Case cases[] = {
        {"/usr/bin/retroarch", {"-L", at("nestopia_libretro.so"), "/roms/a.nes"}, std::nullopt},
        {"/usr/bin/retroarch", {"-v", "-L", gone, "/roms/a.gb"}, gone},
        {"/usr/bin/retroarch", {"--libretro", gone, "/roms/a.gb"}, gone},
        {"/usr/bin/retroarch", {"--libretro=" + gone, "/roms/a.gb"}, gone},
        {"/usr/bin/retroarch", {"-L" + gone, "/roms/a.gb"}, gone},
        // A folder is no core.
        {"/usr/bin/retroarch", {"-L", at("cores.so")}, at("cores.so")},
        // The last -L is the one RetroArch loads.
        {"/usr/bin/retroarch", {"-L", gone, "-L", at("nestopia_libretro.so")}, std::nullopt},
        {"/usr/bin/retroarch", {"-L", at("nestopia_libretro.so"), "-L", gone}, gone},
        // Bare names are looked up by RetroArch in its own core folder.
        {"/usr/bin/retroarch", {"-L", "nestopia", "/roms/a.nes"}, std::nullopt},
        {"/usr/bin/retroarch", {"-L", "gambatte_libretro.so"}, std::nullopt},
        {"/usr/bin/retroarch", {"-L"}, std::nullopt},
        {"/usr/bin/retroarch", {"/roms/a.nes"}, std::nullopt},
        // After "--" every word is a file, even one that looks like a switch.
        {"/usr/bin/retroarch", {"--", "-L", gone}, std::nullopt},
        // Another program's -L means something else.
        {"/usr/games/mednafen", {"-L", gone}, std::nullopt},
        {"/opt/retroarch-wrapper", {"-L", gone}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + (c.arguments.empty() ? "" : c.arguments[0]));
        const auto got = missingLibretroCore(c.program, c.arguments);
        ASSERT_EQ(got.has_value(), c.missing.has_value());
        if (got) {
            EXPECT_EQ(got->path, *c.missing);
        }
    }
}

TEST_F(LibretroCore, TheMessageNamesTheFileAndDebiansPackage)
{
    const std::pair<std::string, std::string> cores[] = {
        {"bsnes_mercury_balanced_libretro.so", "libretro-bsnes-mercury-balanced"},
        {"nestopia_libretro.so", "libretro-nestopia"},
        {"gambatte_libretro.so", "libretro-gambatte"},
        {"mednafen_pce_fast_libretro.so", "libretro-beetle-pce-fast"},
        {"snes9x_libretro.so", ""},
    };
    for (const auto& [file, package] : cores) {
        const std::string path = "/nowhere/libretro/" + file;
        const auto missing = missingLibretroCore("/usr/bin/retroarch", {"-L", path, "/roms/game"});
        ASSERT_TRUE(missing);
        EXPECT_EQ(missing->package, package);
    }
    EXPECT_EQ(missingCoreMessage({"/usr/lib/x/libretro/nestopia_libretro.so", "libretro-nestopia"}),
              "The RetroArch core /usr/lib/x/libretro/nestopia_libretro.so was not found. Install it with the "
              "package libretro-nestopia (as root: apt-get install libretro-nestopia). Nothing was started.");
    EXPECT_EQ(missingCoreMessage({"/opt/cores/snes9x_libretro.so", ""}),
              "The RetroArch core /opt/cores/snes9x_libretro.so was not found. Install that core, or correct the -L "
              "switch of the plugin. Nothing was started.");
}
