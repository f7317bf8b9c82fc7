// SPDX-License-Identifier: GPL-3.0-or-later
// library.db: the ROM Library in SQLite. One row per file found in the
// library folders (its stamp, system, hashes and naming), the play history
// and favourite mark per ROM under the ROM data's SHA-1 (so renaming or
// moving a file keeps them, and a file that is gone leaves its history),
// and the folders added to the library.
//
// The file is in WAL mode and every change is a transaction, so a killed
// process loses nothing already committed; a second process waits for the
// first (busy timeout) rather than failing or corrupting the file.
#pragma once

#include "library/librarylist.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kivalto {

inline constexpr const char* kLibraryFileName = "library.db";
inline constexpr int kLibrarySchemaVersion = 2;

// A failure the user is told about in these words; the file stays as it
// was before the failed change.
class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// When a file was last seen: its size and modification time.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t mtime = 0;  // nanoseconds
    bool operator==(const FileStamp&) const = default;
};

struct FileRecord {
    std::string path;
    FileStamp stamp;
    std::string system;    // "" for a file that proved no ROM (kept so it is not read again)
    std::string dataName;  // the file's name, or the ROM member's
    std::string title;     // the header title, or ""
    bool hashed = false;
    std::uint64_t romSize = 0;
    std::uint32_t crc32 = 0;
    std::string sha1;
    std::string name, region, revision, status;
};

// The key of a ROM's history: the SHA-1 of its data, or the path of a file
// that could not be hashed.
std::string romKeyOf(const FileRecord& record);

class LibraryDatabase {
public:
    // Opens the library, creating it when there is none. A damaged file,
    // or one that is not a Kivalto library, is renamed aside with the date
    // and a new library started; `notice` then says so. Without `notice`
    // (a worker thread, with no one to tell) such a file is left as it is
    // and LibraryError thrown, as when no library can be opened (a newer
    // Kivalto's, an unwritable folder).
    static std::unique_ptr<LibraryDatabase> open(const std::filesystem::path& file, std::string* notice = nullptr);
    ~LibraryDatabase();
    LibraryDatabase(const LibraryDatabase&) = delete;
    LibraryDatabase& operator=(const LibraryDatabase&) = delete;

    int schemaVersion();

    // A write transaction (BEGIN IMMEDIATE); rolled back unless committed.
    class Transaction {
    public:
        explicit Transaction(LibraryDatabase& db);
        ~Transaction();
        void commit();

    private:
        LibraryDatabase& db_;
        bool open_ = true;
    };

    std::unordered_map<std::string, FileStamp> stamps();
    std::optional<FileRecord> file(const std::string& path);
    std::vector<FileRecord> hashedFiles();
    void putFile(const FileRecord& record);
    void removeFile(const std::string& path);
    void setNaming(const std::string& path, const std::string& name, const std::string& region,
                   const std::string& revision, const std::string& status);

    // The rows the window lists: every ROM file with its history.
    std::vector<LibraryRow> rows();

    void setFavourite(const std::string& romKey, bool favourite);
    // One more play, last played `now`.
    void recordPlay(const std::string& romKey, std::int64_t now);
    void addPlayTime(const std::string& romKey, std::int64_t seconds);

    std::vector<std::string> addedFolders();
    void addFolder(const std::string& hostPath);
    void removeFolder(const std::string& hostPath);

    std::string meta(const std::string& key);
    void setMeta(const std::string& key, const std::string& value);

    // Runs a statement without results (tests and upgrades).
    void exec(const char* sql);

private:
    explicit LibraryDatabase(sqlite3* db) : db_(db) {}
    friend struct LibraryOpener;
    sqlite3* db_;
    sqlite3_stmt* putFile_ = nullptr;  // kept: indexing puts thousands of files
};

// Upgrades a library to `version` (tests open an older schema with it).
void upgradeLibrary(LibraryDatabase& db, int fromVersion, int toVersion);
// Opens a library file without upgrading it (tests: an old library).
std::unique_ptr<LibraryDatabase> openLibraryAtVersion(const std::filesystem::path& file, int version);

} // namespace kivalto
