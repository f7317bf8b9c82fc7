// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dosfs.h"

#include "platform/folderreader.h"
#include "platform/hostwrite.h"
#include "platform/textfield.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace kivalto {

namespace {

bool isSep(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> splitComponents(std::string_view p)
{
    std::vector<std::string> parts;
    std::string cur;
    for (char c : p) {
        if (isSep(c)) {
            if (!cur.empty())
                parts.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    if (!cur.empty())
        parts.push_back(cur);
    return parts;
}

// The first eight bytes of a key, zero-padded, as one number: two keys
// whose numbers differ compare as the numbers do, so most comparisons of a
// sort cost one integer comparison. (File names hold no zero bytes.)
std::uint64_t keyPrefix(std::string_view key)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

// Sorts names by name ignoring case, then by exact name, so that the order
// is stable whatever the directory returns. The folded keys are made once.
void sortIgnoringCase(std::vector<std::string>& names)
{
    const CaseTable lower;
    std::vector<std::string> keys;
    std::vector<std::uint64_t> prefixes;
    keys.reserve(names.size());
    prefixes.reserve(names.size());
    for (const auto& n : names) {
        keys.push_back(lower.lower(n));
        prefixes.push_back(keyPrefix(keys.back()));
    }
    // Positions are sorted, not the strings: a swap moves two numbers.
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (prefixes[a] != prefixes[b])
            return prefixes[a] < prefixes[b];
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

bool lessIgnoreCase(const std::string& a, const std::string& b)
{
    const std::string la = toLower(a), lb = toLower(b);
    return la != lb ? la < lb : a < b;
}

#ifndef _WIN32
class PosixReadFile final : public ReadFile {
public:
    explicit PosixReadFile(int fd) : fd_(fd)
    {
        off_t end = ::lseek(fd_, 0, SEEK_END);
        size_ = end < 0 ? 0 : static_cast<std::uint64_t>(end);
    }
    ~PosixReadFile() override { ::close(fd_); }
    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        ssize_t n = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
        if (n < 0)
            throw FileError("read failed");
        read_ += static_cast<std::uint64_t>(n);
        return static_cast<std::size_t>(n);
    }
    std::uint64_t size() const override { return size_; }
    std::uint64_t bytesRead() const override { return read_; }

private:
    int fd_;
    std::uint64_t size_ = 0;
    std::uint64_t read_ = 0;
};
#else
class StreamReadFile final : public ReadFile {
public:
    explicit StreamReadFile(const fs::path& p) : in_(p, std::ios::binary)
    {
        std::error_code ec;
        size_ = fs::file_size(p, ec);
    }
    bool ok() const { return static_cast<bool>(in_); }
    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(buffer, static_cast<std::streamsize>(size));
        auto n = static_cast<std::size_t>(in_.gcount());
        read_ += n;
        return n;
    }
    std::uint64_t size() const override { return size_; }
    std::uint64_t bytesRead() const override { return read_; }

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
    std::uint64_t read_ = 0;
};
#endif

// Finds `name` in `dir`: the exact name first, else the first entry (by
// name, ignoring case) that equals it without regard to case.
std::optional<fs::path> matchEntry(const fs::path& dir, const std::string& name)
{
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;
    std::optional<std::string> best;
    const CaseTable lower;
    FolderReader folder(dir);
    for (std::string_view entry; folder.next(entry);)
        if (lower.equal(entry, name) && (!best || lessIgnoreCase(std::string(entry), *best)))
            best = std::string(entry);
    if (!best)
        return std::nullopt;
    return dir / *best;
}

} // namespace

DriveTable DriveTable::hostDefault()
{
    DriveTable t;
#ifndef _WIN32
    t.set('C', "/");
#endif
    return t;
}

void DriveTable::set(char letter, fs::path hostFolder)
{
    drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = std::move(hostFolder);
}

DosFs::DosFs(DriveTable drives, std::string currentDir) : drives_(std::move(drives))
{
    current_ = "C:\\";
    setCurrentDir(std::move(currentDir));
}

void DosFs::setCurrentDir(std::string dosPath) { current_ = absolute(dosPath); }

std::string DosFs::absolute(std::string_view p) const
{
    std::string drive;
    std::string rest;
    if (hasDrive(p)) {
        drive = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])))) + ":";
        std::string_view tail = p.substr(2);
        if (!tail.empty() && isSep(tail.front()))
            rest = std::string(tail);
        else if (drive == current_.substr(0, 2))
            rest = current_.substr(2) + "\\" + std::string(tail);
        else
            rest = "\\" + std::string(tail);
    } else {
        drive = current_.substr(0, 2);
        if (!p.empty() && isSep(p.front()))
            rest = std::string(p);
        else
            rest = current_.substr(2) + "\\" + std::string(p);
    }
    std::vector<std::string> out;
    for (auto& part : splitComponents(rest)) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!out.empty())
                out.pop_back();
            continue;
        }
        out.push_back(part);
    }
    std::string result = drive;
    if (out.empty())
        return result + "\\";
    for (auto& part : out)
        result += "\\" + part;
    return result;
}

std::optional<fs::path> DosFs::resolveExisting(std::string_view dosPath) const
{
    const std::string abs = absolute(dosPath);
    if (drives_.identity())
        return fs::path(abs);
    auto drive = drives_.drives().find(abs[0]);
    if (drive == drives_.drives().end())
        return std::nullopt;
    fs::path cur = drive->second;
    std::error_code ec;
    if (!fs::is_directory(cur, ec))
        return std::nullopt;
    for (auto& part : splitComponents(abs.substr(2))) {
        auto next = matchEntry(cur, part);
        if (!next)
            return std::nullopt;
        cur = *next;
    }
    return cur;
}

std::optional<fs::path> DosFs::resolveFirstIn(std::string_view dosFolder, const std::vector<std::string>& names,
                                              const std::function<bool(const fs::path&)>& accept) const
{
    const auto plainName = [](const std::string& n) {
        return !n.empty() && n != "." && n != ".." && n.find_first_of("\\/") == std::string::npos;
    };
    if (drives_.identity() || !std::all_of(names.begin(), names.end(), plainName)) {
        for (const std::string& name : names)
            if (auto found = resolveExisting(joinDos(dosFolder, name)); found && accept(*found))
                return found;
        return std::nullopt;
    }
    const auto dir = resolveExisting(dosFolder);
    std::error_code ec;
    if (!dir || !fs::is_directory(*dir, ec))
        return std::nullopt;
    // As matchEntry: the name as spelt, else its first entry ignoring case,
    // the latter for every name from one reading of the folder.
    std::optional<std::vector<std::optional<std::string>>> ignoringCase;
    for (std::size_t i = 0; i < names.size(); ++i) {
        fs::path candidate = *dir / names[i];
        if (!fs::exists(fs::symlink_status(candidate, ec))) {
            if (!ignoringCase) {
                ignoringCase.emplace(names.size());
                const CaseTable lower;
                FolderReader folder(*dir);
                for (std::string_view entry; folder.next(entry);)
                    for (std::size_t j = i; j < names.size(); ++j) {
                        auto& best = (*ignoringCase)[j];
                        if (lower.equal(entry, names[j]) && (!best || lessIgnoreCase(std::string(entry), *best)))
                            best = std::string(entry);
                    }
            }
            const auto& best = (*ignoringCase)[i];
            if (!best)
                continue;
            candidate = *dir / *best;
        }
        if (accept(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<fs::path> DosFs::resolveForWrite(std::string_view dosPath) const
{
    const std::string abs = absolute(dosPath);
    if (drives_.identity())
        return fs::path(abs);
    if (auto existing = resolveExisting(abs))
        return existing;
    auto folder = resolveExisting(parentOfDos(abs));
    std::error_code ec;
    if (!folder || !fs::is_directory(*folder, ec))
        return std::nullopt;
    const std::string name = fileNameOfDos(abs);
    if (name.empty())
        return std::nullopt;
    return *folder / name;
}

std::optional<std::string> DosFs::hostToDos(const fs::path& host) const
{
    if (drives_.identity())
        return host.string();
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(host, ec), ec).lexically_normal();
    std::optional<std::string> best;
    std::size_t bestLen = 0;
    for (auto& [letter, folder] : drives_.drives()) {
        fs::path root = fs::weakly_canonical(folder, ec).lexically_normal();
        fs::path rel = full.lexically_relative(root);
        if (rel.empty() || *rel.begin() == "..")
            continue;
        std::size_t len = root.string().size();
        if (best && len <= bestLen)
            continue;
        std::string dos = std::string(1, letter) + ":";
        for (auto& part : rel) {
            std::string s = part.string();
            if (s == "." || s.empty())
                continue;
            dos += "\\" + s;
        }
        if (dos.size() == 2)
            dos += "\\";
        best = dos;
        bestLen = len;
    }
    return best;
}

bool DosFs::fileExists(std::string_view dosPath) const
{
    auto p = resolveExisting(dosPath);
    std::error_code ec;
    return p && fs::is_regular_file(*p, ec);
}

bool DosFs::folderExists(std::string_view dosPath) const
{
    auto p = resolveExisting(dosPath);
    std::error_code ec;
    return p && fs::is_directory(*p, ec);
}

namespace {

// The host file a reader may open: it exists and is a regular file.
std::optional<fs::path> regularFile(const DosFs& dos, std::string_view dosPath)
{
    auto p = dos.resolveExisting(dosPath);
    std::error_code ec;
    if (!p || !fs::is_regular_file(*p, ec))
        return std::nullopt;
    return p;
}

// A regular file opened for reading, or nullopt.
std::optional<std::ifstream> openRegular(const DosFs& dos, std::string_view dosPath)
{
    auto p = regularFile(dos, dosPath);
    if (!p)
        return std::nullopt;
    std::ifstream in(*p, std::ios::binary);
    if (!in)
        return std::nullopt;
    return in;
}

} // namespace

std::optional<std::string> DosFs::readAll(std::string_view dosPath) const
{
    auto in = openRegular(*this, dosPath);
    if (!in)
        return std::nullopt;
    std::string data((std::istreambuf_iterator<char>(*in)), std::istreambuf_iterator<char>());
    if (in->bad())
        return std::nullopt;
    return data;
}

std::optional<DosFs::Text> DosFs::readText(std::string_view dosPath, std::size_t limit) const
{
    auto in = openRegular(*this, dosPath);
    if (!in)
        return std::nullopt;
    Text text;
    // Read in pieces up to one byte past the limit: most of these files are
    // small, and a buffer of the whole limit would be cleared for each.
    constexpr std::size_t kPiece = 64 * 1024;
    while (text.bytes.size() <= limit) {
        const std::size_t at = text.bytes.size();
        const std::size_t want = std::min(kPiece, limit + 1 - at);
        text.bytes.resize(at + want);
        in->read(text.bytes.data() + at, static_cast<std::streamsize>(want));
        if (in->bad())
            return std::nullopt;
        text.bytes.resize(at + static_cast<std::size_t>(in->gcount()));
        if (text.bytes.size() < at + want)
            break;
    }
    if (text.bytes.size() > limit) {
        text.bytes.resize(limit);
        text.cut = true;
    }
    return text;
}

std::unique_ptr<ReadFile> DosFs::openRead(std::string_view dosPath) const
{
    auto p = regularFile(*this, dosPath);
    if (!p)
        return nullptr;
#ifndef _WIN32
    int fd = ::open(p->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::make_unique<PosixReadFile>(fd);
#else
    auto f = std::make_unique<StreamReadFile>(*p);
    if (!f->ok())
        return nullptr;
    return f;
#endif
}

void DosFs::writeWhole(std::string_view dosPath, std::string_view bytes) const
{
    auto target = resolveForWrite(dosPath);
    if (!target)
        throw FileError("The folder of " + absolute(dosPath) + " does not exist.");
    std::error_code ec;
    if (fs::is_directory(*target, ec))
        throw FileError(absolute(dosPath) + " is a folder.");
    try {
        writeHostFileWhole(*target, bytes);
    } catch (const FileError&) {
        throw FileError("Cannot write " + absolute(dosPath) + ".");
    }
}

void DosFs::patchInPlace(std::string_view dosPath, std::uint64_t offset, std::string_view bytes) const
{
    auto p = resolveExisting(dosPath);
    std::error_code ec;
    if (!p || !fs::is_regular_file(*p, ec))
        throw FileError("Cannot open " + absolute(dosPath) + ".");
    auto size = fs::file_size(*p, ec);
    if (ec || offset + bytes.size() > size)
        throw FileError("Cannot write past the end of " + absolute(dosPath) + ".");
    std::fstream f(*p, std::ios::binary | std::ios::in | std::ios::out);
    if (!f)
        throw FileError("Cannot open " + absolute(dosPath) + ".");
    f.seekp(static_cast<std::streamoff>(offset));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.flush();
    if (!f)
        throw FileError("Cannot write " + absolute(dosPath) + ".");
}

void DosFs::copyFile(std::string_view fromDos, std::string_view toDos) const
{
    auto data = readAll(fromDos);
    if (!data)
        throw FileError("Cannot read " + absolute(fromDos) + ".");
    writeWhole(toDos, *data);
}

std::vector<std::string> DosFs::listFiles(std::string_view dosFolder, std::string_view patternList) const
{
    std::vector<std::string> names;
    auto dir = resolveExisting(dosFolder);
    if (!dir)
        return names;
    const auto masks = splitPatternList(patternList);
    const CaseTable lower;
    FolderReader folder(*dir);
    for (std::string_view name; folder.next(name);) {
        if (name.rfind(".kivalto-tmp") != std::string_view::npos)
            continue;
        const bool matches =
            std::any_of(masks.begin(), masks.end(), [&](const auto& m) { return matchesMask(name, m, lower); });
        if (matches && folder.isRegularFile())
            names.emplace_back(name);
    }
    sortIgnoringCase(names);
    return names;
}

std::vector<std::string> DosFs::listFolders(std::string_view dosFolder) const
{
    std::vector<std::string> names;
    auto dir = resolveExisting(dosFolder);
    if (!dir)
        return names;
    FolderReader folder(*dir);
    for (std::string_view name; folder.next(name);)
        if (folder.isFolder())
            names.emplace_back(name);
    sortIgnoringCase(names);
    return names;
}

} // namespace kivalto
