// Readers of Kivalto's text files stop at their limits whatever a file holds.
#include "app/pathsettings.h"
#include "platform/textfield.h"
#include "launch/romsettings.h"
#include "platform/dosbox.h"
#include "roms/presets.h"
#include "roms/romcatalogue.h"
#include "ui/tips.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(BoundedReaders, HugeFilesGiveBoundedCounts)
{
    std::string emptyLines;
    for (int i = 0; i < 200000; ++i)
        emptyLines += "\r\n";
    const std::string oneLine(3 * 1024 * 1024, 'x');
    struct Case {
        const std::string* bytes;
        std::size_t (*count)(const std::string&, bool&);
        std::size_t expected;
    };
    const Case cases[] = {
        {&emptyLines, [](const std::string& b, bool& cut) { return parsePresets(b, &cut).size(); }, kMaxListEntries},
        {&emptyLines, [](const std::string& b, bool& cut) { return parseStaticList(b, &cut).size(); }, kMaxRomEntries},
        {&emptyLines, [](const std::string& b, bool& cut) { return splitTipLines(b, &cut).size(); }, kMaxListEntries},
        {&oneLine, [](const std::string& b, bool& cut) { return parsePresets(b, &cut).front().size(); }, kMaxFieldBytes},
        {&oneLine, [](const std::string& b, bool& cut) { return parseStaticList(b, &cut).front().text.size(); },
         kMaxFieldBytes},
        {&oneLine, [](const std::string& b, bool& cut) { return splitTipLines(b, &cut).front().size(); }, kMaxFieldBytes},
        {&oneLine,
         [](const std::string& b, bool& cut) {
             auto f = readPathsFile(b);
             cut = f.cut;
             return f.values[0].size();
         },
         kMaxFieldBytes},
    };
    for (const Case& c : cases) {
        bool cut = false;
        EXPECT_EQ(c.count(*c.bytes, cut), c.expected);
        EXPECT_TRUE(cut);
    }
    EXPECT_EQ(parseRomSettings(oneLine, 0, 0).values.pluginFile.size(), kMaxFieldBytes);
    EXPECT_EQ(parsePifTemplate("program=" + oneLine).program.size(), kMaxFieldBytes - 8);
}

TEST(BoundedReaders, PathsFileReadsEverySevenFieldsAndNoMore)
{
    const auto f = readPathsFile("Q:\\NOWHERE\\\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n");
    EXPECT_EQ(f.read, 7);
    EXPECT_EQ(f.values, (PathValues{"Q:\\NOWHERE\\", "B", "C", "D", "E", "F", "G"}));
    EXPECT_EQ(readPathsFile("A,B\r\n").read, 2);
    EXPECT_FALSE(readPathsFile("A\r\n").cut);
}
