// SPDX-License-Identifier: GPL-3.0-or-later
// Indexing the library folders into library.db: every file that may be a
// ROM is found (sub-folders included, links to folders not followed); one
// whose size and modification time are unchanged is never read again; a
// new or changed one is read, hashed, titled and matched against the DATs.
// Work is committed in small transactions, so a kill loses little and
// corrupts nothing. Runs on any thread, with its own database connection.
#pragma once

#include "library/datmatch.h"
#include "library/librarydb.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kivalto {

inline constexpr const char* kDatFolderName = "DAT";

// The DATs of a folder (*.dat and *.xml), loaded into one index; each
// malformed or refused DAT adds its message to `problems`.
DatIndex loadDats(const std::filesystem::path& datFolder, std::vector<std::string>* problems = nullptr);
// What the DAT folder holds, to tell when its DATs changed.
std::string datFolderSignature(const std::filesystem::path& datFolder);

// The record of one file: read, hashed, titled and named by the DATs.
FileRecord indexFile(const std::filesystem::path& path, const FileStamp& stamp, const DatIndex& dats);
// The stamp of a file now; nullopt when it is gone.
std::optional<FileStamp> stampOf(const std::filesystem::path& path);

struct IndexReport {
    std::size_t found = 0;    // files that may be ROMs
    std::size_t read = 0;     // of them, read and hashed this time
    std::size_t removed = 0;  // rows of files that are gone
    bool cancelled = false;
    std::vector<std::string> problems;  // DAT messages
};

struct IndexOptions {
    const std::atomic<bool>* cancel = nullptr;
    // Called now and then with the files read so far and the number to read.
    std::function<void(std::size_t done, std::size_t total)> progress;
    std::chrono::milliseconds progressInterval{50};
    std::size_t batch = 256;  // files per transaction
};

IndexReport indexLibrary(LibraryDatabase& db, const std::vector<std::filesystem::path>& folders,
                         const std::filesystem::path& datFolder, const IndexOptions& options = {});

} // namespace kivalto
