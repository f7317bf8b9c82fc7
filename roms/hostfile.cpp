// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/hostfile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace kivalto {

#ifndef _WIN32

HostFolder::HostFolder(const std::filesystem::path& folder) : path_(folder)
{
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

HostFolder::~HostFolder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool HostFolder::ok() const { return fd_ >= 0; }

HostFile::~HostFile() { close(); }

bool HostFile::open(const HostFolder& folder, const std::string& name)
{
    close();
    fd_ = ::openat(folder.fd_, name.c_str(), O_RDONLY | O_CLOEXEC);
    return fd_ >= 0;
}

void HostFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    read_ = 0;
}

std::size_t HostFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    const ssize_t n = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
    if (n < 0)
        throw FileError("read failed");
    read_ += static_cast<std::uint64_t>(n);
    return static_cast<std::size_t>(n);
}

std::uint64_t HostFile::size() const
{
    struct stat st {};
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

#else

HostFolder::HostFolder(const std::filesystem::path& folder) : path_(folder) {}
HostFolder::~HostFolder() = default;

bool HostFolder::ok() const
{
    std::error_code ec;
    return std::filesystem::is_directory(path_, ec);
}

HostFile::~HostFile() = default;

bool HostFile::open(const HostFolder& folder, const std::string& name)
{
    close();
    path_ = folder.path_ / name;
    in_.open(path_, std::ios::binary);
    return static_cast<bool>(in_);
}

void HostFile::close()
{
    if (in_.is_open())
        in_.close();
    in_.clear();
    read_ = 0;
}

std::size_t HostFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(buffer, static_cast<std::streamsize>(size));
    if (in_.bad())
        throw FileError("read failed");
    const auto n = static_cast<std::size_t>(in_.gcount());
    read_ += n;
    return n;
}

std::uint64_t HostFile::size() const
{
    std::error_code ec;
    const auto n = std::filesystem::file_size(path_, ec);
    return ec ? 0 : static_cast<std::uint64_t>(n);
}

#endif

} // namespace kivalto
