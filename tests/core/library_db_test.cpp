// SPDX-License-Identifier: GPL-3.0-or-later
// library.db: indexing, history kept under the ROM's hash, damage and
// upgrades, a full disk, a killed indexer and two processes at once.
#include "libraryfiles.h"

#include "library/libraryindex.h"
#include "library/libraryplaces.h"
#include "library/playlog.h"

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace kivalto;
using namespace kivalto::test;
namespace fs = std::filesystem;

namespace {

class LibraryDb : public LibraryFolder {
protected:
    fs::path dbFile() const { return root / kLibraryFileName; }
    IndexReport index(LibraryDatabase& db) { return indexLibrary(db, {root / "roms"}, root / "DAT"); }
    const LibraryRow* rowNamed(const std::vector<LibraryRow>& rows, const std::string& name)
    {
        for (const LibraryRow& r : rows)
            if (r.name == name)
                return &r;
        return nullptr;
    }
};

TEST_F(LibraryDb, UnchangedFilesAreNotReadAgainAndChangedOnesAre)
{
    write("roms/a.nes", romBytes(1000, 1));
    write("roms/sub/b.gb", romBytes(1000, 2));
    write("roms/c.bin", "no mark");  // remembered as no ROM
    write("roms/notes.txt", "not looked at");
    auto db = LibraryDatabase::open(dbFile());
    IndexReport first = index(*db);
    EXPECT_EQ(first.found, 3u);
    EXPECT_EQ(first.read, 3u);
    EXPECT_EQ(db->rows().size(), 2u);

    EXPECT_EQ(index(*db).read, 0u);
    const auto changed = write("roms/a.nes", romBytes(2000, 3));
    fs::last_write_time(changed, fs::last_write_time(changed) + std::chrono::seconds(5));
    const IndexReport again = index(*db);
    EXPECT_EQ(again.read, 1u);
    EXPECT_EQ(db->file(changed.string())->sha1, digestOf(romBytes(2000, 3)).sha1);
}

TEST_F(LibraryDb, CancellingKeepsWhatWasIndexedAndRemovesNothing)
{
    for (int i = 0; i < 5; ++i)
        write("roms/r" + std::to_string(i) + ".sms", romBytes(100, static_cast<unsigned>(i)));
    auto db = LibraryDatabase::open(dbFile());
    index(*db);
    fs::remove(root / "roms/r0.sms");
    write("roms/new.sms", "new");
    std::atomic<bool> cancel{false};
    IndexOptions options;
    options.cancel = &cancel;
    options.progress = [&](std::size_t, std::size_t) { cancel = true; };
    const IndexReport report = indexLibrary(*db, {root / "roms"}, root / "DAT", options);
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(report.removed, 0u);
    EXPECT_EQ(db->rows().size(), 5u);
    EXPECT_EQ(index(*db).removed, 1u);
    EXPECT_EQ(db->rows().size(), 5u);
}

TEST_F(LibraryDb, HistoryFollowsTheRomThroughARenameAndOutlivesIt)
{
    const auto first = write("roms/Game.nes", romBytes(1000, 1));
    auto db = LibraryDatabase::open(dbFile());
    index(*db);
    const std::string key = recordPlayStart(root, first, 1000);
    ASSERT_EQ(key, digestOf(romBytes(1000, 1)).sha1);
    recordPlayEnd(root, key, 90);
    recordPlayStart(root, first, 2000);
    {
        LibraryDatabase::Transaction t(*db);
        db->setFavourite(key, true);
        t.commit();
    }

    fs::create_directories(root / "roms/moved");
    fs::rename(first, root / "roms/moved/Renamed.nes");
    index(*db);
    auto rows = db->rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].fileName, "Renamed.nes");
    EXPECT_EQ(rows[0].timesPlayed, 2);
    EXPECT_EQ(rows[0].lastPlayed, 2000);
    EXPECT_EQ(rows[0].playSeconds, 90);
    EXPECT_TRUE(rows[0].favourite);

    fs::remove(root / "roms/moved/Renamed.nes");
    EXPECT_EQ(index(*db).removed, 1u);
    EXPECT_TRUE(db->rows().empty());
    write("roms/back.nes", romBytes(1000, 1));
    index(*db);
    ASSERT_EQ(db->rows().size(), 1u);
    EXPECT_EQ(db->rows()[0].timesPlayed, 2);
}

TEST_F(LibraryDb, WithoutALibraryALaunchWritesNothing)
{
    const auto rom = write("roms/Game.nes", romBytes(1000, 1));
    EXPECT_EQ(recordPlayStart(root, rom, 1000), "");
    recordPlayEnd(root, "key", 10);
    EXPECT_FALSE(fs::exists(dbFile()));
}

TEST_F(LibraryDb, ALaunchOfANewFileHashesItAndNamesItByTheDats)
{
    const std::string data = romBytes(3000, 5);
    write("DAT/a.dat", datFile(datGame("Fresh Game (Europe)", data)));
    LibraryDatabase::open(dbFile());
    const auto rom = write("elsewhere/fresh.gg", data);
    EXPECT_EQ(recordPlayStart(root, rom, 50), digestOf(data).sha1);
    auto db = LibraryDatabase::open(dbFile());
    EXPECT_EQ(db->file(rom.string())->name, "Fresh Game (Europe)");
    EXPECT_EQ(recordPlayStart(root, write("elsewhere/x.txt", "x"), 50), "");
}

TEST_F(LibraryDb, NewDatsRenameRomsWithoutReadingThemAgain)
{
    const std::string data = romBytes(3000, 6);
    write("roms/x.sms", data);
    auto db = LibraryDatabase::open(dbFile());
    index(*db);
    EXPECT_EQ(db->rows()[0].status, "Unknown");
    write("DAT/sms.dat", datFile(datGame("Named Later (Brazil)", data)));
    const IndexReport report = index(*db);
    EXPECT_EQ(report.read, 0u);
    EXPECT_EQ(db->rows()[0].name, "Named Later (Brazil)");
    EXPECT_EQ(db->rows()[0].status, "Verified");
}

TEST_F(LibraryDb, LinksToFoldersAreNotFollowed)
{
    write("roms/real/a.nes", "a");
    fs::create_directory_symlink(root / "roms", root / "roms/real/loop");
    fs::create_directory_symlink(root / "outside", root / "roms/elsewhere");
    write("outside/b.nes", "b");
    auto db = LibraryDatabase::open(dbFile());
    EXPECT_EQ(index(*db).found, 1u);
}

TEST_F(LibraryDb, TheLibraryFoldersComeFromPathsPresetsAndTheDatabase)
{
    fs::create_directories(root / "KIVALTO" / "ROMS");
    fs::create_directories(root / "GAMES" / "NES");
    fs::create_directories(root / "added");
    write("KIVALTO/paths.dat", "C:\\KIVALTO\\ROMS\\\r\nC:\\ZSNES\\\r\n");
    write("KIVALTO/presets.dat", "C:\\GAMES\\NES\r\nC:\\MISSING\r\nc:\\kivalto\\roms\r\n");
    DriveTable drives;
    drives.set('C', root);
    const DosFs dos(drives, "C:\\KIVALTO");
    const auto folders = libraryFolders(dos, {(root / "added").string(), (root / "gone").string()});
    EXPECT_EQ(folders, (std::vector<fs::path>{root / "KIVALTO/ROMS", root / "GAMES/NES", root / "added"}));
    EXPECT_EQ(libraryPlaces(dos).libraryFile, root / "KIVALTO" / "library.db");
}

TEST_F(LibraryDb, ASchemaUpgradeKeepsEverything)
{
    {
        auto old = openLibraryAtVersion(dbFile(), 1);
        EXPECT_EQ(old->schemaVersion(), 1);
        LibraryDatabase::Transaction t(*old);
        old->recordPlay("somekey", 77);
        old->addFolder("/some/folder");
        t.commit();
    }
    auto db = LibraryDatabase::open(dbFile());
    EXPECT_EQ(db->schemaVersion(), kLibrarySchemaVersion);
    EXPECT_EQ(db->addedFolders(), std::vector<std::string>{"/some/folder"});
    LibraryDatabase::Transaction t(*db);
    db->recordPlay("somekey", 78);  // the history is still there to add to
    t.commit();
}

TEST_F(LibraryDb, DamagedOrForeignFilesAreRenamedAsideAndANewLibraryStarted)
{
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const char* notice;
    };
    const std::vector<Case> cases = {
        {"garbage", [&] { write(kLibraryFileName, std::string(8192, 'x')); }, "library.db was damaged"},
        {"another program's database",
         [&] {
             sqlite3* other;
             sqlite3_open(dbFile().c_str(), &other);
             sqlite3_exec(other, "CREATE TABLE t(x); INSERT INTO t VALUES(1);", nullptr, nullptr, nullptr);
             sqlite3_close(other);
         },
         "library.db is not a Kivalto library"},
        {"damaged pages",
         [&] {
             {
                 auto db = LibraryDatabase::open(dbFile());
                 LibraryDatabase::Transaction t(*db);
                 for (int i = 0; i < 2000; ++i)
                     db->recordPlay("key" + std::to_string(i), i);
                 t.commit();
                 db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
             }
             std::fstream f(dbFile(), std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(4096 * 2);
             const std::string junk(4096 * 3, '\x5a');
             f.write(junk.data(), static_cast<std::streamsize>(junk.size()));
         },
         "library.db was damaged"},
    };
    for (const Case& c : cases) {
        for (const auto& e : fs::directory_iterator(root))
            fs::remove_all(e.path());
        c.spoil();
        // A worker, with no one to tell, leaves the file alone.
        EXPECT_THROW(LibraryDatabase::open(dbFile()), LibraryError) << c.what;
        EXPECT_EQ(recordPlayStart(root, write("roms/a.nes", "a"), 1), "") << c.what;
        EXPECT_TRUE(fs::exists(dbFile())) << c.what;
        std::string notice;
        auto db = LibraryDatabase::open(dbFile(), &notice);
        EXPECT_EQ(notice.rfind(c.notice, 0), 0u) << c.what << ": " << notice;
        EXPECT_NE(notice.find("library.db.damaged-"), std::string::npos) << c.what;
        EXPECT_TRUE(db->rows().empty()) << c.what;
        std::size_t aside = 0;
        for (const auto& e : fs::directory_iterator(root))
            aside += e.path().filename().string().starts_with("library.db.damaged-") &&
                     !e.path().filename().string().ends_with("-wal");
        EXPECT_EQ(aside, 1u) << c.what;
    }
}

TEST_F(LibraryDb, ALibraryOfANewerKivaltoIsLeftAlone)
{
    LibraryDatabase::open(dbFile())->exec("PRAGMA user_version = 99");
    EXPECT_THROW(LibraryDatabase::open(dbFile()), LibraryError);
    EXPECT_TRUE(fs::exists(dbFile()));
}

TEST_F(LibraryDb, AFullDiskGivesAMessageAndKeepsWhatWasSaved)
{
    for (int i = 0; i < 20; ++i)
        write("roms/r" + std::to_string(i) + ".nes", romBytes(100, static_cast<unsigned>(i)));
    auto db = LibraryDatabase::open(dbFile());
    index(*db);
    db->exec("PRAGMA max_page_count = 8");  // as if the disk were full
    for (int i = 0; i < 3000; ++i)
        write("roms/more" + std::to_string(i) + ".nes", romBytes(100, static_cast<unsigned>(i + 100)));
    try {
        index(*db);
        FAIL() << "no error";
    } catch (const LibraryError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The disk is full", 0), 0u) << e.what();
    }
    db.reset();
    db = LibraryDatabase::open(dbFile());
    EXPECT_EQ(db->rows().size(), 20u);
}

TEST_F(LibraryDb, AKillDuringIndexingLosesNothingAlreadyIndexed)
{
    for (int i = 0; i < 400; ++i)
        write("roms/r" + std::to_string(i) + ".gb", romBytes(20000, static_cast<unsigned>(i)));
    LibraryDatabase::open(dbFile());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        auto db = LibraryDatabase::open(dbFile());
        IndexOptions options;
        options.batch = 16;
        options.progressInterval = std::chrono::milliseconds(0);
        options.progress = [&](std::size_t done, std::size_t) {
            if (done > 32 && ::write(ready[1], "x", 1) == 1)
                for (;;)
                    pause();  // killed here, half-way through a transaction
        };
        indexLibrary(*db, {root / "roms"}, root / "DAT", options);
        _exit(0);
    }
    char byte;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    auto db = LibraryDatabase::open(dbFile());
    const std::size_t kept = db->rows().size();
    EXPECT_EQ(kept, 32u);  // two whole batches
    const IndexReport rest = index(*db);
    EXPECT_EQ(rest.read, 400u - kept);
    EXPECT_EQ(db->rows().size(), 400u);
}

TEST_F(LibraryDb, TwoProcessesWritingAtOnceBothSucceed)
{
    LibraryDatabase::open(dbFile());
    const auto writer = [&](const std::string& prefix) {
        auto db = LibraryDatabase::open(dbFile());
        for (int i = 0; i < 200; ++i) {
            LibraryDatabase::Transaction t(*db);
            db->recordPlay(prefix + std::to_string(i), i);
            db->recordPlay("shared", i);
            t.commit();
        }
    };
    const pid_t child = fork();
    if (child == 0) {
        try {
            writer("child");
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    EXPECT_NO_THROW(writer("parent"));
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    auto db = LibraryDatabase::open(dbFile());
    sqlite3* check;
    sqlite3_open(dbFile().c_str(), &check);
    sqlite3_stmt* s;
    sqlite3_prepare_v2(check, "SELECT count(*), (SELECT times_played FROM history WHERE rom_key='shared') FROM history",
                       -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(s, 0), 401);
    EXPECT_EQ(sqlite3_column_int(s, 1), 400);
    sqlite3_finalize(s);
    sqlite3_close(check);
}

} // namespace
