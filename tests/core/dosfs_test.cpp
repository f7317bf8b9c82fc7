// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dosfs.h"
#include "platform/drives.h"
#include "platform/textfield.h"
#include "tests/tempfolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

class DosFsTest : public ::testing::Test {
protected:
    DosFsTest() : root(makeRoot(temp)), dos(table(), "C:\\KIV") {}
    static fs::path makeRoot(const kivalto::test::TempFolder& folder)
    {
        fs::create_directories(folder / "c" / "KIV");
        fs::create_directories(folder / "d");
        return folder.path();
    }
    DriveTable table() const
    {
        DriveTable t;
        t.set('c', root / "c");
        t.set('D', root / "d");
        return t;
    }
    void put(const fs::path& rel, const std::string& bytes) const
    {
        fs::create_directories((root / rel).parent_path());
        std::ofstream(root / rel, std::ios::binary) << bytes;
    }
    std::string get(const fs::path& rel) const
    {
        std::ifstream in(root / rel, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> hostNames(const fs::path& rel) const
    {
        std::vector<std::string> out;
        for (auto& e : fs::directory_iterator(root / rel))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    kivalto::test::TempFolder temp{"kivalto-dosfs-"};
    fs::path root;
    DosFs dos;
};

} // namespace

TEST_F(DosFsTest, AbsolutePathsAgainstTheCurrentDirectory)
{
    EXPECT_EQ(dos.currentDir(), "C:\\KIV");
    EXPECT_EQ(dos.absolute("paths.dat"), "C:\\KIV\\paths.dat");
    EXPECT_EQ(dos.absolute("c:roms\\..\\x"), "C:\\KIV\\x");
    EXPECT_EQ(dos.absolute("\\ROMS\\.\\A\\"), "C:\\ROMS\\A");
    EXPECT_EQ(dos.absolute("d:"), "D:\\");
    EXPECT_EQ(dos.absolute("C:\\..\\.."), "C:\\");
}

TEST_F(DosFsTest, ReadingAndWritingIgnoreCaseAndNewFilesKeepTheGivenCase)
{
    put("c/KIV/paths.DAT", "old");
    EXPECT_EQ(dos.readAll("PATHS.dat").value(), "old");
    dos.writeWhole("paths.dat", "new");
    EXPECT_EQ(hostNames("c/KIV"), (std::vector<std::string>{"paths.DAT"}));
    EXPECT_EQ(get("c/KIV/paths.DAT"), "new");

    dos.writeWhole("c:\\kiv\\Static.dat", "x");
    EXPECT_EQ(hostNames("c/KIV"), (std::vector<std::string>{"Static.dat", "paths.DAT"}));
    EXPECT_TRUE(dos.fileExists("C:\\KIV\\STATIC.DAT"));
    EXPECT_TRUE(dos.folderExists("c:\\kiv"));
    EXPECT_FALSE(dos.fileExists("C:\\KIV"));
    EXPECT_FALSE(dos.readAll("C:\\KIV\\missing.dat").has_value());
    EXPECT_FALSE(dos.readAll("E:\\anything").has_value());  // no such drive
}

TEST_F(DosFsTest, WriteWholeIsAtomic)
{
    put("c/KIV/paths.dat", "old contents");
    // A target that is a folder, or in a missing folder.
    fs::create_directories(root / "c/KIV/FOLDER");
    EXPECT_THROW(dos.writeWhole("folder", "x"), FileError);
    EXPECT_THROW(dos.writeWhole("C:\\NOWHERE\\paths.dat", "x"), FileError);
    EXPECT_THROW(dos.writeWhole("E:\\x", "x"), FileError);

    // A good write leaves no temporary file behind.
    dos.writeWhole("paths.dat", std::string("a\0\r\n", 4));
    EXPECT_EQ(get("c/KIV/paths.dat"), std::string("a\0\r\n", 4));
    EXPECT_EQ(hostNames("c/KIV"), (std::vector<std::string>{"FOLDER", "paths.dat"}));
}

TEST_F(DosFsTest, WriteWholeNeverFollowsALink)
{
    put("precious.txt", "precious");
    put("c/KIV/sneswin.pit", "program=snesexec.bat");
    // Links planted at the temporary name of earlier versions and at the target.
    fs::create_symlink(root / "precious.txt", root / "c/KIV/.sneswin.pif.kivalto-tmp");
    fs::create_symlink(root / "precious.txt", root / "c/KIV/sneswin.pif");
    dos.copyFile("sneswin.pit", "sneswin.pif");
    EXPECT_EQ(get("precious.txt"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(root / "c/KIV/sneswin.pif")));
    EXPECT_EQ(get("c/KIV/sneswin.pif"), "program=snesexec.bat");
}

TEST_F(DosFsTest, PatchCopyAndPositionedReads)
{
    put("c/KIV/zsnes.cfg", "0123456789");
    dos.patchInPlace("ZSNES.CFG", 3, "ab");
    EXPECT_EQ(get("c/KIV/zsnes.cfg"), "012ab56789");
    EXPECT_THROW(dos.patchInPlace("zsnes.cfg", 9, "xy"), FileError);  // would grow the file
    EXPECT_EQ(get("c/KIV/zsnes.cfg"), "012ab56789");
    EXPECT_THROW(dos.patchInPlace("none.cfg", 0, "x"), FileError);

    put("c/KIV/sneswin.PIF", "stale");
    EXPECT_THROW(dos.copyFile("SNESWIN.PIT", "sneswin.pif"), FileError);
    EXPECT_EQ(get("c/KIV/sneswin.PIF"), "stale");
    put("c/KIV/sneswin.pit", "template");
    dos.copyFile("SNESWIN.PIT", "sneswin.pif");
    EXPECT_EQ(get("c/KIV/sneswin.PIF"), "template");

    auto f = dos.openRead("sneswin.pit");
    ASSERT_TRUE(f);
    char buf[8] = {};
    EXPECT_EQ(f->size(), 8u);
    EXPECT_EQ(f->readAt(4, buf, sizeof buf), 4u);
    EXPECT_EQ(std::string(buf, 4), "late");
    EXPECT_EQ(f->readAt(100, buf, sizeof buf), 0u);
    EXPECT_EQ(f->bytesRead(), 4u);
    EXPECT_FALSE(dos.openRead("nothing"));
}

TEST_F(DosFsTest, ListingsMatchMasksWithoutCaseInAStableOrder)
{
    for (const char* n : {"b.smc", "A.SMC", "c.Sfc", "readme.txt", "NOEXT", "a.smc.bak"})
        put(fs::path("d/ROMS") / n, "x");
    fs::create_directories(root / "d/ROMS/sub");
    fs::create_directories(root / "d/ROMS/Alpha");
    EXPECT_EQ(dos.listFiles("d:\\roms", "*.SMC;*.sfc"), (std::vector<std::string>{"A.SMC", "b.smc", "c.Sfc"}));
    EXPECT_EQ(dos.listFiles("D:\\ROMS", " *.smc ; readme.* "),
              (std::vector<std::string>{"A.SMC", "b.smc", "readme.txt"}));
    EXPECT_EQ(dos.listFiles("D:\\ROMS", "*.*").size(), 6u);
    EXPECT_EQ(dos.listFiles("D:\\ROMS", "noext.*"), (std::vector<std::string>{"NOEXT"}));
    EXPECT_EQ(dos.listFiles("D:\\ROMS", "?.smc"), (std::vector<std::string>{"A.SMC", "b.smc"}));
    EXPECT_EQ(dos.listFiles("D:\\ROMS", ""), std::vector<std::string>{});
    EXPECT_EQ(dos.listFolders("d:\\Roms"), (std::vector<std::string>{"Alpha", "sub"}));
    EXPECT_EQ(dos.listFiles("D:\\MISSING", "*.*"), std::vector<std::string>{});
}

// Looking up several spellings in one reading of the folder finds what
// looking them up one by one finds, the first accepted one winning.
TEST_F(DosFsTest, FirstOfSeveralNamesIsWhatOneByOneLookUpsFind)
{
    struct Case {
        const char* what;
        std::vector<std::string> files;  // in d/SNAP
        std::vector<std::string> refused;  // host names `accept` turns down
    };
    const std::vector<Case> cases = {
        {"none there", {"G.SMC"}, {}},
        {"first as spelt", {"GBMP", "GJPG"}, {}},
        {"first in other case", {"gbmp", "GJPG"}, {}},
        {"only the second", {"gjpg"}, {}},
        {"two case variants: the exact one", {"gBMP", "GBMP", "gbmp"}, {}},
        {"two case variants, none exact: first by folded order", {"gBmP", "gbmp"}, {}},
        {"first refused: the second", {"GBMP", "gjpg"}, {"GBMP"}},
        {"both refused", {"GBMP", "GJPG"}, {"GBMP", "GJPG"}},
        {"a folder by that name", {"GBMP/", "GJPG"}, {"GBMP"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root / "d/SNAP");
        fs::create_directories(root / "d/SNAP");
        for (const std::string& f : c.files)
            if (f.ends_with('/'))
                fs::create_directories(root / "d/SNAP" / f);
            else
                put(fs::path("d/SNAP") / f, "x");
        const auto accept = [&](const fs::path& p) {
            return std::find(c.refused.begin(), c.refused.end(), p.filename().string()) == c.refused.end();
        };
        std::optional<fs::path> oneByOne;
        for (const char* name : {"D:\\SNAP\\GBMP", "D:\\SNAP\\GJPG"})
            if (auto found = dos.resolveExisting(name); found && accept(*found)) {
                oneByOne = found;
                break;
            }
        EXPECT_EQ(dos.resolveFirstIn("d:\\snap", {"GBMP", "GJPG"}, accept), oneByOne);
    }
    EXPECT_EQ(dos.resolveFirstIn("D:\\MISSING", {"GBMP"}, [](const fs::path&) { return true; }), std::nullopt);
}

TEST_F(DosFsTest, ListingOrderIsByFoldedNameThenExactNameForManyNames)
{
    // Names that share long prefixes, differ only in case, or differ
    // beyond the eighth byte, in whatever order the directory holds them.
    std::vector<std::string> names;
    std::mt19937 random(5);
    const std::string letters = "aAbB09._-~\xe4\xc4";
    for (int i = 0; i < 400; ++i) {
        std::string name = i % 3 == 0 ? "GAMENUMB" : "";
        for (std::size_t n = 1 + random() % 12; n > 0; --n)
            name += letters[random() % letters.size()];
        if (std::find(names.begin(), names.end(), name) == names.end() && name != "." && name != "..") {
            names.push_back(name);
            put(fs::path("d/MANY") / name, "x");
        }
    }
    std::vector<std::string> expected = hostNames("d/MANY");
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        const std::string la = toLower(a), lb = toLower(b);
        return la != lb ? la < lb : a < b;
    });
    EXPECT_EQ(dos.listFiles("D:\\MANY", "*.*"), expected);
}

TEST(DriveTables, DefaultsAndTheDrivesSection)
{
    MemorySettingsStore store;
    EXPECT_EQ(loadDriveTable(store, "kivalto").drives(), (std::map<char, fs::path>{{'C', "/"}}));
    store.save("kivalto", "Drives", "d", "/media/roms");
    store.save("kivalto", "Drives", "C", "/home/me/dos");
    store.save("kivalto", "Drives", "EE", "/ignored");
    store.save("kivalto", "Drives", "F", "");
    store.save("other", "Drives", "G", "/other");
    EXPECT_EQ(loadDriveTable(store, "kivalto").drives(),
              (std::map<char, fs::path>{{'C', "/home/me/dos"}, {'D', "/media/roms"}}));
}

TEST_F(DosFsTest, HostPathsTurnIntoTheirDosForm)
{
    EXPECT_EQ(dos.hostToDos(root / "c" / "KIV" / "x.smc").value(), "C:\\KIV\\x.smc");
    EXPECT_EQ(dos.hostToDos(root / "d").value(), "D:\\");
    EXPECT_FALSE(dos.hostToDos("/elsewhere/x").has_value());
    // The longest mapping wins when drives nest.
    DriveTable nested = DriveTable::hostDefault();
    nested.set('D', root / "d");
    DosFs both(nested, "C:\\");
    EXPECT_EQ(both.hostToDos(root / "d" / "ROMS").value(), "D:\\ROMS");
    EXPECT_EQ(both.hostToDos("/usr/bin").value(), "C:\\usr\\bin");
    EXPECT_EQ(dosFormOfHostPath(both, "ROMS/a.smc", (root / "d").string()), "D:\\ROMS\\a.smc");
    EXPECT_EQ(dosFormOfHostPath(both, "c:\\roms\\a.smc", "/"), "c:\\roms\\a.smc");
    EXPECT_EQ(dosFormOfHostPath(dos, "/elsewhere/a.smc", "/"), "");
}

// A text file is read whole up to the limit, whatever the size against the
// pieces it is read in; one byte more is cut and said to be.
TEST(DosFsReadText, ReadsUpToTheLimitAndTellsACut)
{
    kivalto::test::TempFolder temp;
    DriveTable drives;
    drives.set('C', temp.path());
    DosFs dos(drives, "C:\\");
    struct Case {
        std::size_t size, limit, kept;
        bool cut;
    };
    const Case cases[] = {{0, 10, 0, false},           {10, 10, 10, false},         {11, 10, 10, true},
                          {65536, 200000, 65536, false}, {65537, 200000, 65537, false}, {200000, 200000, 200000, false},
                          {200001, 200000, 200000, true}, {500000, 200000, 200000, true}, {131072, 131071, 131071, true}};
    for (const Case& c : cases) {
        std::string bytes(c.size, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>('a' + i % 26);
        std::ofstream(temp / "F.TXT", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        const auto text = dos.readText("F.TXT", c.limit);
        ASSERT_TRUE(text) << c.size;
        EXPECT_EQ(text->bytes, bytes.substr(0, c.kept)) << c.size << " of " << c.limit;
        EXPECT_EQ(text->cut, c.cut) << c.size << " of " << c.limit;
    }
    EXPECT_FALSE(dos.readText("MISSING.TXT"));
}
