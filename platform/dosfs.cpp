#include "platform/dosfs.h"

#include "platform/textfield.h"

#include <algorithm>
#include <cctype>
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

namespace fs = std::filesystem;

namespace kivalto {

namespace {

bool isSep(char c) { return c == '\\' || c == '/'; }

bool hasDrive(std::string_view p)
{
    return p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

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

// Sorts names by name ignoring case, then by exact name, so that the order
// is stable whatever the directory returns. The folded keys are made once.
void sortIgnoringCase(std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& n : names)
        keyed.emplace_back(toLower(n), std::move(n));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
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
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (equalsIgnoreCase(entry, name) && (!best || lessIgnoreCase(entry, *best)))
            best = entry;
    }
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
    text.bytes.resize(limit + 1);
    in->read(text.bytes.data(), static_cast<std::streamsize>(limit + 1));
    if (in->bad())
        return std::nullopt;
    text.bytes.resize(static_cast<std::size_t>(in->gcount()));
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
    std::error_code ec;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2))
            continue;
        std::string name = it->path().filename().string();
        if (name.rfind(".kivalto-tmp") != std::string::npos)
            continue;
        for (auto& m : masks)
            if (matchesMask(name, m)) {
                names.push_back(std::move(name));
                break;
            }
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
    std::error_code ec;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        if (it->is_directory(ec2))
            names.push_back(it->path().filename().string());
    }
    sortIgnoringCase(names);
    return names;
}

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

namespace {
bool matchFrom(std::string_view name, std::string_view mask)
{
    // Iterative wildcard match with backtracking on the last "*".
    std::size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' ||
                                std::tolower(static_cast<unsigned char>(mask[m])) ==
                                    std::tolower(static_cast<unsigned char>(name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}
} // namespace

bool matchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // "NAME.*" also matches "NAME" without an extension, as DOS does.
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos)
        return matchFrom(name, mask.substr(0, mask.size() - 2));
    return matchFrom(name, mask);
}

std::vector<std::string> splitPatternList(std::string_view patternList)
{
    std::vector<std::string> out;
    std::string cur;
    auto flush = [&] {
        while (!cur.empty() && cur.back() == ' ')
            cur.pop_back();
        std::size_t start = cur.find_first_not_of(' ');
        if (start != std::string::npos)
            out.push_back(cur.substr(start));
        cur.clear();
    };
    for (char c : patternList) {
        if (c == ';')
            flush();
        else
            cur.push_back(c);
    }
    flush();
    return out;
}

bool matchesPatternList(std::string_view name, std::string_view patternList)
{
    for (auto& m : splitPatternList(patternList))
        if (matchesMask(name, m))
            return true;
    return false;
}

std::string joinDos(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    out += name;
    return out;
}

std::string parentOfDos(std::string_view p)
{
    auto pos = p.find_last_of('\\');
    if (pos == std::string_view::npos)
        return {};
    if (pos == 2 && hasDrive(p))
        return std::string(p.substr(0, 3));
    return std::string(p.substr(0, pos));
}

std::string fileNameOfDos(std::string_view p)
{
    auto pos = p.find_last_of('\\');
    return std::string(pos == std::string_view::npos ? p : p.substr(pos + 1));
}

std::string LastPathComponent(std::string_view path)
{
    std::size_t last = std::string_view::npos;
    int count = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            if (++count >= 100)
                return toUpper(path);
            last = i;
        }
    }
    return toUpper(last == std::string_view::npos ? path : path.substr(last + 1));
}

} // namespace kivalto
