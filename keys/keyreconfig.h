// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the twelve SNES pad keys into the key files of ZSNES, ESNES and
// NLKE, into the key record files and into the emulator's plugin.
#pragma once

#include "keys/scancodes.h"
#include "plugins/plugin.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kivalto {

// The positions of the emulator selector.
enum class KeyEmulator { ZSNES = 1, ESNES = 2, NLKE = 3 };

constexpr int kPadKeyCount = 12;
// Box texts in PadKeySlot order (A, B, R, L, Y, X, Start, Select, Up, Down, Left, Right).
using PadKeys = std::array<std::string, kPadKeyCount>;
using PadScanCodes = std::array<int, kPadKeyCount>;

// The order in which each emulator stores the slots.
inline constexpr std::array<int, kPadKeyCount> kZsnesWriteOrder = {11, 10, 9, 8, 6, 7, 1, 4, 0, 5, 3, 2};
inline constexpr std::array<int, kPadKeyCount> kEsnesWriteOrder = {8, 9, 10, 11, 5, 0, 4, 1, 3, 2, 6, 7};

constexpr std::size_t kZsnesBlockSize = 47;

// Names and texts by emulator and player (1 or 2).
std::string emulatorCaption(KeyEmulator emu);     // "ZSNES Path:"
std::string defaultEmulatorDir(KeyEmulator emu);  // "C:\ZSNES\"
std::string emulatorKeyFileName(KeyEmulator emu); // "zsnes.cfg", "esnes.key", "nlke.key"
std::string emulatorPluginFileName(KeyEmulator emu); // "ZSNES.XPL"
std::string keyRecordFileName(KeyEmulator emu, int player);
std::string keySaveConfirmation(KeyEmulator emu, int player);
std::string keySaveError(int player);
// Why nothing was saved: the emulator's key file is longer than Kivalto
// reads, and a file changed from its first part would lose the rest.
std::string keyFileTooLargeError(std::string_view keyFile);

void upperCaseKeys(PadKeys& keys);
// Twelve lines, CR LF each.
std::string keyRecordFileBytes(const PadKeys& keys);

// The scan codes of all twelve boxes, or nullopt when any box is not a
// usable key (see scanCodeOfKey) or holds a comma, which the plugin file
// cannot store.
std::optional<PadScanCodes> scanCodesOfKeys(const ScanCodeTable& table, const PadKeys& keys);

// The last line of zsnes.cfg whose first eight characters are "ScanKey1"
// (player 2: "ScanKey2"). A line ends at CR LF, CR or LF.
struct ScanKeyLine {
    std::uint64_t start = 0;       // first byte of the line
    std::uint64_t contentEnd = 0;  // first byte of its line end (or end of file)
    std::uint64_t next = 0;        // where the next line begins (P)
};
std::optional<ScanKeyLine> findLastScanKeyLine(std::string_view cfg, int player);

// " 72, 80, ..." : the twelve codes in the ZSNES order, 47 bytes for
// two-digit codes.
std::string zsnesKeyBlock(const PadScanCodes& codes);

// The first line of an ESNES/NLKE key file, without its line end.
std::string_view firstLine(std::string_view data);
// The new first line plus CR LF: player 1 = signature, the 12 key
// characters, then at most 16 characters from position 20 of the old line;
// player 2 = the old line's first 19 characters, then the 12 key characters.
std::string esnesKeyRecord(KeyEmulator emu, int player, std::string_view oldFirstLine, const PadScanCodes& codes);

// How the emulator's key file is to change.
struct EmulatorFileChange {
    bool inPlace = false;      // true: patch `bytes` at `offset`; false: replace the whole file
    std::uint64_t offset = 0;
    std::string bytes;
};
// Plans the change from the file's current bytes (nullopt when it is
// missing or unreadable). nullopt when the save must stop: zsnes.cfg
// missing, no ScanKey line, or a line too short to hold the block after its
// "ScanKeyN" name (the block would run into the bytes before it).
std::optional<EmulatorFileChange> planEmulatorFileChange(KeyEmulator emu, int player, const PadScanCodes& codes,
                                                         const std::optional<std::string>& current);

// The plugin's text for a key box: "Num" before a leading digit.
std::string pluginKeyText(std::string_view key);
// Rows 0..11 of the player's column; the SWITCH row and other columns stay.
void applyKeysToPlugin(KeyTable& table, const PadKeys& keys, int player);

} // namespace kivalto
