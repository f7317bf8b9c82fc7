// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hostwrite.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kivalto {

namespace fs = std::filesystem;

namespace {

// A temporary name nobody can guess, so nothing can be planted under it.
std::string unpredictableTag()
{
    static std::mt19937_64 generator{(static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
                                     std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

} // namespace

#ifndef _WIN32
void writeHostFileWhole(const fs::path& target, std::string_view bytes)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // Created exclusively and never through a link: a name planted by
    // someone else makes the open fail instead of writing elsewhere.
    fs::path tmp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        tmp = folder / ("." + target.filename().string() + "." + unpredictableTag() + ".kivalto-tmp");
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw FileError("Cannot create a file in " + folder.string() + ".");
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    // On disk before the rename: after a power cut the name holds the old
    // contents or the new ones, never an empty file.
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
        ::unlink(tmp.c_str());
        throw FileError("Cannot write " + target.string() + ".");
    }
    // And the rename itself on disk.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}
#else
void writeHostFileWhole(const fs::path& target, std::string_view bytes)
{
    const fs::path tmp = target.parent_path() / ("." + target.filename().string() + "." + unpredictableTag() +
                                                 ".kivalto-tmp");
    std::error_code ec;
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            fs::remove(tmp, ec);
            throw FileError("Cannot write " + target.string() + ".");
        }
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        throw FileError("Cannot write " + target.string() + ".");
    }
}
#endif

} // namespace kivalto
