#include "platform/nativeprocess.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kivalto {

namespace {

// What the watcher writes on the status pipe; small enough to arrive whole.
struct Report {
    enum Kind : int { Started = 1, ExecFailed = 2, FolderFailed = 3, Ended = 4 };
    int kind = 0;
    int value = 0;  // pid, errno or end status
};

// Everything after fork() runs in a copy of a threaded program: only
// async-signal-safe calls from here to exec or _exit, no allocation.

void writeReport(int fd, Report r)
{
    while (::write(fd, &r, sizeof r) < 0 && errno == EINTR) {
    }
}

void closeAllExcept(std::array<int, 3> keep, int maxFd)
{
    std::sort(keep.begin(), keep.end());
    int from = 3;
    for (int fd : keep) {
        if (fd < from)
            continue;
        for (int f = from; f < fd; ++f)
            ::close(f);
        from = fd + 1;
    }
    if (::syscall(SYS_close_range, from, ~0U, 0) != 0)
        for (int f = from; f <= maxFd; ++f)
            ::close(f);
}

void defaultSignals()
{
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        ::sigaction(sig, &dfl, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Removes `name` in the folder `dirFd`, with everything below it.
void removeEntry(int dirFd, const char* name, int depth)
{
    if (::unlinkat(dirFd, name, 0) == 0 || errno == ENOENT || depth > 32)
        return;
    const int fd = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    // Entries are removed while the folder is read: list it again until a
    // pass finds nothing left.
    for (int pass = 0; pass < 64; ++pass) {
        alignas(8) char buffer[4096];
        bool found = false;
        ::lseek(fd, 0, SEEK_SET);
        for (;;) {
            const ssize_t n = ::getdents64(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t off = 0; off < n;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + off);
                off += entry->d_reclen;
                const char* child = entry->d_name;
                if (std::strcmp(child, ".") == 0 || std::strcmp(child, "..") == 0)
                    continue;
                found = true;
                removeEntry(fd, child, depth + 1);
            }
        }
        if (!found)
            break;
    }
    ::close(fd);
    ::unlinkat(dirFd, name, AT_REMOVEDIR);
}

struct Prepared {
    std::vector<std::string> words;
    std::vector<char*> argv;
    const char* workingDir;
    const char* removeAfterwards;  // nullptr: nothing to remove
    int input, output, status;
    int maxFd;
};

[[noreturn]] void runProgram(const Prepared& p, int failFd)
{
    ::dup2(p.input, 0);
    ::dup2(p.output, 1);
    ::dup2(p.output, 2);
    if (::chdir(p.workingDir) != 0) {
        writeReport(failFd, {Report::FolderFailed, errno});
        ::_exit(127);
    }
    ::execve(p.argv[0], p.argv.data(), environ);
    writeReport(failFd, {Report::ExecFailed, errno});
    ::_exit(127);
}

// The watcher: starts the program, waits for it, reports, cleans up.
[[noreturn]] void watch(const Prepared& p)
{
    defaultSignals();
    ::signal(SIGPIPE, SIG_IGN);  // Kivalto may have stopped listening
    closeAllExcept({p.input, p.output, p.status}, p.maxFd);
    int fail[2];
    if (::pipe2(fail, O_CLOEXEC) != 0) {
        writeReport(p.status, {Report::ExecFailed, errno});
        ::_exit(1);
    }
    const pid_t program = ::fork();
    if (program == 0)
        runProgram(p, fail[1]);
    const int forkError = errno;
    ::close(fail[1]);
    ::close(p.input);
    ::close(p.output);
    if (::chdir("/") != 0) {
        // stays where it is; only keeps that folder busy
    }
    Report failed;
    ssize_t n;
    while ((n = ::read(fail[0], &failed, sizeof failed)) < 0 && errno == EINTR) {
    }
    ::close(fail[0]);
    int status = 0;
    if (program < 0 || n == static_cast<ssize_t>(sizeof failed)) {
        if (program > 0)
            while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
            }
        writeReport(p.status, program < 0 ? Report{Report::ExecFailed, forkError} : failed);
    } else {
        writeReport(p.status, {Report::Started, program});
        while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
        }
        writeReport(p.status, {Report::Ended, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)});
    }
    if (p.removeAfterwards)
        removeEntry(AT_FDCWD, p.removeAfterwards, 0);
    ::_exit(0);
}

int openLog(const std::string& path)
{
    if (!path.empty()) {
        // A new file each time: an emulator still running from an earlier
        // launch keeps writing to the old one.
        ::unlink(path.c_str());
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0)
            return fd;
    }
    return ::open("/dev/null", O_WRONLY | O_CLOEXEC);
}

bool readReport(int fd, Report& r, int timeoutMs)
{
    pollfd pfd{fd, POLLIN, 0};
    int ready;
    while ((ready = ::poll(&pfd, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    if (ready <= 0)
        return false;
    ssize_t n;
    while ((n = ::read(fd, &r, sizeof r)) < 0 && errno == EINTR) {
    }
    return n == static_cast<ssize_t>(sizeof r);
}

std::string startError(const NativeStart& s, const Report& r)
{
    if (r.kind == Report::FolderFailed)
        return "The folder " + s.workingDir + " could not be entered: " + std::strerror(r.value) + ".";
    return "The program " + s.program + " could not be started: " + std::strerror(r.value) + ".";
}

} // namespace

DetachedStart startDetached(const NativeStart& s)
{
    DetachedStart out;
    Prepared p;
    p.words.push_back(s.program);
    p.words.insert(p.words.end(), s.arguments.begin(), s.arguments.end());
    for (auto& w : p.words)
        p.argv.push_back(w.data());
    p.argv.push_back(nullptr);
    p.workingDir = s.workingDir.c_str();
    p.removeAfterwards = s.removeAfterwards.empty() ? nullptr : s.removeAfterwards.c_str();
    rlimit lim{};
    p.maxFd = ::getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < 65536 ? static_cast<int>(lim.rlim_cur) : 65536;
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0) {
        out.result = {false, std::string("No pipe for the program's start: ") + std::strerror(errno) + "."};
        return out;
    }
    p.input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    p.output = openLog(s.logFile);
    p.status = status[1];

    const pid_t first = ::fork();
    if (first == 0) {
        // A new session, then the watcher as an orphan: Kivalto need not
        // reap it, and a closing terminal does not reach the program.
        ::setsid();
        const pid_t watcher = ::fork();
        if (watcher == 0)
            watch(p);
        ::_exit(watcher < 0 ? 1 : 0);
    }
    const int forkError = errno;
    ::close(status[1]);
    ::close(p.input);
    ::close(p.output);
    if (first < 0) {
        ::close(status[0]);
        out.result = {false, std::string("No process for the program: ") + std::strerror(forkError) + "."};
        return out;
    }
    int ignored;
    while (::waitpid(first, &ignored, 0) < 0 && errno == EINTR) {
    }
    Report r;
    if (!readReport(status[0], r, 10000)) {
        ::close(status[0]);
        out.result = {false, "The program " + s.program + " did not start."};
        return out;
    }
    if (r.kind != Report::Started) {
        ::close(status[0]);
        out.result = {false, startError(s, r)};
        return out;
    }
    out.pid = r.value;
    out.statusFd = status[0];
    return out;
}

std::optional<int> readEndStatus(int statusFd, bool& closed)
{
    closed = false;
    pollfd pfd{statusFd, POLLIN, 0};
    if (::poll(&pfd, 1, 0) <= 0)
        return std::nullopt;
    Report r;
    ssize_t n;
    while ((n = ::read(statusFd, &r, sizeof r)) < 0 && errno == EINTR) {
    }
    if (n == static_cast<ssize_t>(sizeof r) && r.kind == Report::Ended)
        return r.value;
    closed = n <= 0;
    return std::nullopt;
}

void removeFolderTree(const std::string& folder)
{
    if (!folder.empty())
        removeEntry(AT_FDCWD, folder.c_str(), 0);
}

} // namespace kivalto
