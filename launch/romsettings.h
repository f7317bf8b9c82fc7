// SPDX-License-Identifier: GPL-3.0-or-later
// The per-ROM settings file (extension GPF): the emulator, its selected
// options and display modes, the controller, toggles, frameskip and cheat.
#pragma once

#include "platform/textfield.h"

#include <optional>
#include <string>
#include <vector>

namespace kivalto {

struct RomSettings {
    std::string pluginFile;          // e.g. ZSNES.XPL
    std::vector<bool> options;       // one per options-list entry
    std::vector<bool> displayModes;  // one per display-list entry
    long controller = 1;
    bool runInDos = false;
    bool runVesa = false;
    bool runSnesKey = false;
    std::string frameskip;
    std::string cheatCode;
    std::string cheatSwitch;
    bool enableCheat = false;
    bool mameRom = false;
};

std::string writeRomSettings(const RomSettings& s);

// The settings file's name: the ROM file name with its last three
// characters replaced by "GPF" (MARIO.GZ gives MARIOGPF); nullopt when the
// name has fewer than three characters.
std::optional<std::string> settingsFileName(const std::string& romFile);
// Its full path: GPFDir + name when GPFDir is set, else the ROM folder.
std::optional<std::string> settingsFilePath(const std::string& gpfDir, const std::string& romDir,
                                            const std::string& romFile);
// For the command-line start: the argument with "GPF" for its last three
// characters, or GPFDir + that path's last component in upper case.
std::optional<std::string> commandLineSettingsPath(const std::string& gpfDir, const std::string& argument);

// The plugin file named on the first line of a settings file; nullopt when
// the file is empty or holds no first value.
std::optional<std::string> settingsPluginName(std::string_view bytes);

// The values after the plugin line, read for a plugin whose lists hold
// `options` and `displayModes` entries. Reading stops at the first value
// that is missing or cannot be converted: `read` counts the values read,
// in file order (the option lines, the display lines, then the controller,
// the three toggles, frameskip, cheat code, cheat switch, Enable Cheat and
// Mame ROM), so a caller applies exactly those.
struct ParsedRomSettings {
    RomSettings values;
    std::size_t read = 0;
};
ParsedRomSettings parseRomSettings(std::string_view bytes, std::size_t options, std::size_t displayModes);
// How many values follow the plugin line in a complete file.
inline std::size_t romSettingsValueCount(std::size_t options, std::size_t displayModes)
{
    return options + displayModes + 9;
}

// Reads a settings file value by value, since how many option and display
// lines it holds is known only after its plugin was loaded. Every read
// throws TextReadError or std::invalid_argument on bad input.
class RomSettingsReader {
public:
    explicit RomSettingsReader(std::string data) : data_(std::move(data)), src_(data_), reader_(src_) {}
    std::string text() { return reader_.field(); }
    bool truth() { return parseTruth(reader_.field()); }
    long number() { return parseNumber(reader_.field()); }

private:
    std::string data_;
    StringCharSource src_;
    TextFieldReader reader_;
};

} // namespace kivalto
