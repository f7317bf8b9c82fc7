// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/romunpack.h"

#include "platform/textfield.h"
#include "platform/dosfs.h"
#include "platform/nativeprocess.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

// More than any cartridge; a larger total is a damaged or hostile archive.
constexpr std::int64_t kMaxUnpacked = std::int64_t(1) << 30;

using Archive = std::unique_ptr<archive, decltype(&archive_read_free)>;

// The name a gzip file keeps of its original (header field FNAME), if any.
std::string gzipOriginalName(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    char head[10];
    if (!in.read(head, sizeof head) || head[0] != '\x1f' || head[1] != '\x8b')
        return {};
    const int flags = static_cast<unsigned char>(head[3]);
    if (flags & 0x04) {  // FEXTRA: a length, then that many bytes
        unsigned char len[2];
        if (!in.read(reinterpret_cast<char*>(len), 2))
            return {};
        in.seekg(len[0] | len[1] << 8, std::ios::cur);
    }
    if (!(flags & 0x08))
        return {};
    std::string name;
    char c;
    while (in.get(c) && c != '\0' && name.size() < 255)
        name.push_back(c);
    return c == '\0' ? name : std::string();
}

// "MARIO.SMC.GZ" gives "MARIO.SMC"; "MARIO.GZ" gives "MARIO".
std::string withoutGzSuffix(const std::string& name)
{
    if (name.size() > 3 && toUpper(name.substr(name.size() - 3)) == ".GZ")
        return name.substr(0, name.size() - 3);
    return name + ".unpacked";
}

// The ROM masks without the packed kinds.
bool looksLikeRom(const std::string& name, const std::string& masks)
{
    for (const std::string& mask : splitPatternList(masks)) {
        const std::string m = toUpper(mask);
        if (m != "*.ZIP" && m != "*.GZ" && matchesMask(name, mask))
            return true;
    }
    return false;
}

std::string archiveError(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? text : "unknown error";
}

// Copies the current entry's data into the new file `target`, adding its
// size to `total`.
std::string writeEntry(archive* a, const fs::path& target, std::int64_t& total)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? std::string() : std::string("cannot write ") + target.string() + ": " +
                                                     std::strerror(errno);
    std::string error;
    char buffer[65536];
    for (;;) {
        const la_ssize_t n = archive_read_data(a, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            error = archiveError(a);
            break;
        }
        total += n;
        if (total > kMaxUnpacked) {
            error = "it unpacks to more than 1 GiB";
            break;
        }
        if (::write(fd, buffer, static_cast<std::size_t>(n)) != n) {
            error = std::string("cannot write ") + target.string() + ": " + std::strerror(errno);
            break;
        }
    }
    ::close(fd);
    return error;
}

// The name an archive member gets in the folder: a ZIP member's own bare
// name; for a GZip file the original name it keeps, else its own name
// without ".gz". Empty when no safe name is left.
std::string memberName(archive_entry* entry, UnpackKind kind, const fs::path& archivePath)
{
    if (kind == UnpackKind::Zip) {
        const char* path = archive_entry_pathname(entry);
        return safeMemberName(path ? path : "");
    }
    std::string name = gzipOriginalName(archivePath);
    if (name.empty())
        name = withoutGzSuffix(archivePath.filename().string());
    return safeMemberName(name);
}

// What came out of an archive: the first file written, the first that
// looks like a ROM, or why unpacking failed.
struct Extracted {
    fs::path first;
    fs::path rom;
    std::string error;
};

// Writes each regular file of the opened archive into `folder`; stops at
// the first error.
Extracted extractFiles(archive* a, UnpackKind kind, const fs::path& archivePath, const std::string& romMasks,
                       const fs::path& folder)
{
    Extracted out;
    std::int64_t total = 0;
    archive_entry* entry;
    int r = ARCHIVE_OK;
    while (out.error.empty() && (r = archive_read_next_header(a, &entry)) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const std::string name = memberName(entry, kind, archivePath);
        if (name.empty())
            continue;
        const fs::path target = folder / name;
        out.error = writeEntry(a, target, total);
        std::error_code ec;
        if (!out.error.empty() || !fs::exists(target, ec))
            continue;
        if (out.first.empty())
            out.first = target;
        if (out.rom.empty() && looksLikeRom(name, romMasks))
            out.rom = target;
    }
    if (out.error.empty() && r != ARCHIVE_EOF)
        out.error = archiveError(a);
    if (out.error.empty() && out.first.empty())
        out.error = "it holds no file";
    return out;
}

// Opens the archive as the kind says and unpacks it into `folder`.
Extracted unpackInto(const fs::path& archivePath, UnpackKind kind, const std::string& romMasks, const fs::path& folder)
{
    Archive a(archive_read_new(), archive_read_free);
    if (kind == UnpackKind::Zip) {
        archive_read_support_format_zip(a.get());
    } else {
        archive_read_support_filter_gzip(a.get());
        archive_read_support_format_raw(a.get());
    }
    if (archive_read_open_filename(a.get(), archivePath.c_str(), 65536) != ARCHIVE_OK)
        return {{}, {}, archiveError(a.get())};
    if (kind == UnpackKind::Gzip && archive_filter_code(a.get(), 0) != ARCHIVE_FILTER_GZIP)
        return {{}, {}, "it is not a GZip file"};
    return extractFiles(a.get(), kind, archivePath, romMasks, folder);
}

} // namespace

fs::path makePrivateFolder(const fs::path& tempRoot, std::string& error)
{
    std::string folderTemplate = (tempRoot / "kivalto-rom-XXXXXX").string();
    if (!::mkdtemp(folderTemplate.data())) {  // mode 0700
        error = "no private folder could be made in " + tempRoot.string() + ": " + std::strerror(errno);
        return {};
    }
    return folderTemplate;
}

UnpackedRom unpackRom(const fs::path& archivePath, UnpackKind kind, const std::string& romMasks,
                      const fs::path& tempRoot)
{
    UnpackedRom out;
    out.folder = makePrivateFolder(tempRoot, out.error);
    if (out.folder.empty())
        return out;
    const Extracted files = unpackInto(archivePath, kind, romMasks, out.folder);
    if (!files.error.empty()) {
        removeFolderTree(out.folder.string());
        out.folder.clear();
        out.error = files.error;
        return out;
    }
    out.rom = files.rom.empty() ? files.first : files.rom;
    return out;
}

} // namespace kivalto
