// SPDX-License-Identifier: GPL-3.0-or-later
// The native road of a launch, taken by runPLugin when the emulator is not
// a DOS program.
#pragma once

#include "launch/launchscript.h"

namespace kivalto {

struct App;

// Starts the emulator directly when it is a program of this system, or
// reports why it cannot start (a Windows program, a program found nowhere).
// False when the launch belongs to the batch file.
bool runNativeEmulator(App& app, LaunchInputs& in);

// The GZip question of a launch: true to unpack before running.
bool askUnpackGzip(App& app);

// Name of the emulator's output log in the Kivalto folder.
inline constexpr const char* kEmulatorLog = "emulator.log";

} // namespace kivalto
