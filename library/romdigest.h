// SPDX-License-Identifier: GPL-3.0-or-later
// What identifies a ROM: its data as the DATs hash it (without copier and
// iNES headers, a .smd file de-interleaved), that data's CRC32 and SHA-1,
// and the title in its header for the systems that have one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kivalto {

struct RomDigest {
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    std::string sha1;  // 40 lower-case hexadecimal digits
};

// The ROM data of a file's bytes for `system` ("SNES", "NES", ...);
// `extension` is the file's (or member's) lower-case extension. Returns a
// view into `bytes`, or into `scratch` when the data had to be rearranged.
std::string_view romData(std::string_view system, std::string_view extension, std::string_view bytes,
                         std::string& scratch);

// CRC32 (zlib) and SHA-1 (libcrypto) of the ROM data.
RomDigest digestOf(std::string_view data);

// The title in a ROM's header, or "" when the system has none or the
// header holds no readable text: SNES by the ROM list's own reader on the
// file as stored (it knows where copier headers put the title), Game Boy
// at 0x134 of the ROM data (when its header checksum holds), Mega Drive
// (with "SEGA" at 0x100) the overseas name at 0x150, else the domestic one
// at 0x120.
std::string headerTitle(std::string_view system, std::string_view stored, std::string_view data);

// "Super Mario World.smc" gives "Super Mario World".
std::string nameWithoutExtension(std::string_view fileName);

} // namespace kivalto
