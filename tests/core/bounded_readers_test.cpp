// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of files that come from strangers keeps values and lists
// within the text files' limits and says when it left something out.
#include "app/startupnotices.h"
#include "keys/scancodes.h"
#include "keys/sneskey.h"
#include "platform/textfield.h"
#include "plugins/catalogue.h"
#include "plugins/pluginfile.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kivalto;

namespace {

const std::string kLong(kMaxFieldBytes + 1000, 'v');  // one value past the limit
const std::string kAtLimit(kMaxFieldBytes, 'v');

// A list file whose entries run past kMaxListEntries.
std::string manyLines(const std::string& head, const std::string& tail)
{
    std::string out = head;
    for (std::size_t i = 0; i < kMaxListEntries + 10; ++i)
        out += "k\r\n";
    return out + tail;
}

std::string plugin(const std::string& name, const std::string& options = "")
{
    std::string out = name + "\r\n*.SMC\r\n-f\r\nC:\\EMU\\\r\n-x\r\nEMU.EXE\r\n" + options + "ENDOPTS\r\nENDDISP\r\n";
    for (int i = 0; i < 65; ++i)
        out += "c\r\n";
    return out;
}

struct Read {
    std::size_t longest = 0;  // longest value kept
    std::size_t entries = 0;  // entries of the reader's list
    bool cut = false;
};

using Reader = std::function<Read(const std::string&)>;

Read readPlugin(const std::string& bytes)
{
    EmulatorPlugin p;
    Read r;
    readPluginFile(bytes, p, &r.cut);
    r.longest = p.emulatorName.size();
    r.entries = p.options.size();
    return r;
}

Read readProfile(const std::string& bytes)
{
    ControllerProfile p;
    Read r;
    readControllerProfile(bytes, p, &r.cut);
    for (const auto& s : p.driverLines)
        r.longest = std::max(r.longest, s.size());
    r.entries = p.driverLines.size();
    return r;
}

Read readSetup(const std::string& bytes)
{
    const StoredSnesKeySetup s = readSnesKeyDat(bytes);
    Read r;
    r.cut = s.cut;
    r.longest = s.controllerName.value_or("").size();
    r.entries = s.buttonSlots.size();
    return r;
}

Read readMapping(const std::string& bytes)
{
    Read r;
    const auto keys = readMappingFile(bytes, &r.cut);
    for (const auto& k : keys)
        r.longest = std::max(r.longest, k.size());
    r.entries = keys.size();
    return r;
}

} // namespace

TEST(BoundedReaders, ValuesAndListsStopAtTheLimitsAndSaySo)
{
    struct Case {
        const char* what;
        Reader read;
        std::string bytes;
        Read expected;
    };
    const std::string pairs = [] {
        std::string out;
        for (std::size_t i = 0; i < kMaxListEntries + 3; ++i)
            out += "o\r\n-o\r\n";
        return out;
    }();
    const Case cases[] = {
        {"plugin at the limit", readPlugin, plugin(kAtLimit), {kMaxFieldBytes, 0, false}},
        {"plugin name past it", readPlugin, plugin(kLong), {kMaxFieldBytes, 0, true}},
        {"plugin option past it", readPlugin, plugin("E", "name\r\n" + kLong + "\r\n"), {1, 1, true}},
        {"plugin with too many options", readPlugin, plugin("E", pairs), {1, kMaxListEntries, true}},
        {"profile line past it", readProfile, kLong + "\r\nBUTS\r\nA\r\nDONEBUTS\r\n", {kMaxFieldBytes, 1, true}},
        {"profile with too many lines", readProfile, manyLines("", "BUTS\r\nDONEBUTS\r\n"), {1, kMaxListEntries, true}},
        {"SnesKey.dat name past it", readSetup, kLong + "\r\nFalse\r\n 0 \r\n1\r\n", {kMaxFieldBytes, 1, true}},
        {"SnesKey.dat with too many slots", readSetup, manyLines("PAD\r\nFalse\r\n 99999 \r\n", ""),
         {3, kMaxListEntries, true}},
        {"SnesKey.dat in bounds", readSetup, "PAD\r\nTrue\r\n 1 \r\n0\r\n1\r\n", {3, 2, false}},
        {"mapping key past it", readMapping, " 0 \r\n" + kLong + "\r\n", {kMaxFieldBytes, 1, true}},
        {"mapping with too many keys", readMapping, manyLines(" " + std::to_string(kMaxListEntries + 9) + " \r\n", ""), {1, kMaxListEntries, true}},
    };
    for (const Case& c : cases) {
        const Read got = c.read(c.bytes);
        EXPECT_EQ(got.longest, c.expected.longest) << c.what;
        EXPECT_EQ(got.entries, c.expected.entries) << c.what;
        EXPECT_EQ(got.cut, c.expected.cut) << c.what;
    }
}

TEST(BoundedReaders, AFileCutInsideItsLastRowStillReadsAsIncomplete)
{
    // A cut plugin is never taken for a whole one: its key rows are missing.
    EmulatorPlugin p;
    bool cut = false;
    const std::string whole = plugin("E");
    EXPECT_EQ(readPluginFile(whole.substr(0, whole.size() - 3), p, &cut), PluginRead::Incomplete);
    EXPECT_FALSE(cut);
    EXPECT_EQ(readPluginFile(whole, p, &cut), PluginRead::Complete);
}

TEST(BoundedReaders, CatalogueFieldsAreBounded)
{
    const std::string bytes = kLong + "\r\n" + kLong + "\r\n";
    EXPECT_EQ(emulatorNameField(bytes)->size(), kMaxFieldBytes);
    EXPECT_EQ(fileSpecField(bytes)->size(), kMaxFieldBytes);
}

TEST(BoundedReaders, AScanCodeCutAtTheLimitIsNoNumber)
{
    // 4 096 zeros would read as 0; the whole field is 1.
    std::string bytes = std::string(kMaxFieldBytes + 10, '0') + "1\r\n";
    for (int i = 1; i < kScanCodeCount; ++i)
        bytes += "30\r\n";
    ScanCodeTable table;
    EXPECT_FALSE(readScanCodeTable(bytes, table));
    EXPECT_TRUE(readScanCodeTable(bytes.substr(kMaxFieldBytes), table));
    EXPECT_EQ(table.codes[0], 1);
}

TEST(StartupNoticeCollector, KeepsEachNoticeOnceInOrderUntilClosed)
{
    struct Case {
        std::vector<std::string> added;
        std::string shown;
    };
    const Case cases[] = {
        {{}, ""},
        {{"one"}, "one"},
        {{"one", "two", "one", ""}, "one\n\ntwo"},
    };
    for (const Case& c : cases) {
        StartupNotices notices;
        EXPECT_FALSE(notices.collecting());
        notices.open();
        EXPECT_TRUE(notices.collecting());
        for (const auto& text : c.added)
            notices.add(text);
        EXPECT_EQ(notices.close(), c.shown);
        EXPECT_FALSE(notices.collecting());
        EXPECT_EQ(notices.close(), "");  // nothing is shown twice
    }
}
