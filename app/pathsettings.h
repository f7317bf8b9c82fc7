// paths.dat: the seven directory settings, one per line.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kivalto {

enum class PathField { ROMPath, snespath, GUIDIr, unZipdir, vesadir, skeydir, GPFDir };
constexpr int PathFieldCount = 7;

using PathValues = std::array<std::string, PathFieldCount>;

// The bytes of paths.dat for the seven values, in field order.
std::string writePathsFile(const PathValues& values);

// Save rules of the Paths window: upper case, and a trailing "\" for
// ROMPath, snespath, GUIDIr, unZipdir and skeydir.
void upperCasePaths(PathValues& values);
void addTrailingBackslashes(PathValues& values);

} // namespace kivalto
