// SPDX-License-Identifier: GPL-3.0-or-later
// The plugin file: writing an EmulatorPlugin as bytes and reading bytes
// back into one, with the rules every plugin writer and reader shares.
#pragma once

#include "plugins/plugin.h"

#include <optional>
#include <string>
#include <string_view>

namespace kivalto {

// The file's bytes: six header lines, option pairs, "ENDOPTS", display
// pairs, "ENDDISP", then the 65 key cells row by row; every value on a
// line of its own exactly as held, CR LF after each.
std::string writePluginFile(const EmulatorPlugin& plugin);

enum class PluginRead { Complete, Incomplete };

// Reads a plugin file into `plugin`. The option and display lists are
// emptied first; header fields and key cells are overwritten as they are
// read. On a premature end (an older layout, a truncated file) reading
// stops and what was read stays: Incomplete. pluginName is not touched.
// Values and lists are bounded like every text file; `cut` tells whether
// anything was left out.
PluginRead readPluginFile(std::string_view bytes, EmulatorPlugin& plugin, bool* cut = nullptr);

// The ROM masks to save: a system's display text ("SNES", "MEGA DRIVE"...,
// exact case) becomes that system's masks; any other text stays.
std::string fileSpecToSave(const std::string& fileSpec);

// Directory with a trailing backslash ("" gives "\").
std::string withTrailingBackslash(const std::string& dir);

// Upper-cased base name of a plugin path: the text after the last
// backslash without its last four characters (dot and extension).
// nullopt when the path holds 100 or more backslashes.
std::optional<std::string> pluginNameFromPath(std::string_view path);

// File name of a plugin: pluginName + ".XPL".
std::string pluginFileName(const std::string& pluginName);

} // namespace kivalto
