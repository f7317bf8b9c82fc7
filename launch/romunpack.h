// SPDX-License-Identifier: GPL-3.0-or-later
// Unpacking a ZIP or GZip ROM for a native emulator: into a new private
// folder (mode 0700) outside the ROM folder, each file under its own bare
// name, so that the emulator recognises the ROM by its extension.
#pragma once

#include "launch/nativelaunch.h"

#include <filesystem>
#include <string>

namespace kivalto {

struct UnpackedRom {
    std::filesystem::path folder;  // the private folder, to be removed after the run
    std::filesystem::path rom;     // the file to give the emulator
    std::string error;             // why nothing was unpacked; empty on success
};

// Makes a new private folder (mode 0700) under `tempRoot`; empty, with
// `error` set, when none could be made.
std::filesystem::path makePrivateFolder(const std::filesystem::path& tempRoot, std::string& error);

// `romMasks` (";"-separated) picks the ROM among a ZIP's files: the first
// that matches, else the first file. On failure nothing is left behind.
UnpackedRom unpackRom(const std::filesystem::path& archive, UnpackKind kind, const std::string& romMasks,
                      const std::filesystem::path& tempRoot);

} // namespace kivalto
