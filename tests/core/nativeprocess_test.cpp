// SPDX-License-Identifier: GPL-3.0-or-later
// Unpacking ROMs for native emulators and starting programs detached, on
// real archives and real processes.
#include "launch/romunpack.h"
#include "platform/nativeprocess.h"

#include "tests/archivefile.h"
#include "tests/tempfolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class NativeTemp : public ::testing::Test {
protected:
    NativeTemp()
    {
        fs::create_directories(root / "roms");
        fs::create_directories(root / "tmp");
    }

    // A ZIP (or, with gzip, a gzip stream) holding `members` as given, names unchecked.
    fs::path archiveOf(const std::string& name, const std::vector<std::pair<std::string, std::string>>& members,
                       bool gzip = false)
    {
        const fs::path path = root / "roms" / name;
        kivalto::test::writeArchive(path, members, gzip);
        return path;
    }
    std::vector<std::string> romFolder() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(root / "roms"))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> tempFolders() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(root / "tmp"))
            names.push_back(e.path().filename().string());
        return names;
    }

    kivalto::test::TempFolder temp{"kivalto-native-"};
    fs::path root = temp.path();
};

// Waits up to two seconds for `done`.
template <typename F>
bool eventually(F done)
{
    for (int i = 0; i < 200; ++i) {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

TEST_F(NativeTemp, ZipMembersLandUnderTheirBareNamesInAPrivateFolder)
{
    const fs::path zip = archiveOf("GAMES.ZIP", {{"docs/readme.txt", "hi"},
                                                 {"../../escape.smc", "first rom"},
                                                 {"sub/dir/Mario (U).sfc", "second rom"},
                                                 {"other/readme.txt", "duplicate name"}});
    const auto before = romFolder();
    UnpackedRom u = unpackRom(zip, UnpackKind::Zip, "*.SFC;*.ZIP;*.GZ", root / "tmp");
    ASSERT_EQ(u.error, "");
    EXPECT_EQ(u.folder.parent_path(), root / "tmp");
    EXPECT_EQ(fs::status(u.folder).permissions(), fs::perms::owner_all);
    EXPECT_EQ(u.rom, u.folder / "Mario (U).sfc");  // the first that matches the masks
    EXPECT_EQ(readAll(u.rom), "second rom");
    EXPECT_EQ(readAll(u.folder / "escape.smc"), "first rom");
    EXPECT_EQ(readAll(u.folder / "readme.txt"), "hi");
    EXPECT_FALSE(fs::exists(root / "escape.smc"));
    EXPECT_EQ(romFolder(), before);

    UnpackedRom noMatch = unpackRom(zip, UnpackKind::Zip, "*.NES", root / "tmp");
    EXPECT_EQ(noMatch.rom, noMatch.folder / "readme.txt");  // else the first file
}

TEST_F(NativeTemp, GzipKeepsItsOriginalNameOrLosesTheSuffix)
{
    // libarchive's gzip writer stores no original name: the file name decides.
    UnpackedRom u = unpackRom(archiveOf("Zelda.sfc.gz", {{"x", "zelda"}}, true), UnpackKind::Gzip, "", root / "tmp");
    ASSERT_EQ(u.error, "");
    EXPECT_EQ(u.rom.filename(), "Zelda.sfc");
    EXPECT_EQ(readAll(u.rom), "zelda");

    // A header that names the original file (FNAME), with a folder part.
    std::string gz = readAll(root / "roms" / "Zelda.sfc.gz");
    gz[3] = static_cast<char>(gz[3] | 0x08);
    gz.insert(10, std::string("../up/Link.smc\0", 15));
    std::ofstream(root / "roms" / "PACKED.GZ", std::ios::binary) << gz;
    u = unpackRom(root / "roms" / "PACKED.GZ", UnpackKind::Gzip, "", root / "tmp");
    ASSERT_EQ(u.error, "");
    EXPECT_EQ(u.rom.filename(), "Link.smc");
    EXPECT_EQ(readAll(u.rom), "zelda");
}

TEST_F(NativeTemp, ADamagedArchiveLeavesNothingBehind)
{
    std::string zip = readAll(archiveOf("BAD.ZIP", {{"rom.smc", std::string(5000, 'x')}}));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"NOTZIP.ZIP", "this is not an archive at all"},
        {"CUT.ZIP", zip.substr(0, 60)},
        {"EMPTY.ZIP", ""},
        {"NOTGZ.GZ", "plain text"},
    };
    for (const auto& [name, bytes] : cases) {
        std::ofstream(root / "roms" / name, std::ios::binary) << bytes;
        const bool gz = name.ends_with(".GZ");
        UnpackedRom u = unpackRom(root / "roms" / name, gz ? UnpackKind::Gzip : UnpackKind::Zip, "*.SMC", root / "tmp");
        EXPECT_NE(u.error, "") << name;
        EXPECT_TRUE(tempFolders().empty()) << name;
    }
}

TEST_F(NativeTemp, ADetachedProgramGetsItsWordsFolderAndLogAndIsCleanedUpAfter)
{
    const fs::path script = root / "emu";
    std::ofstream(script) << "#!/bin/sh\necho out; echo err >&2\npwd -P > \"$0.cwd\"\n"
                             "for a in \"$@\"; do printf '%s|' \"$a\"; done > \"$0.args\"\nexit 3\n";
    fs::permissions(script, fs::perms::owner_all);
    fs::create_directories(root / "tmp" / "unpacked" / "sub");
    std::ofstream(root / "tmp" / "unpacked" / "sub" / "save.srm") << "written by the emulator";

    NativeStart s;
    s.program = script.string();
    s.arguments = {"a b", "", "$(touch PWNED)", "'; rm -rf ~"};
    s.workingDir = (root / "roms").string();
    s.logFile = (root / "emu.log").string();
    s.removeAfterwards = (root / "tmp" / "unpacked").string();
    DetachedStart d = startDetached(s);
    ASSERT_TRUE(d.result.ok) << d.result.error;
    EXPECT_GT(d.pid, 0);
    std::optional<int> status;
    ASSERT_TRUE(eventually([&] { return (status = endStatus(d.pid)).has_value(); }));
    EXPECT_EQ(*status, 3);
    EXPECT_EQ(readAll(root / "emu.args"), "a b||$(touch PWNED)|'; rm -rf ~|");
    EXPECT_EQ(readAll(root / "emu.cwd"), (root / "roms").string() + "\n");
    EXPECT_EQ(readAll(root / "emu.log"), "out\nerr\n");
    EXPECT_TRUE(eventually([&] { return !fs::exists(root / "tmp" / "unpacked"); }));
    EXPECT_TRUE(eventually([&] { return endStatus(d.cleanerPid).has_value(); }));
    EXPECT_FALSE(fs::exists(root / "roms" / "PWNED"));
    for (int fd : {d.pidFd, d.cleanerPidFd})
        ::close(fd);
}

TEST_F(NativeTemp, AProgramThatCannotStartIsReported)
{
    NativeStart s;
    s.program = (root / "missing").string();
    s.workingDir = root.string();
    DetachedStart d = startDetached(s);
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, "The program " + s.program + " could not be started: No such file or directory.");

    s.program = "/bin/true";
    s.workingDir = (root / "nowhere").string();
    d = startDetached(s);
    EXPECT_EQ(d.result.error, "The folder " + s.workingDir + " could not be entered: No such file or directory.");
}
