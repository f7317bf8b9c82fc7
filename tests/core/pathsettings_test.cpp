// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pathsettings.h"
#include "platform/textfield.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {
PathValues readPaths(const std::string& bytes) { return readPathsFile(bytes).values; }
} // namespace

TEST(PathsFile, SaveRulesAndExactBytes)
{
    PathValues v{"c:\\roms\\snes", "", "C:\\KIVALTO\\", "c:\\utils", "c:\\vesa\\vesadrv.exe", "c:\\sneskey", ""};
    upperCasePaths(v);
    addTrailingBackslashes(v);
    EXPECT_EQ(writePathsFile(v),
              "C:\\ROMS\\SNES\\\r\n\\\r\nC:\\KIVALTO\\\r\nC:\\UTILS\\\r\nC:\\VESA\\VESADRV.EXE\r\nC:\\SNESKEY\\\r\n\r\n");
    // vesadir and GPFDir never get a backslash added.
    PathValues w{"a", "b", "c", "d", "e", "f", "g"};
    addTrailingBackslashes(w);
    EXPECT_EQ(w, (PathValues{"a\\", "b\\", "c\\", "d\\", "e", "f\\", "g"}));
}

TEST(PathsFile, RoundTrip)
{
    PathValues v{"C:\\ROMS\\", "C:\\SPC\\", "C:\\KIVALTO\\", "C:\\UNZ\\", "C:\\VESA.EXE", "C:\\SK\\", "D:\\GPF"};
    EXPECT_EQ(readPaths(writePathsFile(v)), v);
}

TEST(PathsFile, CommaSplitsAValueAndShiftsTheRest)
{
    PathValues v{"C:\\ROMS,NEW\\", "C:\\SPC\\", "C:\\KIVALTO\\", "", "", "", ""};
    EXPECT_EQ(readPaths(writePathsFile(v)),
              (PathValues{"C:\\ROMS", "NEW\\", "C:\\SPC\\", "C:\\KIVALTO\\", "", "", ""}));
}

TEST(PathsFile, ShortFilesLeaveTheLaterFieldsEmpty)
{
    EXPECT_EQ(readPaths("C:\\ROMS\\\r\nC:\\SPC\\\r\nC:\\KIVALTO\\\r\n"),
              (PathValues{"C:\\ROMS\\", "C:\\SPC\\", "C:\\KIVALTO\\", "", "", "", ""}));
    EXPECT_EQ(readPaths("   C:\\ROMS\\\r\n\"C:\\QUOTED\\\"\r\n"),
              (PathValues{"C:\\ROMS\\", "C:\\QUOTED\\", "", "", "", "", ""}));
}

TEST(PathsFile, ReadsEverySevenFieldsAndNoMore)
{
    const auto f = readPathsFile("Q:\\NOWHERE\\\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n");
    EXPECT_EQ(f.read, 7);
    EXPECT_EQ(f.values, (PathValues{"Q:\\NOWHERE\\", "B", "C", "D", "E", "F", "G"}));
    EXPECT_EQ(readPathsFile("A,B\r\n").read, 2);
    EXPECT_FALSE(readPathsFile("A\r\n").cut);
}

TEST(PathsFile, StartWritesTheDefaultOfItsOwnFolderOnlyWhenNoneOrAnUntouchedOneOfAnotherFolder)
{
    const std::string here = "C:\\HOME\\ME\\KIV";
    const std::string mine = defaultPathsFile(here);
    EXPECT_EQ(mine, "C:\\HOME\\ME\\KIV\\ROMS\\\r\nC:\\SPCPLAY\\\r\nC:\\HOME\\ME\\KIV\\\r\nC:\\UTILS\\\r\n\r\n"
                    "C:\\SNESKEY\\\r\n\r\n");
    std::string edited = defaultPathsFile("C:\\BUILD\\KIVALTO");
    edited.replace(edited.find("SPCPLAY"), 7, "SPC");
    const struct {
        std::optional<std::string> file;
        bool rewritten;
    } cases[] = {
        {std::nullopt, true},
        {defaultPathsFile("C:\\BUILD\\KIVALTO\\"), true},            // copied folder, untouched demo paths
        {toUpper(defaultPathsFile("c:\\build\\kivalto")), true},    // the same after Save upper-cased it
        {mine, false},                                             // already this folder's
        {toUpper(mine), false},
        {edited, false},                                           // the user's own paths stay
        {std::string(), false},
        {std::string("C:\\ROMS\\\r\n"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? *c.file : "<none>");
        const auto out = pathsFileForFolder(c.file, here);
        EXPECT_EQ(out.value_or("<kept>"), c.rewritten ? mine : "<kept>");
    }
}
