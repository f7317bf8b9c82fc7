// SPDX-License-Identifier: GPL-3.0-or-later
// SnesKey support: controller profiles (*.SKP), the saved controller setup
// (SnesKey.dat), the driver file (sneskey.ini) and manual mapping files
// (*.SKS). Formats only; the windows gather and show the values.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// What the driver takes as key names: the help behind the plugin editor's
// Help button and the manual mapping's Valid Keys.
inline constexpr const char* kSnesKeyNamesHelp =
    "The keys need to be compatible with SnesKey. Most keys are valid, though not ','. Use Numx to access the "
    "NumPad, where x is the number. So Num8 is up on the NumPad. Up accesses up on the arrow pad. Enter is enter, "
    "Space is space, Insert is insert, Delete is delete etc. Page Up is PgUp. Page Down is PgDn. Use Lshift, "
    "LCtrl, and LAlt to access those keys. You can replace L with R. See the Manual.Htm file in the SnesKey "
    "directory for more info.";


// A controller profile: the lines copied to the top of the driver file,
// then the controller's button names.
struct ControllerProfile {
    std::vector<std::string> driverLines;
    std::vector<std::string> buttons;
};

// Reads driver lines up to the field "BUTS", then button names up to
// "DONEBUTS" (both exact). Returns false when the data ends before either
// marker; `out` then holds what was read before the end. Values and lists
// are bounded like every text file; `cut` tells whether anything was left
// out.
bool readControllerProfile(std::string_view bytes, ControllerProfile& out, bool* cut = nullptr);

// The saved controller setup. Slots are decimal texts, one per button.
struct SnesKeySetup {
    std::string controllerName;
    bool playerTwo = false;
    std::vector<std::string> buttonSlots;
};

std::string writeSnesKeyDat(const SnesKeySetup& setup);

// What a SnesKey.dat held, as far as it could be read: reading stops at the
// first missing or malformed field and keeps the fields before it.
struct StoredSnesKeySetup {
    std::optional<std::string> controllerName;
    std::optional<bool> playerTwo;
    std::vector<std::string> buttonSlots;
    bool complete = false;  // every announced slot was read
    bool cut = false;       // a value or slot was left out at the text files' limits
};

StoredSnesKeySetup readSnesKeyDat(std::string_view bytes);

// One column of the plugin's key table: rows 0..11 are the pad keys,
// row 12 the controller switch.
using PluginKeyList = std::array<std::string, 13>;

struct DriverFileInput {
    std::vector<std::string> driverLines;
    std::vector<std::string> buttons;
    std::vector<std::string> buttonSlots;  // one per button
    bool advanced = true;                 // keys from the plugin by slot
    std::vector<std::string> manualKeys;  // one per button, used when not advanced
    PluginKeyList pluginKeys;
};

// The plugin key at a slot text; a slot that is not a number from 0 to 12
// gives the empty text.
std::string pluginKeyAt(const PluginKeyList& keys, std::string_view slot);

// The bytes of sneskey.ini.
std::string buildSnesKeyIni(const DriverFileInput& input);

// Manual mapping files: the key count minus 1 (" 7 "), then the keys.
std::string writeMappingFile(const std::vector<std::string>& keys);

class MappingFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws MappingFileError when the count is not a number of at least -1
// or the file ends before the announced keys. Bounded like every text
// file; `cut` tells whether a key was left out or shortened.
std::vector<std::string> readMappingFile(std::string_view bytes, bool* cut = nullptr);

} // namespace kivalto
