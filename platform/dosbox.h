// SPDX-License-Identifier: GPL-3.0-or-later
// DOS programs run in DOSBox on hosts without DOS. Every drive of the drive
// table is mounted under its own letter, so a DOS path means the same file
// inside DOSBox and in Kivalto.
#pragma once

#include "platform/dosfs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// The readable contents of a launch template (sneswin.pit, snesdos.pit) and
// of its working copy (.pif): "key=value" lines, ";" starts a comment.
//   program=snesexec.bat   what to run (default snesexec.bat)
//   folder=C:\KIVALTO      where (default: the folder of the .pif)
//   mode=window            window | fullscreen (the MS-DOS mode)
struct PifTemplate {
    std::string program = "snesexec.bat";
    std::string folder;
    bool fullscreen = false;
};
PifTemplate parsePifTemplate(std::string_view text);

// True when `name` is a valid DOS 8.3 name that DOSBox can address as is.
bool isShortDosName(std::string_view name);

// Why no safe configuration can be written for these: a folder or the
// command holding a line break or another control character, or a
// double quote, "<", ">" or "|" (a mount line cannot quote them); a
// sentence for the user, nullopt when the configuration can be written.
std::optional<std::string> dosboxConfigProblem(const DriveTable& drives, const std::string& dosFolder,
                                               const std::string& hostFolder, const std::string& command);

// DOS batch files (snesexec.bat, DOSBox's [autoexec]) expand "%": every
// value is written with its "%" doubled, so it arrives unchanged.
std::string escapePercent(const std::string& text);

// Control characters shown as <0D>, so a message stays on its line.
std::string printable(std::string_view text);

// The DOSBox configuration that mounts the drive table, changes to
// `dosFolder` (absolute DOS path) and runs `command`, then quits DOSBox.
// `hostFolder` is where dosFolder lives on the host: DOSBox addresses long
// names only by generated short aliases, so a folder whose path is not all
// 8.3 names is reached through a spare drive letter instead.
// Every "%" is doubled, since DOSBox runs these lines as a batch file.
// Throws std::invalid_argument when dosboxConfigProblem finds one.
std::string dosboxConfig(const DriveTable& drives, const std::string& dosFolder, const std::string& hostFolder,
                         const std::string& command);

// Command-line arguments for DOSBox with that configuration file.
std::vector<std::string> dosboxArguments(const std::string& configPath, bool fullscreen);

} // namespace kivalto
