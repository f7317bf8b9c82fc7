// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/pluginchecks.h"

namespace kivalto {

bool breaksFieldReading(std::string_view value)
{
    if (value.find(',') != std::string_view::npos)
        return true;
    std::size_t first = value.find_first_not_of(" \t");
    return first != std::string_view::npos && value[first] == '"';
}

namespace {

const char* const kKeyColumnNames[kKeyColumns] = {"Player 1 Keys", "Player 2 Keys", "2 Button Pad", "4 Button Pad",
                                                  "6 Button Pad"};

class Collector {
public:
    void check(const std::string& where, const std::string& value)
    {
        if (breaksFieldReading(value))
            found.push_back({where, value});
    }
    std::vector<UnreadableValue> found;
};

} // namespace

std::vector<UnreadableValue> findUnreadableValues(const EmulatorPlugin& p)
{
    Collector c;
    c.check("Filename", p.pluginName);
    c.check("Emulator Name", p.emulatorName);
    c.check("FileSpec", p.fileSpec);
    c.check("Frameskip", p.frameskipSwitch);
    c.check("Default Directory", p.defaultDir);
    c.check("Non-optional", p.fixedSwitches);
    c.check("Filename (EXE)", p.exeName);
    for (std::size_t i = 0; i < p.options.size(); ++i) {
        c.check("Option name " + std::to_string(i + 1), p.options[i].name);
        c.check("Option switch " + std::to_string(i + 1), p.options[i].switchText);
    }
    for (std::size_t i = 0; i < p.displayModes.size(); ++i) {
        c.check("Display Option name " + std::to_string(i + 1), p.displayModes[i].name);
        c.check("Display Option switch " + std::to_string(i + 1), p.displayModes[i].switchText);
    }
    for (int row = 0; row < kKeyRows; ++row)
        for (int col = 0; col < kKeyColumns; ++col)
            c.check(std::string(kKeyColumnNames[col]) + " " + kKeyRowLabels[static_cast<std::size_t>(row)],
                    p.keys.at(row, static_cast<KeyColumn>(col)));
    return c.found;
}

std::string unreadableValuesWarning(const std::vector<UnreadableValue>& found, std::string_view what)
{
    if (found.empty())
        return {};
    std::string text = "These values contain a comma or begin with a double quote, so " + std::string(what) +
                       " would not read back as saved:\n";
    for (const auto& u : found)
        text += "\n" + u.where + ": " + u.value;
    text += "\n\nPress OK to save anyway, or Cancel to correct them first.";
    return text;
}

} // namespace kivalto
