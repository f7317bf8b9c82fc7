// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/librarydb.h"

#include <sqlite3.h>

#include <ctime>
#include <system_error>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

// "KVLB" in the file header marks a Kivalto library.
constexpr int kApplicationId = 0x4B564C42;
constexpr int kBusyTimeoutMs = 10000;

const char* const kDiskFull =
    "The disk is full, so the ROM Library could not be saved. Everything saved before is kept; "
    "free some space and open the Library again.";

[[noreturn]] void fail(sqlite3* db, int rc)
{
    const int primary = rc & 0xff;
    if (primary == SQLITE_FULL)
        throw LibraryError(kDiskFull);
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        throw LibraryError("library.db is damaged; close the Library and open it again to start a new one.");
    throw LibraryError(std::string("The ROM Library could not be saved: ") + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
}

// One prepared statement; binds by position from 1.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db)
    {
        const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
        if (rc != SQLITE_OK)
            fail(db, rc);
    }
    // A statement kept for reuse: prepared once into `kept`, reset after each use.
    Statement(sqlite3* db, sqlite3_stmt*& kept, const char* sql) : db_(db), owned_(false)
    {
        if (!kept) {
            const int rc = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &kept, nullptr);
            if (rc != SQLITE_OK)
                fail(db, rc);
        }
        stmt_ = kept;
    }
    ~Statement()
    {
        if (owned_) {
            sqlite3_finalize(stmt_);
        } else {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, const std::string& text)
    {
        sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int i, std::int64_t value)
    {
        sqlite3_bind_int64(stmt_, i, value);
        return *this;
    }
    Statement& bindNull(int i)
    {
        sqlite3_bind_null(stmt_, i);
        return *this;
    }
    // True while there is a row.
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(db_, rc);
        return false;
    }
    void run()
    {
        step();
        sqlite3_reset(stmt_);
    }
    std::string text(int col) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col))) : std::string();
    }
    std::int64_t integer(int col) const { return sqlite3_column_int64(stmt_, col); }
    bool isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    bool owned_ = true;
};

void execOn(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(db, rc);
}

// The schema, one step per version: step i upgrades version i to i + 1.
const char* const kUpgradeSteps[kLibrarySchemaVersion] = {
    // 1: the tables.
    "CREATE TABLE files(path TEXT PRIMARY KEY, size INTEGER NOT NULL, mtime INTEGER NOT NULL,"
    " system TEXT NOT NULL, data_name TEXT NOT NULL, title TEXT NOT NULL, rom_key TEXT NOT NULL,"
    " rom_size INTEGER, crc32 INTEGER, sha1 TEXT,"
    " name TEXT NOT NULL, region TEXT NOT NULL, revision TEXT NOT NULL, status TEXT NOT NULL);"
    "CREATE TABLE history(rom_key TEXT PRIMARY KEY, favourite INTEGER NOT NULL DEFAULT 0,"
    " times_played INTEGER NOT NULL DEFAULT 0, last_played INTEGER NOT NULL DEFAULT 0,"
    " play_seconds INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE folders(path TEXT PRIMARY KEY);"
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);",
    // 2: a launch finds its ROM's other files (and their history) by key.
    "CREATE INDEX files_by_rom_key ON files(rom_key);",
};

enum class FileState { Usable, Damaged, Foreign, Newer };

std::int64_t pragmaNumber(sqlite3* db, const char* sql)
{
    Statement s(db, sql);
    return s.step() ? s.integer(0) : 0;
}

FileState inspect(sqlite3* db)
{
    try {
        const std::int64_t id = pragmaNumber(db, "PRAGMA application_id");
        const std::int64_t version = pragmaNumber(db, "PRAGMA user_version");
        const std::int64_t tables = pragmaNumber(db, "SELECT count(*) FROM sqlite_master");
        if (id == 0 && version == 0 && tables == 0)
            return FileState::Usable;  // new
        if (id != kApplicationId)
            return FileState::Foreign;
        if (version > kLibrarySchemaVersion)
            return FileState::Newer;
        Statement check(db, "PRAGMA quick_check");
        return check.step() && check.text(0) == "ok" ? FileState::Usable : FileState::Damaged;
    } catch (const LibraryError&) {
        return FileState::Damaged;
    }
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Renames the library (and its write-ahead log) aside with the date; the
// first free name of "library.db.damaged-<date>", "...-2", ...
fs::path renameAside(const fs::path& file)
{
    const std::string base = file.string() + ".damaged-" + today();
    fs::path aside = base;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n)
        aside = base + "-" + std::to_string(n);
    fs::rename(file, aside, ec);
    if (ec)
        throw LibraryError("library.db is damaged and could not be renamed aside: " + ec.message());
    fs::rename(file.string() + "-wal", aside.string() + "-wal", ec);
    fs::remove(file.string() + "-shm", ec);
    return aside;
}

sqlite3* openConnection(const fs::path& file)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw LibraryError("library.db cannot be opened: " + why);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

} // namespace

struct LibraryOpener {
    static std::unique_ptr<LibraryDatabase> wrap(sqlite3* db) { return std::unique_ptr<LibraryDatabase>(new LibraryDatabase(db)); }
};

std::string romKeyOf(const FileRecord& record) { return record.hashed ? record.sha1 : "file:" + record.path; }

void upgradeLibrary(LibraryDatabase& db, int fromVersion, int toVersion)
{
    if (fromVersion >= toVersion)
        return;
    LibraryDatabase::Transaction t(db);
    db.exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    for (int v = fromVersion; v < toVersion; ++v)
        db.exec(kUpgradeSteps[v]);
    db.exec(("PRAGMA user_version = " + std::to_string(toVersion)).c_str());
    t.commit();
}

std::unique_ptr<LibraryDatabase> openLibraryAtVersion(const fs::path& file, int version)
{
    auto db = LibraryOpener::wrap(openConnection(file));
    db->exec("PRAGMA journal_mode = WAL");
    upgradeLibrary(*db, db->schemaVersion(), version);
    return db;
}

std::unique_ptr<LibraryDatabase> LibraryDatabase::open(const fs::path& file, std::string* notice)
{
    for (int attempt = 0;; ++attempt) {
        sqlite3* raw = openConnection(file);
        const FileState state = inspect(raw);
        if (state == FileState::Usable) {
            auto db = LibraryOpener::wrap(raw);
            db->exec("PRAGMA journal_mode = WAL");
            db->exec("PRAGMA synchronous = NORMAL");  // in WAL mode a kill loses no commit
            upgradeLibrary(*db, db->schemaVersion(), kLibrarySchemaVersion);
            return db;
        }
        sqlite3_close(raw);
        if (state == FileState::Newer)
            throw LibraryError("library.db was made by a newer Kivalto, so it was left as it is and the ROM "
                               "Library cannot be opened.");
        if (!notice)
            throw LibraryError("library.db is damaged or not a Kivalto library.");
        if (attempt > 0)
            throw LibraryError("library.db cannot be used, even after starting a new one.");
        const fs::path aside = renameAside(file);
        if (notice)
            *notice = std::string(state == FileState::Foreign ? "library.db is not a Kivalto library"
                                                              : "library.db was damaged") +
                      ", so it was renamed " + aside.filename().string() +
                      " and a new ROM Library was started. Its ROMs are being indexed again.";
    }
}

LibraryDatabase::~LibraryDatabase()
{
    sqlite3_finalize(putFile_);
    sqlite3_close(db_);
}

void LibraryDatabase::exec(const char* sql) { execOn(db_, sql); }

int LibraryDatabase::schemaVersion() { return static_cast<int>(pragmaNumber(db_, "PRAGMA user_version")); }

LibraryDatabase::Transaction::Transaction(LibraryDatabase& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

LibraryDatabase::Transaction::~Transaction()
{
    if (open_)
        sqlite3_exec(db_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void LibraryDatabase::Transaction::commit()
{
    db_.exec("COMMIT");
    open_ = false;
}

std::unordered_map<std::string, FileStamp> LibraryDatabase::stamps()
{
    std::unordered_map<std::string, FileStamp> out;
    Statement s(db_, "SELECT path, size, mtime FROM files");
    while (s.step())
        out.emplace(s.text(0), FileStamp{static_cast<std::uint64_t>(s.integer(1)), s.integer(2)});
    return out;
}

namespace {

constexpr const char* kFileColumns =
    "path, size, mtime, system, data_name, title, rom_size, crc32, sha1, name, region, revision, status";

FileRecord recordFrom(const Statement& s)
{
    FileRecord r;
    r.path = s.text(0);
    r.stamp = {static_cast<std::uint64_t>(s.integer(1)), s.integer(2)};
    r.system = s.text(3);
    r.dataName = s.text(4);
    r.title = s.text(5);
    r.hashed = !s.isNull(8);
    r.romSize = static_cast<std::uint64_t>(s.integer(6));
    r.crc32 = static_cast<std::uint32_t>(s.integer(7));
    r.sha1 = s.text(8);
    r.name = s.text(9);
    r.region = s.text(10);
    r.revision = s.text(11);
    r.status = s.text(12);
    return r;
}

} // namespace

std::optional<FileRecord> LibraryDatabase::file(const std::string& path)
{
    Statement s(db_, (std::string("SELECT ") + kFileColumns + " FROM files WHERE path = ?").c_str());
    s.bind(1, path);
    if (!s.step())
        return std::nullopt;
    return recordFrom(s);
}

std::vector<FileRecord> LibraryDatabase::hashedFiles()
{
    std::vector<FileRecord> out;
    Statement s(db_, (std::string("SELECT ") + kFileColumns + " FROM files WHERE sha1 IS NOT NULL").c_str());
    while (s.step())
        out.push_back(recordFrom(s));
    return out;
}

void LibraryDatabase::putFile(const FileRecord& r)
{
    Statement s(db_, putFile_, "INSERT OR REPLACE INTO files(path, size, mtime, system, data_name, title, rom_key, rom_size,"
                     " crc32, sha1, name, region, revision, status) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    s.bind(1, r.path).bind(2, static_cast<std::int64_t>(r.stamp.size)).bind(3, r.stamp.mtime);
    s.bind(4, r.system).bind(5, r.dataName).bind(6, r.title).bind(7, romKeyOf(r));
    if (r.hashed)
        s.bind(8, static_cast<std::int64_t>(r.romSize)).bind(9, static_cast<std::int64_t>(r.crc32)).bind(10, r.sha1);
    else
        s.bindNull(8).bindNull(9).bindNull(10);
    s.bind(11, r.name).bind(12, r.region).bind(13, r.revision).bind(14, r.status);
    s.run();
}

void LibraryDatabase::removeFile(const std::string& path)
{
    Statement s(db_, "DELETE FROM files WHERE path = ?");
    s.bind(1, path).run();
}

void LibraryDatabase::setNaming(const std::string& path, const std::string& name, const std::string& region,
                                const std::string& revision, const std::string& status)
{
    Statement s(db_, "UPDATE files SET name = ?, region = ?, revision = ?, status = ? WHERE path = ?");
    s.bind(1, name).bind(2, region).bind(3, revision).bind(4, status).bind(5, path).run();
}

std::vector<LibraryRow> LibraryDatabase::rows()
{
    std::vector<LibraryRow> out;
    Statement s(db_, "SELECT f.path, f.system, f.name, f.region, f.revision, f.status, f.rom_key, f.size,"
                     " h.favourite, h.times_played, h.last_played, h.play_seconds"
                     " FROM files f LEFT JOIN history h ON h.rom_key = f.rom_key WHERE f.system != ''");
    while (s.step()) {
        LibraryRow row;
        row.path = s.text(0);
        row.fileName = fs::path(row.path).filename().string();
        row.system = s.text(1);
        row.name = s.text(2);
        row.region = s.text(3);
        row.revision = s.text(4);
        row.status = s.text(5);
        row.romKey = s.text(6);
        row.size = static_cast<std::uint64_t>(s.integer(7));
        row.favourite = s.integer(8) != 0;
        row.timesPlayed = s.integer(9);
        row.lastPlayed = s.integer(10);
        row.playSeconds = s.integer(11);
        out.push_back(std::move(row));
    }
    return out;
}

void LibraryDatabase::setFavourite(const std::string& romKey, bool favourite)
{
    Statement s(db_, "INSERT INTO history(rom_key, favourite) VALUES(?, ?)"
                     " ON CONFLICT(rom_key) DO UPDATE SET favourite = excluded.favourite");
    s.bind(1, romKey).bind(2, std::int64_t{favourite}).run();
}

void LibraryDatabase::recordPlay(const std::string& romKey, std::int64_t now)
{
    Statement s(db_, "INSERT INTO history(rom_key, times_played, last_played) VALUES(?, 1, ?)"
                     " ON CONFLICT(rom_key) DO UPDATE SET times_played = times_played + 1,"
                     " last_played = excluded.last_played");
    s.bind(1, romKey).bind(2, now).run();
}

void LibraryDatabase::addPlayTime(const std::string& romKey, std::int64_t seconds)
{
    if (seconds <= 0)
        return;
    Statement s(db_, "INSERT INTO history(rom_key, play_seconds) VALUES(?, ?)"
                     " ON CONFLICT(rom_key) DO UPDATE SET play_seconds = play_seconds + excluded.play_seconds");
    s.bind(1, romKey).bind(2, seconds).run();
}

std::vector<std::string> LibraryDatabase::addedFolders()
{
    std::vector<std::string> out;
    Statement s(db_, "SELECT path FROM folders ORDER BY path");
    while (s.step())
        out.push_back(s.text(0));
    return out;
}

void LibraryDatabase::addFolder(const std::string& hostPath)
{
    Statement s(db_, "INSERT OR IGNORE INTO folders(path) VALUES(?)");
    s.bind(1, hostPath).run();
}

void LibraryDatabase::removeFolder(const std::string& hostPath)
{
    Statement s(db_, "DELETE FROM folders WHERE path = ?");
    s.bind(1, hostPath).run();
}

std::string LibraryDatabase::meta(const std::string& key)
{
    Statement s(db_, "SELECT value FROM meta WHERE key = ?");
    s.bind(1, key);
    return s.step() ? s.text(0) : std::string();
}

void LibraryDatabase::setMeta(const std::string& key, const std::string& value)
{
    Statement s(db_, "INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)");
    s.bind(1, key).bind(2, value).run();
}

} // namespace kivalto
