// The start-up module: entry routine, start-up load and the shared
// routines several windows use.
#pragma once

#include "app/windows/App.h"

#include <string>

namespace kivalto {

// Entry routine after the program directory was made current: shows the
// splash window and copies the two launch templates over the PIF files.
// The splash timer then runs StartupLoad.
void EntryRoutine(App& app);
// Creates every window in its fixed order, applies the options, fills the
// ROM list, runs the command-line check and shows the main window.
void StartupLoad(App& app);
// Deletes the windows (at the end of the run, or of a test).
void destroyWindows(App& app);

// Shared file choosers: set the main window's CommonDialog1 (filter, filter
// index 1, start folder), show the dialog and keep the current directory.
// The caller reads app.Snesmain->CommonDialog1.FileName (empty: cancelled).
void ChooseFileToOpen(App& app, const std::string& filter, const std::string& startFolder);
void ChooseFileToSave(App& app, const std::string& filter, const std::string& startFolder);

// ROM list fillers (roms/windows/romscan.cpp).
void ScanRomDirectory(App& app);
void LoadStaticRomList(App& app);

} // namespace kivalto
