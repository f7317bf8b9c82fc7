// SPDX-License-Identifier: GPL-3.0-or-later
// A ROM file opened by its host name inside an already resolved folder.
// The directory scan opens thousands of files; resolving the folder once
// and reusing one file object keeps each file to open, read and close.
#pragma once

#include "platform/dosfs.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace kivalto {

class HostFolder;

class HostFile final : public ReadFile {
public:
    HostFile() = default;
    ~HostFile() override;
    HostFile(const HostFile&) = delete;
    HostFile& operator=(const HostFile&) = delete;

    // Opens `name` (exactly as listed) in `folder`; false when it cannot.
    bool open(const HostFolder& folder, const std::string& name);
    void close();

    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) override;
    std::uint64_t size() const override;
    std::uint64_t bytesRead() const override { return read_; }

private:
#ifndef _WIN32
    int fd_ = -1;
#else
    std::filesystem::path path_;
    std::ifstream in_;
#endif
    std::uint64_t read_ = 0;
};

// A host folder held open for opening the files in it.
class HostFolder {
public:
    explicit HostFolder(const std::filesystem::path& folder);
    ~HostFolder();
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;
    bool ok() const;

private:
    friend class HostFile;
    std::filesystem::path path_;
#ifndef _WIN32
    int fd_ = -1;
#endif
};

} // namespace kivalto
