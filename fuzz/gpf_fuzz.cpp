// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the per-ROM settings (GPF) reader. The first two bytes
// choose how many option and display lines the plugin has; the values read
// never outnumber what a complete file holds, nor exceed the field limit.
#include "launch/romsettings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t options = data[0] % 40, displays = data[1] % 40;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto name = kivalto::settingsPluginName(text);
    if (name && name->size() > kivalto::kMaxFieldBytes)
        std::abort();
    const auto parsed = kivalto::parseRomSettings(text, options, displays);
    const auto& v = parsed.values;
    if (parsed.read > kivalto::romSettingsValueCount(options, displays) || v.options.size() > options ||
        v.displayModes.size() > displays || (parsed.read > 0 && !name))
        std::abort();
    for (const std::string* s : {&v.pluginFile, &v.frameskip, &v.cheatCode, &v.cheatSwitch})
        if (s->size() > kivalto::kMaxFieldBytes)
            std::abort();
    return 0;
}
