// SPDX-License-Identifier: GPL-3.0-or-later
// The native launch: an emulator that is a program of this system starts
// directly with an argument vector, never through a shell. The same launch
// inputs as the batch file decide which road a launch takes and, for a
// native program, its words, working folder and what has to be unpacked.
#pragma once

#include "launch/launchscript.h"
#include "platform/dosfs.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// What kind of program a file is, judged by its content.
enum class ProgramKind {
    Native,   // an ELF file, or a "#!" script with an execute bit
    Windows,  // MZ with a PE signature: DOSBox cannot run it
    Dos,      // anything else: the batch file road
};
ProgramKind programKind(const std::filesystem::path& file);

struct ProgramSearch {
    std::optional<std::filesystem::path> found;
    std::vector<std::string> searched;  // the folders looked in, in order (for a message)
};
// The emulator's program: the emulator directory plus exeName through the
// drive table (names matched without case); a bare name that is not there
// is looked up on `pathList` (":"-separated), then in /usr/local/games and
// /usr/games.
ProgramSearch findProgram(const DosFs& dos, const std::string& emulatorDir, const std::string& exeName,
                          std::string_view pathList);

// Whether a program that is nowhere to be found still belongs to DOS: no
// name, a name with an extension, or one DOS completes with .EXE, .COM or
// .BAT in the emulator directory. Such a launch keeps the batch file road, where DOS
// reports the missing program itself.
bool missingProgramIsDos(const DosFs& dos, const std::string& emulatorDir, const std::string& exeName);

// Plugin text split into words at blanks; double quotes group words and
// are removed. Blank text gives no word.
std::vector<std::string> splitWords(std::string_view text);

enum class UnpackKind { None, Zip, Gzip };

struct NativeLaunch {
    std::vector<std::string> arguments;  // after the program itself
    std::filesystem::path workingDir;
    UnpackKind unpack = UnpackKind::None;
    // The argument that names the ROM; for an unpacked ROM it is replaced
    // by the unpacked file. Absent with Mame ROM.
    std::optional<std::size_t> romArgument;
};

// The words of a native launch, in the order of the batch file's command
// line. `romHost` is the ROM's host path, passed whole (never shortened);
// `workingDir` the emulator directory on the host.
NativeLaunch buildNativeLaunch(const LaunchInputs& in, const std::filesystem::path& romHost,
                               const std::filesystem::path& workingDir);

// A member name of an archive as a bare file name: folder parts, "." and
// ".." dropped, control characters replaced. Empty when nothing is left.
std::string safeMemberName(std::string_view memberName);

} // namespace kivalto
