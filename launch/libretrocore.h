// SPDX-License-Identifier: GPL-3.0-or-later
// RetroArch names the core it runs with -L. When that is a full path to a
// file that is not there (RetroArch installed, the core's package not),
// RetroArch would end at once with a terse log; Kivalto says instead which
// file is missing and, for the cores Debian packages, what to install.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kivalto {

struct MissingCore {
    std::string path;     // the core file as the switches name it
    std::string package;  // the Debian package that installs it; empty when unknown
};

// The core RetroArch (`program`, its path) is told to load by `arguments`
// ("-L core", "-Lcore", "--libretro core" or "--libretro=core"; the last one
// counts). None for another program.
std::optional<std::string> libretroCoreArgument(const std::string& program, const std::vector<std::string>& arguments);

// For the program `program` (its path) with the arguments `arguments`: the
// core RetroArch would load, when it is given by an absolute path and no file
// is there. A bare core name is RetroArch's own business and never missing here.
std::optional<MissingCore> missingLibretroCore(const std::string& program, const std::vector<std::string>& arguments);

// The error text for a missing core.
std::string missingCoreMessage(const MissingCore& core);

} // namespace kivalto
