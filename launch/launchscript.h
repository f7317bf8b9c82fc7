// SPDX-License-Identifier: GPL-3.0-or-later
// The launch batch file: a pure function from what the main window holds
// at the moment of a launch to the lines of snesexec.bat and the PIF file
// that starts it.
#pragma once

#include "launch/launchvalues.h"

#include <optional>
#include <string>
#include <vector>

namespace kivalto {

struct LaunchInputs {
    std::string emulatorDir;  // E, ends with "\"
    std::string frameskip;    // the frameskip box
    std::string romDir;       // D, no trailing "\" except at a drive root
    std::string romFile;      // F
    std::string sneskeyDir;   // K
    std::string vesaCommand;  // V
    std::string unzipDir;     // U

    std::string exeName;
    std::string frameskipSwitch;
    std::string fixedSwitches;
    std::string player2Switch;     // SWITCH cell of the player 2 column
    std::string controllerSwitch;  // SWITCH cell of the column chosen for player 1
    bool hasControllerSwitch = true;  // false when the selector names no column
    std::vector<std::string> optionSwitches;   // of the selected options, in list order
    std::vector<std::string> displaySwitches;  // of the selected display modes

    bool runSnesKey = false;
    bool testAfterRunning = false;
    bool runVesa = false;
    bool runInDos = false;
    bool mameRom = false;
    bool enableCheat = false;
    bool shortenNames = false;
    std::string cheatSwitch;
    std::string cheatCode;

    // The answer to the GZip question: unpack before running.
    bool unpackGzip = false;

    LaunchSources sources;  // for messages that name a refused value
};

struct LaunchScript {
    std::vector<std::string> lines;
    std::string pif;  // "SNESDOS.PIF" or "SNESWIN.PIF"
    std::string bytes() const;  // the lines, each followed by CR LF
};

// A ZIP launch: F ends in "ZIP" (any case) and Mame ROM is off.
bool isZipLaunch(const LaunchInputs& in);
// A GZip launch asks whether to unpack: F ends in "GZ" (any case).
bool isGzipLaunch(const LaunchInputs& in);

// What makes a launch impossible, as a message for the user; nullopt when
// the script can be written. Checked before anything is written: besides
// missing directories, a value written into the script that holds a line
// break, another control character, "<", ">" or "|" (named with its
// source), and a program's command tail longer than DOS passes. For a
// GZip launch the tail is the one of the answer in `unpackGzip`.
std::optional<std::string> launchProblem(const LaunchInputs& in);

LaunchScript buildLaunchScript(const LaunchInputs& in);

// The name the emulator is given when long names are shortened.
std::string shortRomName(const std::string& romFile);

} // namespace kivalto
