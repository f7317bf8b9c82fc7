// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dosfs.h"
#include "platform/folderreader.h"
#include "tests/tempfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

struct Kind {
    bool file = false;
    bool folder = false;
    bool operator==(const Kind&) const = default;
};

std::map<std::string, Kind> readAll(const fs::path& folder)
{
    std::map<std::string, Kind> out;
    FolderReader reader(folder);
    for (std::string_view name; reader.next(name);)
        out[std::string(name)] = {reader.isRegularFile(), reader.isFolder()};
    return out;
}

} // namespace

// Every entry but "." and "..", each of the kind std::filesystem gives it
// (links count as what they lead to; a dangling link is neither).
TEST(FolderReader, GivesEveryEntryWithTheKindStdFilesystemGives)
{
    test::TempFolder temp;
    std::ofstream(temp / "GAME.SMC") << "x";
    fs::create_directory(temp / "SUB");
    fs::create_symlink(temp / "GAME.SMC", temp / "LINK.SMC");
    fs::create_directory_symlink(temp / "SUB", temp / "LINKDIR");
    fs::create_symlink(temp / "NOWHERE", temp / "DANGLING");

    const auto entries = readAll(temp.path());
    ASSERT_EQ(entries.size(), 5u);
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(entries.count(name)) << name;
        std::error_code ec;
        EXPECT_EQ(entries.at(name), (Kind{entry.is_regular_file(ec), entry.is_directory(ec)})) << name;
    }
    EXPECT_EQ(entries.at("LINK.SMC"), (Kind{true, false}));
    EXPECT_EQ(entries.at("LINKDIR"), (Kind{false, true}));
    EXPECT_EQ(entries.at("DANGLING"), (Kind{false, false}));
}

TEST(FolderReader, AMissingFolderIsNotOkAndEmpty)
{
    test::TempFolder temp;
    FolderReader reader(temp / "missing");
    EXPECT_FALSE(reader.ok());
    std::string_view name;
    EXPECT_FALSE(reader.next(name));
}

// The listings built on the reader: files by mask (links to files count,
// folders and links to folders do not), folders, and a name matched
// without regard to case.
TEST(FolderReader, ListingsTakeLinksAsWhatTheyLeadTo)
{
    test::TempFolder temp;
    fs::create_directories(temp / "c" / "ROMS" / "Sub");
    const fs::path roms = temp / "c" / "ROMS";
    std::ofstream(roms / "b.smc") << "x";
    std::ofstream(roms / "A.SMC") << "x";
    std::ofstream(roms / "notes.txt") << "x";
    fs::create_symlink(roms / "b.smc", roms / "c.smc");
    fs::create_directory_symlink(roms / "Sub", roms / "d.smc");
    DriveTable drives;
    drives.set('C', temp / "c");
    DosFs dos(drives, "C:\\");
    EXPECT_EQ(dos.listFiles("C:\\ROMS", "*.SMC"), (std::vector<std::string>{"A.SMC", "b.smc", "c.smc"}));
    EXPECT_EQ(dos.listFolders("C:\\ROMS"), (std::vector<std::string>{"d.smc", "Sub"}));
    EXPECT_EQ(dos.resolveExisting("C:\\roms\\a.smc"), roms / "A.SMC");
    EXPECT_EQ(dos.resolveExisting("C:\\ROMS\\A.BMP"), std::nullopt);
}

// Names are sorted without regard to case; names that differ only in case
// keep one order, the byte order, whatever order the folder gives.
TEST(FolderReader, ListingsSortIgnoringCaseThenByBytes)
{
    test::TempFolder temp;
    fs::create_directories(temp / "c" / "ROMS");
    for (const char* name : {"b.smc", "B.SMC", "a.SMC", "C.smc", "A.smc", "b.SMC"})
        std::ofstream(temp / "c" / "ROMS" / name) << "x";
    DriveTable drives;
    drives.set('C', temp / "c");
    DosFs dos(drives, "C:\\");
    EXPECT_EQ(dos.listFiles("C:\\ROMS", "*.SMC"),
              (std::vector<std::string>{"A.smc", "a.SMC", "B.SMC", "b.SMC", "b.smc", "C.smc"}));
}
