// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a program of this system detached from Kivalto: in a session of
// its own, with its output in a log. When it was given a folder to remove
// (an unpacked ROM), a small watcher process waits for the program's end
// and removes it, even when Kivalto was closed first.
#pragma once

#include "platform/services.h"

#include <optional>

namespace kivalto {

struct DetachedStart {
    StartResult result;
    int pid = -1;    // the program's process, a child of Kivalto until it ends
    int pidFd = -1;  // readable once the program has ended; -1 where the system has none. The caller closes it.
    // The watcher that removes the folder, also a child of Kivalto; -1 when
    // there is nothing to remove.
    int cleanerPid = -1;
    int cleanerPidFd = -1;
};

// Returns as soon as the program runs (or has failed to start).
DetachedStart startDetached(const NativeStart& start);

// The program's end status once it has ended (exit code, or 128 + signal),
// collecting the ended process; nullopt while it runs; 0 when it was
// collected elsewhere.
std::optional<int> endStatus(int pid);

// Removes a folder and everything in it; a no-op for an empty path.
void removeFolderTree(const std::string& folder);

} // namespace kivalto
