// Starting a program of this system detached from Kivalto. A small watcher
// process, itself detached, starts the program in a session of its own,
// waits for it, removes the folder it was given and reports the end on a
// pipe. So the program outlives Kivalto and its unpacked ROM is cleaned up
// even when Kivalto was closed first.
#pragma once

#include "platform/services.h"

#include <optional>

namespace kivalto {

struct DetachedStart {
    StartResult result;
    int pid = -1;        // the program's process
    int statusFd = -1;   // the watcher's report of the end; the caller closes it
};

// Returns once the program runs (or has failed to start). Never waits for
// the program itself.
DetachedStart startDetached(const NativeStart& start);

// The program's end status once the watcher has reported it (exit code, or
// 128 + signal); nullopt while it runs. `closed` is set when the watcher is
// gone without a report.
std::optional<int> readEndStatus(int statusFd, bool& closed);

// Removes a folder and everything in it; a no-op for an empty path.
void removeFolderTree(const std::string& folder);

} // namespace kivalto
