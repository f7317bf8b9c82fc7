// SPDX-License-Identifier: GPL-3.0-or-later
// SNES images saved by copier devices (.SMC, .SWC, .FIG) begin with a
// 512-byte header of the copier's own. RetroArch's bsnes cores take the
// image as it is and show a black screen for such a file, so they get a
// copy without that header in a private folder that goes after the run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kivalto {

// Whether a SNES image of this size carries a copier header: 512 bytes past
// a whole KiB.
bool hasCopierHeader(std::uintmax_t size);

// Whether the core RetroArch is told to load (-L) is one of the bsnes cores.
bool coreWantsHeaderlessSnes(const std::string& program, const std::vector<std::string>& arguments);

struct HeaderlessRom {
    std::filesystem::path rom;     // the file to give the core
    std::filesystem::path folder;  // a new private folder to remove after the run; empty when none was made
    std::string error;             // empty on success
};

// The ROM `rom` without its copier header, or `rom` itself when it has
// none. The copy goes into `privateFolder` (the folder of an unpacked ROM,
// replacing it there) or, when that is empty, into a new private folder
// under `tempRoot`.
HeaderlessRom withoutCopierHeader(const std::filesystem::path& rom, const std::filesystem::path& privateFolder,
                                  const std::filesystem::path& tempRoot);

} // namespace kivalto
