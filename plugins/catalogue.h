// SPDX-License-Identifier: GPL-3.0-or-later
// The plugin catalogue: under which systems a plugin is filed, the tree's
// node keys and captions, and the split of a plugin's options into the
// ordinary options and the cheat types.
#pragma once

#include "plugins/plugin.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// Indexes into kSystemKinds of the systems whose catalogue mask occurs in
// the ROM masks (ignoring case), in table order; OTHER alone when none.
std::vector<std::size_t> systemsForFileSpec(std::string_view fileSpec);

// Key of a plugin's node under a system: the file name, then the system's
// tree key, so one plugin can sit under several systems.
std::string pluginNodeKey(std::string_view fileName, const SystemKind& system);
// Caption of a plugin's node: the file name without its last four characters.
std::string pluginNodeCaption(std::string_view fileName);
// The plugin file name of a node: its key without the parent's key length.
std::string fileNameOfNodeKey(std::string_view key, std::string_view parentKey);
constexpr int kPluginNodeImage = 3;

// Field 1 (emulator name) and field 2 (ROM masks) of a plugin file, read
// by the field rule, at most kMaxFieldBytes each; nullopt when the file
// ends first.
std::optional<std::string> emulatorNameField(std::string_view bytes);
std::optional<std::string> fileSpecField(std::string_view bytes);

struct SplitOptions {
    std::vector<PluginOption> ordinary;  // as in the plugin
    std::vector<PluginOption> cheats;    // names without the leading "#"
};
// A name beginning with "#" is a cheat type; every other entry (an empty
// name too) is an ordinary option. Order is kept within each list.
SplitOptions splitOptions(const std::vector<PluginOption>& options);

} // namespace kivalto
