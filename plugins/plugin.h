// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory emulator plugin and the console families.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kivalto {

struct PluginOption {
    std::string name;        // a name beginning with "#" is a cheat entry
    std::string switchText;  // the emulator switch
};

struct DisplayMode {
    std::string name;
    std::string switchText;
};

// Rows: the twelve PadKeySlot keys, then "SWITCH". Columns: player 1 keys,
// player 2 keys, 2 button pad, 4 button pad, 6 button pad.
enum class KeyColumn { Player1 = 0, Player2 = 1, Pad2 = 2, Pad4 = 3, Pad6 = 4 };
constexpr int kKeyRows = 13;
constexpr int kKeyColumns = 5;
constexpr int kSwitchRow = 12;

struct KeyTable {
    KeyTable() { clear(); }
    // Every cell holds a single space, as a cell that was never set.
    void clear()
    {
        for (auto& row : cells)
            row.fill(" ");
    }
    std::string& at(int row, KeyColumn col) { return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]; }
    const std::string& at(int row, KeyColumn col) const
    {
        return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }
    std::array<std::array<std::string, kKeyColumns>, kKeyRows> cells;
};

struct EmulatorPlugin {
    std::string pluginName;  // base name of the file, without extension
    std::string emulatorName;
    std::string fileSpec;
    std::string frameskipSwitch;
    std::string defaultDir;
    std::string fixedSwitches;
    std::string exeName;
    std::vector<PluginOption> options;
    std::vector<DisplayMode> displayModes;
    KeyTable keys;
};

// Row labels of the key table, in row order.
inline const std::array<const char*, kKeyRows> kKeyRowLabels = {
    "A", "B", "TR", "TL", "Y", "X", "START", "SELECT", "UP", "DOWN", "LEFT", "RIGHT", "SWITCH"};

struct SystemKind {
    const char* displayText;
    const char* systemMask;     // replaces the display text when saved; empty for OTHER
    const char* catalogueMask;  // searched in a plugin's ROM masks; empty for OTHER
    const char* treeKey;
    int image;
};

// SNES, NES, GAMEBOY, MEGA DRIVE, MASTER SYSTEM, GAME GEAR, PC ENGINE, OTHER.
inline const std::array<SystemKind, 8> kSystemKinds = {{
    {"SNES", "*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ", "*.SMC", "SNES", 1},
    {"NES", "*.nes;*.zip;*.GZ", "*.NES", "NES", 5},
    {"GAMEBOY", "*.gb;*.zip;*.GZ", "*.GB", "GAMEBOY", 4},
    {"MEGA DRIVE", "*.smd;*.bin;*.zip;*.1;*.GZ", "*.SMD", "MEGA", 6},
    {"MASTER SYSTEM", "*.sms;*.zip;*.GZ", "*.SMS", "MASTER", 7},
    {"GAME GEAR", "*.gg;*.zip;*.GZ", "*.GG", "GAME", 8},
    {"PC ENGINE", "*.idx;*.dat;*.zip;*.GZ;*.pce", "*.PCE", "PC", 9},
    {"OTHER", "", "", "OTHER", 2},
}};

} // namespace kivalto
