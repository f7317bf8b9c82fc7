// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up module: entry routine, start-up load and the shared
// routines several windows use.
#pragma once

#include "app/userfolder.h"
#include "app/windows/App.h"

#include <optional>
#include <string>

namespace kivalto {

// Before the entry routine: reports a program folder that cannot be used
// (programDos: its DOS form, nullopt when no drive holds it) and gives a
// folder without its own paths.dat one that opens its ROMS folder. What
// it finds waits for the end of start-up.
void prepareProgramFolder(App& app, const ProgramFolder& folder, const std::optional<std::string>& programDos);
// Entry routine after the program directory was made current: shows the
// splash window and copies the two launch templates over the PIF files.
// The splash timer then runs StartupLoad.
void entryRoutine(App& app);
// Creates every window in its fixed order, applies the options, fills the
// ROM list, runs the command-line check and shows the main window.
void StartupLoad(App& app);
// Deletes the windows (at the end of the run, or of a test).
void destroyWindows(App& app);

// Shared file choosers: show the dialog with the filter ("Name|*.A;*.B")
// and start folder, keep the current directory, and return the chosen
// file's DOS path (empty: cancelled).
std::string ChooseFileToOpen(App& app, const std::string& filter, const std::string& startFolder);
std::string ChooseFileToSave(App& app, const std::string& filter, const std::string& startFolder);

} // namespace kivalto
