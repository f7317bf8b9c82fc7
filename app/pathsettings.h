// SPDX-License-Identifier: GPL-3.0-or-later
// paths.dat: the seven directory settings, one per line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kivalto {

// The seven directory settings, in file order.
enum class PathField {
    ROMPath,   // the ROM directory opened at start
    snespath,  // SPCPlay's directory (the jukebox)
    GUIDIr,    // the Kivalto directory: plugins, snapshots' start folder
    unZipdir,  // where ZIP and GZip ROMs are unpacked for a launch
    vesadir,   // the VESA driver's command, run before the emulator
    skeydir,   // the SnesKey driver's directory
    GPFDir,    // where per-ROM settings go; empty: beside the ROM
};
constexpr int PathFieldCount = 7;

using PathValues = std::array<std::string, PathFieldCount>;

// What paths.dat holds: its fields in field order, all seven read whatever
// the first one holds; `read` counts those the file had (the others stay
// empty). Each value is cut at the field limit (`cut` then tells).
struct PathsFile {
    PathValues values;
    int read = 0;
    bool cut = false;
};
PathsFile readPathsFile(std::string_view bytes);

// The Paths window's label for a field ("ROM Directory"), for messages.
std::string pathFieldLabel(PathField f);

// The bytes of paths.dat for the seven values, in field order.
std::string writePathsFile(const PathValues& values);

// Save rules of the Paths window: upper case, and a trailing "\" for
// ROMPath, snespath, GUIDIr, unZipdir and skeydir.
void upperCasePaths(PathValues& values);
void addTrailingBackslashes(PathValues& values);

// The paths.dat a Kivalto folder starts with: ROMPath its ROMS folder,
// GUIDIr the folder itself (a DOS path), the other fields the usual
// defaults.
std::string defaultPathsFile(std::string_view kivaltoDir);
// What start-up writes to the paths.dat of the Kivalto folder dosDir,
// given the file's bytes (nullopt: no file): the default when there is
// none, or when it is still the untouched default of another folder (the
// folder was copied or moved, so its demo keeps opening its own ROMS).
// nullopt: keep the file as it is.
std::optional<std::string> pathsFileForFolder(const std::optional<std::string>& current, std::string_view dosDir);

} // namespace kivalto
