// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the entries of a host folder in one pass. Listing a ROM folder of
// thousands of files is part of every start; the kind of an entry comes
// from the folder itself where the file system tells it, so that only
// links and file systems that do not tell cost a look-up per entry.
#pragma once

#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include <string>
#else
#include <dirent.h>
#endif

namespace kivalto {

class FolderReader {
public:
    explicit FolderReader(const std::filesystem::path& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    // False when the folder could not be opened.
    bool ok() const;
    // The next entry's name ("." and ".." are skipped); false at the end.
    // The name stays valid until the next call.
    bool next(std::string_view& name);
    // The kind of the entry next() returned last, links followed.
    bool isRegularFile() const;
    bool isFolder() const;

private:
#ifdef _WIN32
    std::filesystem::directory_iterator it_;
    std::filesystem::directory_entry entry_;
    std::string name_;
    bool started_ = false;
    bool ok_ = false;
#else
    int kind() const;
    DIR* dir_ = nullptr;
    const dirent* entry_ = nullptr;
    mutable int kind_ = -1;  // stat mode bits of the current entry, -1 when not looked up
#endif
};

} // namespace kivalto
