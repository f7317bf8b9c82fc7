// SPDX-License-Identifier: GPL-3.0-or-later
// The program directory of a start. A portable Kivalto folder (the
// executable beside its shipped files) is used where it lies. An installed
// Kivalto keeps its shipped files in ../share/kivalto, which is not the
// user's to write, so it runs from a per-user copy of them.
#pragma once

#include <filesystem>
#include <string>

namespace kivalto {

struct ProgramFolder {
    std::filesystem::path dir;  // the program directory for this run
    std::string problem;        // why the per-user folder could not be used; empty when all is well
};

// The per-user Kivalto folder: $XDG_DATA_HOME/Kivalto, by default
// ~/.local/share/Kivalto. Empty when neither variable gives a folder.
std::filesystem::path userKivaltoFolder(const char* xdgDataHome, const char* home);

// Chooses the program directory for an executable in exeDir: the folder
// itself when it holds the shipped files and can be written; otherwise
// the per-user folder, brought up to date from the shipped files first.
// Without shipped files anywhere, exeDir as it is.
ProgramFolder chooseProgramFolder(const std::filesystem::path& exeDir, const std::filesystem::path& userFolder);

// Copies into the user folder every shipped file (sub-folders included)
// it has never received, never replacing a file that is there, and records
// them in the list kShippedList; a file the user deleted stays deleted.
// Throws std::filesystem::filesystem_error.
void updateUserFolder(const std::filesystem::path& shipped, const std::filesystem::path& user);

inline constexpr const char* kShippedList = ".shipped";

} // namespace kivalto
