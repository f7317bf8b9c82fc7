// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the plugin reader, then checks that it keeps
// within the text files' limits and that what it loaded survives a write
// and a second read unchanged.
#include "fuzzinput.h"
#include "plugins/catalogue.h"
#include "plugins/pluginfile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace kivalto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = fuzzinput::pastTheLimits({reinterpret_cast<const char*>(data), size});
    EmulatorPlugin plugin;
    const PluginRead first = readPluginFile(bytes, plugin);
    if (plugin.options.size() > kMaxListEntries || plugin.displayModes.size() > kMaxListEntries ||
        plugin.emulatorName.size() > kMaxFieldBytes || plugin.exeName.size() > kMaxFieldBytes)
        std::abort();
    for (const auto& o : plugin.options)
        if (o.name.size() > kMaxFieldBytes || o.switchText.size() > kMaxFieldBytes)
            std::abort();
    if (emulatorNameField(bytes).value_or("").size() > kMaxFieldBytes)
        std::abort();
    (void)systemsForFileSpec(fileSpecField(bytes).value_or(""));
    (void)splitOptions(plugin.options);
    (void)pluginNameFromPath(bytes);
    (void)fileSpecToSave(plugin.fileSpec);

    // Values without commas, quotes, line ends or edge blanks round-trip
    // exactly; only then is the check meaningful.
    auto plain = [](const std::string& v) {
        if (v.find_first_of(",\"\r\n\t") != std::string::npos)
            return false;
        return v.empty() || (v.front() != ' ' && v.back() != ' ');
    };
    if (first != PluginRead::Complete)
        return 0;
    for (const std::string* v : {&plugin.emulatorName, &plugin.fileSpec, &plugin.frameskipSwitch, &plugin.defaultDir,
                                 &plugin.fixedSwitches, &plugin.exeName})
        if (!plain(*v))
            return 0;
    for (const auto& row : plugin.keys.cells)
        for (const std::string& cell : row)
            if (!plain(cell))
                return 0;
    for (const auto& o : plugin.options)
        if (o.name == "ENDOPTS" || !plain(o.name) || !plain(o.switchText))
            return 0;
    for (const auto& d : plugin.displayModes)
        if (d.name == "ENDDISP" || !plain(d.name) || !plain(d.switchText))
            return 0;
    const std::string written = writePluginFile(plugin);
    EmulatorPlugin again;
    if (readPluginFile(written, again) != PluginRead::Complete || writePluginFile(again) != written)
        std::abort();
    return 0;
}
