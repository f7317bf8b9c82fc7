// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/nativeprocess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kivalto {

namespace {

// Removes `name` in the folder `dirFd`, with everything below it. Used by
// the watcher after fork(): system calls only, no allocation.
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

int openPidFd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    return -1;
#endif
}

// Waits for the program's end, then removes the folder. Forked from a
// threaded program: system calls only, everything prepared beforehand.
[[noreturn]] void cleanAfter(pid_t program, int programFd, const char* folder)
{
    ::setsid();
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        ::sigaction(sig, &dfl, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    // Kivalto's descriptors (its display connection among them) must not
    // stay open for as long as the game runs.
    const unsigned keep = programFd >= 0 ? static_cast<unsigned>(programFd) : ~0U;
    if ((keep > 3 && ::syscall(SYS_close_range, 3U, keep - 1, 0U) != 0) ||
        (keep != ~0U && ::syscall(SYS_close_range, keep + 1, ~0U, 0U) != 0))
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != programFd)
                ::close(fd);
    if (::chdir("/") != 0) {
        // only keeps the old folder busy
    }
    if (programFd >= 0) {
        pollfd p{programFd, POLLIN, 0};
        while (::poll(&p, 1, -1) < 0 && errno == EINTR) {
        }
    } else {
        while (::kill(program, 0) == 0 || errno == EPERM)
            ::sleep(1);
    }
    removeEntry(AT_FDCWD, folder, 0);
    ::_exit(0);
}

// Starts argv[0] with `argv` in a session of its own (it outlives Kivalto
// and its terminal), in `workingDir`, reading nothing, writing into the
// log. Returns posix_spawn's result.
int spawnInSession(pid_t& pid, std::vector<char*>& argv, const NativeStart& s)
{
    const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int output = openLog(s.logFile);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, input, 0);
    posix_spawn_file_actions_adddup2(&files, output, 1);
    posix_spawn_file_actions_adddup2(&files, output, 2);
    posix_spawn_file_actions_addchdir_np(&files, s.workingDir.c_str());
    posix_spawn_file_actions_addclosefrom_np(&files, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t all, none;
    ::sigfillset(&all);
    ::sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const int rc = ::posix_spawn(&pid, argv[0], &files, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    ::close(input);
    ::close(output);
    return rc;
}

// Forks the watcher that removes `folder` once the started program ends.
void startCleaner(DetachedStart& out, const std::string& folder)
{
    const pid_t cleaner = ::fork();
    if (cleaner == 0)
        cleanAfter(out.pid, out.pidFd, folder.c_str());
    if (cleaner > 0) {
        out.cleanerPid = cleaner;
        out.cleanerPidFd = openPidFd(cleaner);
    }
}

} // namespace

DetachedStart startDetached(const NativeStart& s)
{
    DetachedStart out;
    struct stat folder {};
    if (::stat(s.workingDir.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        out.result = {false, "The folder " + s.workingDir + " could not be entered: " +
                                 std::strerror(errno ? errno : ENOTDIR) + "."};
        return out;
    }
    std::vector<std::string> words{s.program};
    words.insert(words.end(), s.arguments.begin(), s.arguments.end());
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    pid_t pid = -1;
    if (const int rc = spawnInSession(pid, argv, s); rc != 0) {
        out.result = {false, "The program " + s.program + " could not be started: " + std::strerror(rc) + "."};
        return out;
    }
    out.pid = pid;
    out.pidFd = openPidFd(pid);
    if (!s.removeAfterwards.empty())
        startCleaner(out, s.removeAfterwards);
    return out;
}

std::optional<int> endStatus(int pid)
{
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (r == 0)
        return std::nullopt;
    if (r < 0)
        return 0;  // already collected elsewhere: its status is not known
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void removeFolderTree(const std::string& folder)
{
    if (!folder.empty())
        removeEntry(AT_FDCWD, folder.c_str(), 0);
}

} // namespace kivalto
