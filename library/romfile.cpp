// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/romfile.h"

#include "library/romkind.h"

#include <archive.h>
#include <archive_entry.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

using Archive = std::unique_ptr<archive, decltype(&archive_read_free)>;

std::string lastComponent(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Reads a whole plain file of at most `limit` bytes.
bool readWhole(const fs::path& path, std::uint64_t limit, std::string& bytes, std::string& problem)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && static_cast<std::uint64_t>(st.st_size) > limit) {
        problem = "it is larger than any cartridge";
        ok = false;
    }
    if (ok) {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t at = 0;
        while (at < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + at, bytes.size() - at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            at += static_cast<std::size_t>(n);
        }
        bytes.resize(at);  // a file that shrank while read
    } else if (problem.empty()) {
        problem = std::strerror(errno);
    }
    ::close(fd);
    return ok;
}

void readZip(const fs::path& path, RomFile& out)
{
    Archive a(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), path.c_str(), 65536) != ARCHIVE_OK) {
        out.problem = archive_error_string(a.get()) ? archive_error_string(a.get()) : "unreadable archive";
        return;
    }
    archive_entry* entry;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        const char* raw = archive_entry_pathname(entry);
        const std::string name = lastComponent(raw ? raw : "");
        const auto system = systemOfName(name);
        if (archive_entry_filetype(entry) != AE_IFREG || !system)
            continue;
        if (archive_entry_size_is_set(entry) && static_cast<std::uint64_t>(archive_entry_size(entry)) > kMaxRomBytes)
            continue;
        out.bytes.clear();
        char chunk[65536];
        la_ssize_t n;
        while ((n = archive_read_data(a.get(), chunk, sizeof chunk)) > 0 && out.bytes.size() <= kMaxRomBytes)
            out.bytes.append(chunk, static_cast<std::size_t>(n));
        if (n < 0) {
            out.problem = archive_error_string(a.get()) ? archive_error_string(a.get()) : "damaged member";
            out.bytes.clear();
            return;
        }
        if (out.bytes.size() > kMaxRomBytes || (needsSegaMark(name) && !hasSegaMark(out.bytes)))
            continue;
        out.system = *system;
        out.dataName = name;
        return;
    }
    out.bytes.clear();
}

void readGzip(const fs::path& path, RomFile& out)
{
    std::string packed;
    if (!readWhole(path, kMaxRomBytes, packed, out.problem))
        return;
    z_stream z{};
    gz_header header{};
    char name[256] = {};
    header.name = reinterpret_cast<Bytef*>(name);
    header.name_max = sizeof name - 1;
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return;
    inflateGetHeader(&z, &header);
    z.next_in = reinterpret_cast<Bytef*>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());
    out.bytes.clear();
    char chunk[65536];
    int r = Z_OK;
    while (r == Z_OK && out.bytes.size() <= kMaxRomBytes) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        r = inflate(&z, Z_NO_FLUSH);
        out.bytes.append(chunk, sizeof chunk - z.avail_out);
        if (r == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    inflateEnd(&z);
    if (r != Z_STREAM_END || out.bytes.size() > kMaxRomBytes) {
        out.problem = "the GZip file is damaged or too large";
        out.bytes.clear();
        return;
    }
    std::string member = header.done == 1 && name[0] ? lastComponent(name) : std::string();
    if (member.empty()) {
        member = path.filename().string();
        member.resize(member.size() - 3);  // without ".gz"
    }
    const auto system = systemOfName(member);
    if (!system || (needsSegaMark(member) && !hasSegaMark(out.bytes))) {
        out.bytes.clear();
        return;
    }
    out.system = *system;
    out.dataName = member;
}

} // namespace

bool mayBeRomFile(const std::string& fileName)
{
    return systemOfName(fileName) || packKindOf(fileName) != PackKind::None;
}

void readRomFile(const fs::path& path, RomFile& out)
{
    out.system.clear();
    out.dataName.clear();
    out.problem.clear();
    const std::string fileName = path.filename().string();
    switch (packKindOf(fileName)) {
    case PackKind::Zip:
        return readZip(path, out);
    case PackKind::Gzip:
        return readGzip(path, out);
    case PackKind::None:
        break;
    }
    const auto system = systemOfName(fileName);
    if (!system) {
        out.bytes.clear();
        return;
    }
    out.dataName = fileName;
    if (!readWhole(path, kMaxRomBytes, out.bytes, out.problem)) {
        out.bytes.clear();
        if (!needsSegaMark(fileName))  // an unreadable .bin may not be a ROM at all
            out.system = *system;
        return;
    }
    if (needsSegaMark(fileName) && !hasSegaMark(out.bytes)) {
        out.bytes.clear();
        return;
    }
    out.system = *system;
}

} // namespace kivalto
