// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a host file whole, so that a failed write never leaves half a file.
#pragma once

#include "platform/dosfs.h"

#include <filesystem>
#include <string_view>

namespace kivalto {

// Replaces a host file whole: the bytes go to a new temporary file beside
// it (created exclusively under an unpredictable name, never through a
// link), are flushed to disk, and the temporary file is renamed over the
// target; the folder is synced after. A link at the target is replaced,
// not followed. Throws FileError.
void writeHostFileWhole(const std::filesystem::path& target, std::string_view bytes);

} // namespace kivalto
