// SPDX-License-Identifier: GPL-3.0-or-later
// Notices found while Kivalto starts. A box then would hold up the start,
// and a command-line launch with it, until someone presses OK; so they are
// kept here and shown together once the main window is up.
#pragma once

#include <string>
#include <vector>

namespace kivalto {

class StartupNotices {
public:
    // From now on notices are kept instead of shown.
    void open() { collecting_ = true; }
    bool collecting() const { return collecting_; }
    // Keeps a notice; one already kept is not kept twice.
    void add(const std::string& text);
    // Ends the start: every kept notice in the order found, a blank line
    // between two; empty when there was none.
    std::string close();

private:
    bool collecting_ = false;
    std::vector<std::string> kept_;
};

} // namespace kivalto
