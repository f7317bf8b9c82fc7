// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderreader.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace kivalto {

#ifndef _WIN32

FolderReader::FolderReader(const std::filesystem::path& folder) : dir_(::opendir(folder.c_str())) {}

FolderReader::~FolderReader()
{
    if (dir_)
        ::closedir(dir_);
}

bool FolderReader::ok() const { return dir_ != nullptr; }

bool FolderReader::next(std::string_view& name)
{
    if (!dir_)
        return false;
    while ((entry_ = ::readdir(dir_)) != nullptr) {
        const std::string_view n(entry_->d_name);
        if (n == "." || n == "..")
            continue;
        kind_ = -1;
        name = n;
        return true;
    }
    return false;
}

int FolderReader::kind() const
{
    if (!entry_)
        return 0;
    if (kind_ >= 0)
        return kind_;
    switch (entry_->d_type) {
    case DT_REG:
        kind_ = S_IFREG;
        break;
    case DT_DIR:
        kind_ = S_IFDIR;
        break;
    case DT_LNK:
    case DT_UNKNOWN: {
        // A link counts as what it leads to, as std::filesystem's status does.
        struct stat st {};
        kind_ = ::fstatat(::dirfd(dir_), entry_->d_name, &st, 0) == 0 ? static_cast<int>(st.st_mode & S_IFMT) : 0;
        break;
    }
    default:
        kind_ = 0;
    }
    return kind_;
}

bool FolderReader::isRegularFile() const { return kind() == S_IFREG; }
bool FolderReader::isFolder() const { return kind() == S_IFDIR; }

#else

FolderReader::FolderReader(const std::filesystem::path& folder)
{
    std::error_code ec;
    it_ = std::filesystem::directory_iterator(folder, ec);
    ok_ = !ec;
}

FolderReader::~FolderReader() = default;

bool FolderReader::ok() const { return ok_; }

bool FolderReader::next(std::string_view& name)
{
    std::error_code ec;
    if (started_)
        it_.increment(ec);
    started_ = true;
    if (ec || it_ == std::filesystem::directory_iterator())
        return false;
    entry_ = *it_;
    name_ = entry_.path().filename().string();
    name = name_;
    return true;
}

bool FolderReader::isRegularFile() const
{
    std::error_code ec;
    return entry_.is_regular_file(ec);
}

bool FolderReader::isFolder() const
{
    std::error_code ec;
    return entry_.is_directory(ec);
}

#endif

} // namespace kivalto
