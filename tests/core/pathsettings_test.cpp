#include "app/pathsettings.h"
#include "app/textfield.h"

#include <gtest/gtest.h>

using namespace kivalto;

namespace {
// What the Paths window's load step does with the file: up to seven fields.
PathValues readPaths(const std::string& bytes)
{
    PathValues v;
    StringCharSource src(bytes);
    TextFieldReader r(src);
    for (auto& field : v)
        if (!r.tryField(field))
            break;
    return v;
}
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
