// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfield.h"

#include "app/pathsettings.h"
#include "launch/romsettings.h"
#include "platform/dosbox.h"
#include "roms/presets.h"
#include "roms/romcatalogue.h"
#include "ui/tips.h"

#include <cctype>
#include <gtest/gtest.h>

using namespace kivalto;

namespace {
using Fields = std::vector<std::string>;
}

TEST(ReadTextField, SplitsOnCommasAndEveryKindOfLineEnd)
{
    EXPECT_EQ(readAllFields("a,b\r\nc\nd\re"), (Fields{"a", "b", "c", "d", "e"}));
    // CR LF is one line end; LF CR and CR CR are two.
    EXPECT_EQ(readAllFields("a\r\n\r\nb"), (Fields{"a", "", "b"}));
    EXPECT_EQ(readAllFields("a\n\rb"), (Fields{"a", "", "b"}));
    EXPECT_EQ(readAllFields("a\r\rb"), (Fields{"a", "", "b"}));
    // A trailing line end or comma does not make another field.
    EXPECT_EQ(readAllFields("a\r\n"), (Fields{"a"}));
    EXPECT_EQ(readAllFields("a,"), (Fields{"a"}));
    EXPECT_EQ(readAllFields(""), Fields{});
}

TEST(ReadTextField, BlanksAndTabs)
{
    // Leading spaces and tabs go, trailing spaces go, inner ones stay;
    // a trailing tab is part of the value.
    EXPECT_EQ(readAllFields("  \tC:\\MY ROMS\\  \r\n"), (Fields{"C:\\MY ROMS\\"}));
    EXPECT_EQ(readAllFields("a\t\r\n"), (Fields{"a\t"}));
    EXPECT_EQ(readAllFields("   \r\nx"), (Fields{"", "x"}));
    EXPECT_EQ(readAllFields(" 7 \r\n-1 \r\n"), (Fields{"7", "-1"}));
}

TEST(ReadTextField, QuotedFields)
{
    // The quotes go, commas inside stay, the rest up to the comma or line
    // end is dropped.
    EXPECT_EQ(readAllFields("\"a, b\" junk,c\r\n\"  d  \"\r\ne"), (Fields{"a, b", "c", "  d  ", "e"}));
    EXPECT_EQ(readAllFields("  \"q\"\r\n"), (Fields{"q"}));
    // An unterminated quote runs to the end of the file.
    EXPECT_EQ(readAllFields("\"abc\r\ndef"), (Fields{"abc\r\ndef"}));
    EXPECT_EQ(readAllFields("\"\",x"), (Fields{"", "x"}));
    // A quote inside a field is an ordinary character.
    EXPECT_EQ(readAllFields("a\"b\"c"), (Fields{"a\"b\"c"}));
}

TEST(ReadTextField, ReadingAtTheEndIsAnError)
{
    StringCharSource src("one\r\n");
    TextFieldReader r(src);
    EXPECT_EQ(r.field(), "one");
    EXPECT_TRUE(r.atEnd());
    EXPECT_THROW(r.field(), TextReadError);
    std::string out = "stale";
    EXPECT_FALSE(r.tryField(out));
    EXPECT_EQ(out, "");
    EXPECT_THROW(r.fieldPrefix(4), TextReadError);
}

TEST(ReadTextField, BytesPassUnchanged)
{
    const std::string latin = "C:\\SP\xC9" "CIAL\\\xFF";
    EXPECT_EQ(readAllFields(latin + "\r\n"), (Fields{latin}));
    EXPECT_EQ(readAllFields(std::string("a\0b", 3)), (Fields{std::string("a\0b", 3)}));
}

TEST(ReadTextField, PrefixStopsAtTheLimitAndOtherwiseActsLikeField)
{
    StringCharSource src("ABCDEFGH,xy  z  \r\n\"QUOTED\" rest,\"LONGQUOTE\"\r\nlast");
    TextFieldReader r(src);
    EXPECT_EQ(r.fieldPrefix(4), "ABCD");
    EXPECT_EQ(r.field(), "EFGH");  // the rest is left for the next read
    // Shorter than the limit: the whole field and its CR LF are consumed.
    EXPECT_EQ(r.fieldPrefix(10), "xy  z");
    EXPECT_EQ(r.fieldPrefix(10), "QUOTED");
    EXPECT_EQ(r.fieldPrefix(4), "LONG");
    EXPECT_EQ(r.field(), "QUOTE\"");
    EXPECT_EQ(r.fieldPrefix(10), "last");
    EXPECT_TRUE(r.atEnd());
    // Spaces count only when something follows them within the field.
    StringCharSource spaces("ab   ,c");
    TextFieldReader s(spaces);
    EXPECT_EQ(s.fieldPrefix(3), "ab");
    EXPECT_EQ(s.field(), "c");
}

TEST(TextFileBuilder, WritesCrLfLinesTruthsAndNumbersExactly)
{
    TextFileBuilder b;
    b.line("C:\\ROMS\\").line("").truth(true).truth(false).number(7).number(0).number(-1).number(-120);
    EXPECT_EQ(b.bytes(), "C:\\ROMS\\\r\n\r\nTrue\r\nFalse\r\n 7 \r\n 0 \r\n-1 \r\n-120 \r\n");
    // What is written is read back as it was held.
    EXPECT_EQ(readAllFields(b.bytes()), (Fields{"C:\\ROMS\\", "", "True", "False", "7", "0", "-1", "-120"}));
}

TEST(TextValues, ParseTruthAndNumber)
{
    EXPECT_TRUE(parseTruth("True"));
    EXPECT_TRUE(parseTruth("TRUE"));
    EXPECT_FALSE(parseTruth("false"));
    EXPECT_TRUE(parseTruth("-1"));
    EXPECT_FALSE(parseTruth(" 0 "));
    EXPECT_THROW(parseTruth(""), std::invalid_argument);
    EXPECT_THROW(parseTruth("yes"), std::invalid_argument);
    EXPECT_EQ(parseNumber(" 7 "), 7);
    EXPECT_EQ(parseNumber("-1 "), -1);
    EXPECT_EQ(parseNumber("+3"), 3);
    EXPECT_EQ(parseNumber("\t12\t"), 12);
    for (const char* bad : {"", " ", "7x", "1 2", "--1", "99999999999999999999999"})
        EXPECT_THROW(parseNumber(bad), std::invalid_argument) << bad;
}

TEST(TextValues, CaseHelpersTouchAsciiOnly)
{
    EXPECT_EQ(toUpper("c:\\roms\\mario.smc"), "C:\\ROMS\\MARIO.SMC");
    EXPECT_EQ(toUpper("\xe9"), "\xe9");
    EXPECT_TRUE(equalsIgnoreCase("paths.DAT", "PATHS.dat"));
    EXPECT_FALSE(equalsIgnoreCase("paths.dat", "paths.da"));
}

// The readers of Kivalto's text files stop at these limits whatever a file holds.
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

TEST(CaseTables, FoldEveryByteAsTheCLibraryDoes)
{
    const kivalto::CaseTable lower;
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(lower(static_cast<char>(c))), std::tolower(c)) << c;
        EXPECT_EQ(static_cast<unsigned char>(lower.upper(static_cast<char>(c))), std::toupper(c)) << c;
    }
    for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
             {"G00000.SMC", "g00000.smc"}, {"G00000.SMC", "G00000.BMP"}, {"ab", "abc"}, {"", ""}, {"\xc4", "\xe4"}})
        EXPECT_EQ(lower.equal(a, b), kivalto::equalsIgnoreCase(a, b)) << a << " " << b;
    EXPECT_EQ(lower.lower("Mario.SMC"), kivalto::toLower("Mario.SMC"));
}
