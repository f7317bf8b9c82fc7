// SPDX-License-Identifier: GPL-3.0-or-later
// Which files the ROM Library lists: the extension table of the seven
// systems, and the packed kinds (ZIP, GZip) that count by their member.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kivalto {

// The systems use the plugin tree's names ("SNES", "MEGA DRIVE", ...), so
// a library entry can be matched with the plugins filed under its system.
struct RomExtension {
    const char* extension;  // lower case, with the dot
    const char* system;
};

// The extension table, in the order the README lists it.
const RomExtension* romExtensionsBegin();
const RomExtension* romExtensionsEnd();

enum class PackKind { None, Zip, Gzip };

// The packed kind by file name (".zip", ".gz", any case).
PackKind packKindOf(std::string_view fileName);

// The system a plain file's name gives, or nullopt. A ".bin" file only
// counts as Mega Drive with "SEGA" at 0x100, so its first bytes are asked
// for: `head` holds at least the first 0x104 bytes when the file has them.
std::optional<std::string> systemOfName(std::string_view fileName);
bool needsSegaMark(std::string_view fileName);
bool hasSegaMark(std::string_view head);

// The lower-case extension with its dot ("" when there is none).
std::string lowerExtension(std::string_view fileName);

} // namespace kivalto
