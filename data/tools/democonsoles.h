// SPDX-License-Identifier: GPL-3.0-or-later
// Cartridge images of the demo games: each holds a tiny program, written
// out here in machine code, that puts its picture on the screen and then
// waits; the header is valid for emulators and for Kivalto's title reader.
#pragma once

#include "democanvas.h"
#include "demobytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace demo {

enum class Map { LoRom, HiRom };

// A 256x224 picture as a SNES image of `kib` KiB (64 or more).
Bytes snesImage(const Canvas& picture, const std::string& title, Map map, std::size_t kib, bool copierHeader);

// A 256x240 four-colour picture as an iNES image (one 16 KiB program bank,
// one 8 KiB picture bank); `colours` are the NES palette entries.
Bytes nesImage(const Canvas& picture, const std::array<std::uint8_t, 4>& colours);

// A 256x224 picture as a 64 KiB Mega Drive cartridge.
Bytes megaDriveImage(const Canvas& picture, const std::string& title);

} // namespace demo
