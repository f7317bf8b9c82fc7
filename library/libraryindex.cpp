// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/libraryindex.h"

#include "library/romdigest.h"
#include "library/romfile.h"
#include "library/romkind.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

bool isDatName(const fs::path& p)
{
    const std::string ext = lowerExtension(p.filename().string());
    return ext == ".dat" || ext == ".xml";
}

std::vector<fs::path> datFiles(const fs::path& datFolder)
{
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(datFolder, ec), end; !ec && it != end; it.increment(ec))
        if (isDatName(it->path()) && it->is_regular_file(ec))
            out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

struct FoundFile {
    fs::path path;
    FileStamp stamp;
};

// Every file under the folders that may be a ROM, each once.
std::vector<FoundFile> findFiles(const std::vector<fs::path>& folders, const std::atomic<bool>* cancel)
{
    std::vector<FoundFile> out;
    std::set<std::string> seen;
    for (const fs::path& folder : folders) {
        std::error_code ec;
        // Without follow_directory_symlink, links to folders are not entered.
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            if (cancel && cancel->load())
                return out;
            const fs::path& p = it->path();
            if (!mayBeRomFile(p.filename().string()))
                continue;
            const auto stamp = stampOf(p);
            if (stamp && seen.insert(p.string()).second)
                out.push_back({p, *stamp});
        }
    }
    return out;
}

// Asks the kernel to start reading a file that is coming up, so that the
// disk works while the file before it is hashed.
void readAhead(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
        ::close(fd);
    }
}

constexpr std::size_t kReadAhead = 4;  // files

void rematchAll(LibraryDatabase& db, const DatIndex& dats)
{
    LibraryDatabase::Transaction t(db);
    for (const FileRecord& r : db.hashedFiles()) {
        if (r.system.empty())
            continue;
        const DatRom* entry = dats.match({r.romSize, r.crc32, r.sha1});
        const RomNaming n = namingOf(entry, r.title.empty() ? nameWithoutExtension(fs::path(r.path).filename().string()) : r.title);
        if (n.name != r.name || n.region != r.region || n.revision != r.revision || n.status != r.status)
            db.setNaming(r.path, n.name, n.region, n.revision, n.status);
    }
    t.commit();
}

} // namespace

DatIndex loadDats(const fs::path& datFolder, std::vector<std::string>* problems)
{
    DatIndex index;
    for (const fs::path& p : datFiles(datFolder)) {
        DatFile dat = readDatFile(p);
        if (!dat.problem.empty() && problems)
            problems->push_back(dat.problem);
        index.add(std::move(dat.roms));
    }
    return index;
}

std::string datFolderSignature(const fs::path& datFolder)
{
    std::string out;
    for (const fs::path& p : datFiles(datFolder)) {
        const auto stamp = stampOf(p);
        if (stamp)
            out += p.filename().string() + '\t' + std::to_string(stamp->size) + '\t' + std::to_string(stamp->mtime) + '\n';
    }
    return out;
}

std::optional<FileStamp> stampOf(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

FileRecord indexFile(const fs::path& path, const FileStamp& stamp, const DatIndex& dats)
{
    thread_local RomFile file;  // its buffer is reused from file to file
    thread_local std::string scratch;
    readRomFile(path, file);
    FileRecord r;
    r.path = path.string();
    r.stamp = stamp;
    r.system = file.system;
    r.dataName = file.dataName;
    const std::string fileTitle = nameWithoutExtension(path.filename().string());
    if (file.system.empty())
        return r;  // remembered as no ROM, so it is not read again
    if (!file.problem.empty() && file.bytes.empty()) {
        const RomNaming n = namingOf(nullptr, fileTitle);
        r.name = n.name;
        r.status = n.status;
        return r;
    }
    const std::string_view data = romData(file.system, lowerExtension(file.dataName), file.bytes, scratch);
    const RomDigest digest = digestOf(data);
    r.hashed = true;
    r.romSize = digest.size;
    r.crc32 = digest.crc32;
    r.sha1 = digest.sha1;
    r.title = headerTitle(file.system, file.bytes, data);
    const RomNaming n = namingOf(dats.match(digest), r.title.empty() ? fileTitle : r.title);
    r.name = n.name;
    r.region = n.region;
    r.revision = n.revision;
    r.status = n.status;
    return r;
}

IndexReport indexLibrary(LibraryDatabase& db, const std::vector<fs::path>& folders, const fs::path& datFolder,
                         const IndexOptions& options)
{
    IndexReport report;
    const auto cancelled = [&] { return options.cancel && options.cancel->load(); };
    const std::vector<FoundFile> found = findFiles(folders, options.cancel);
    report.found = found.size();
    if (cancelled()) {
        report.cancelled = true;
        return report;
    }
    auto known = db.stamps();
    std::vector<const FoundFile*> toRead;
    for (const FoundFile& f : found) {
        const auto it = known.find(f.path.string());
        if (it == known.end() || !(it->second == f.stamp))
            toRead.push_back(&f);
        if (it != known.end())
            known.erase(it);
    }

    const std::string signature = datFolderSignature(datFolder);
    const bool datsChanged = signature != db.meta("dats");
    DatIndex dats;
    if (!toRead.empty() || datsChanged)
        dats = loadDats(datFolder, &report.problems);

    if (options.progress)
        options.progress(0, toRead.size());
    auto lastReport = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < toRead.size();) {
        LibraryDatabase::Transaction t(db);
        const std::size_t end = std::min(toRead.size(), i + options.batch);
        for (; i < end && !cancelled(); ++i) {
            if (i == 0)
                for (std::size_t a = 1; a < kReadAhead && a < toRead.size(); ++a)
                    readAhead(toRead[a]->path);
            if (i + kReadAhead < toRead.size())
                readAhead(toRead[i + kReadAhead]->path);
            db.putFile(indexFile(toRead[i]->path, toRead[i]->stamp, dats));
            ++report.read;
            const auto now = std::chrono::steady_clock::now();
            if (options.progress && now - lastReport >= options.progressInterval) {
                options.progress(report.read, toRead.size());
                lastReport = now;
            }
        }
        t.commit();
        if (cancelled()) {
            report.cancelled = true;
            return report;
        }
    }
    if (options.progress)
        options.progress(report.read, toRead.size());

    // What is left of the known files was not found: it is gone. Its
    // history stays under its key.
    if (!known.empty()) {
        LibraryDatabase::Transaction t(db);
        for (const auto& [path, stamp] : known)
            db.removeFile(path);
        t.commit();
        report.removed = known.size();
    }
    if (datsChanged) {
        rematchAll(db, dats);
        db.setMeta("dats", signature);
    }
    return report;
}

} // namespace kivalto
