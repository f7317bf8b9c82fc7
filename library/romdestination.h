// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a Library ROM to the main window: where the ROM is in DOS terms,
// and which plugin runs it. The active plugin stays when it is filed under
// the ROM's system and its masks take the ROM; otherwise the first plugin
// filed under that system, in the tree's order, whose masks take the ROM
// and whose program is on this machine. With none, nothing changes.
#pragma once

#include "platform/dosfs.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// The index into kSystemKinds of a Library system name, such as "SNES" or "GAMEBOY".
std::optional<std::size_t> systemKindOf(std::string_view librarySystem);

// Whether ROM masks list `fileName` and, for an archive, take the ROM
// inside it (`dataName`, the member's name) as well.
bool masksTakeRom(std::string_view fileSpec, std::string_view fileName, std::string_view dataName);

struct RomToPlace {
    std::string system;    // the Library's system
    std::string fileName;  // the file as the folder lists it
    std::string dataName;  // the ROM's own name: the member of an archive, else fileName
};

struct PluginCandidate {
    std::string file;      // "MEDGB.XPL"
    std::string fileSpec;  // its ROM masks
    bool programFound = false;
};

struct PluginChoice {
    enum class Kind { KeepActive, Switch, NoneFound } kind = Kind::NoneFound;
    std::string file;  // the plugin to switch to
};

// `activeFileSpec` is the active plugin's masks, nullopt while no plugin
// is active; `filed` are the plugins under the ROM's system, in the tree's order.
PluginChoice choosePlugin(const RomToPlace& rom, const std::optional<std::string>& activeFileSpec,
                          const std::vector<PluginCandidate>& filed);

// Reads the plugin files (in the Kivalto folder) and looks for each one's
// program; a file that cannot be read is left out.
std::vector<PluginCandidate> readCandidates(const DosFs& fs, const std::vector<std::string>& files,
                                            std::string_view pathList);

// Whether a plugin's program is on this machine: the native road's
// lookup finds something other than a Windows program, or the DOS
// program (its name completed with .EXE, .COM or .BAT) is in its directory.
bool emulatorProgramFound(const DosFs& fs, const std::string& emulatorDir, const std::string& exeName,
                          std::string_view pathList);

// The ROM's folder and file name in DOS terms; nullopt when no drive holds it.
struct DosRomPlace {
    std::string folder;
    std::string file;
};
std::optional<DosRomPlace> dosPlaceOf(const DosFs& fs, const std::filesystem::path& hostPath);

// The message when no plugin can run a ROM of `system`.
std::string noPluginMessage(std::string_view system, std::string_view fileName);

} // namespace kivalto
