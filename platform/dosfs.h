// SPDX-License-Identifier: GPL-3.0-or-later
// DOS-style paths over a drive table. Every path Kivalto handles is a DOS
// path (drive letter, colon, backslashes). Each component is resolved
// against the host without regard to case: an existing file is used
// whatever its case, a new file gets the case given.
#pragma once

#include "platform/dospath.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Drive letter (upper case) -> host folder.
class DriveTable {
public:
    // On Linux: C: is the host root. On Windows: the identity (no entries).
    static DriveTable hostDefault();
    void set(char letter, std::filesystem::path hostFolder);
    const std::map<char, std::filesystem::path>& drives() const { return drives_; }
    bool identity() const { return drives_.empty(); }

private:
    std::map<char, std::filesystem::path> drives_;
};

// A file opened for positioned reading, with a count of bytes read.
class ReadFile {
public:
    virtual ~ReadFile() = default;
    // Reads up to `size` bytes at `offset`; returns the number read (0 at end).
    virtual std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) = 0;
    virtual std::uint64_t size() const = 0;
    virtual std::uint64_t bytesRead() const = 0;
};

class DosFs {
public:
    DosFs(DriveTable drives, std::string currentDir);

    const DriveTable& driveTable() const { return drives_; }
    // The current directory (the program directory for the whole run).
    const std::string& currentDir() const { return current_; }
    void setCurrentDir(std::string dosPath);

    // Makes a path absolute against the current directory and removes
    // "." and ".." components. Keeps a trailing backslash only at a root.
    std::string absolute(std::string_view dosPath) const;

    // Host path of an existing file or folder, matching each component
    // without regard to case; nullopt when something does not exist.
    std::optional<std::filesystem::path> resolveExisting(std::string_view dosPath) const;
    // The first of `names` in `dosFolder` that resolveExisting finds and
    // `accept` takes, trying them in order. The folder is read once at most,
    // so that the spellings of one file (a snapshot's BMP, then its JPG)
    // cost no more than one when none of them is there.
    std::optional<std::filesystem::path>
    resolveFirstIn(std::string_view dosFolder, const std::vector<std::string>& names,
                   const std::function<bool(const std::filesystem::path&)>& accept) const;
    // Host path for writing: existing components matched without regard to
    // case, the missing last component kept as given. nullopt when the
    // folder does not exist or the drive is unknown.
    std::optional<std::filesystem::path> resolveForWrite(std::string_view dosPath) const;
    // DOS form of a host path (longest drive mapping that contains it).
    std::optional<std::string> hostToDos(const std::filesystem::path& host) const;

    bool fileExists(std::string_view dosPath) const;
    bool folderExists(std::string_view dosPath) const;

    // Whole file, or nullopt when it cannot be read.
    std::optional<std::string> readAll(std::string_view dosPath) const;
    // A text file Kivalto reads: at most `limit` bytes of it; `cut` tells
    // that the file is longer. nullopt when it cannot be read.
    struct Text {
        std::string bytes;
        bool cut = false;
    };
    std::optional<Text> readText(std::string_view dosPath, std::size_t limit = 1024 * 1024) const;
    std::unique_ptr<ReadFile> openRead(std::string_view dosPath) const;
    // Writes a temporary file beside the target and renames it over the
    // old one, so that a failed write never leaves half a file. Throws.
    void writeWhole(std::string_view dosPath, std::string_view bytes) const;
    // Overwrites bytes in place without changing the file's length. Throws.
    void patchInPlace(std::string_view dosPath, std::uint64_t offset, std::string_view bytes) const;
    // Copies a file, replacing the target (through a temporary file). Throws.
    void copyFile(std::string_view fromDos, std::string_view toDos) const;

    // Files of a folder matching a ";"-separated mask list, without regard
    // to case, sorted by name ignoring case. Names only.
    std::vector<std::string> listFiles(std::string_view dosFolder, std::string_view patternList) const;
    // Sub-folders of a folder, sorted by name ignoring case. Names only.
    std::vector<std::string> listFolders(std::string_view dosFolder) const;

private:
    DriveTable drives_;
    std::string current_;
};

} // namespace kivalto
