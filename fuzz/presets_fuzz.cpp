// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the ROM directory presets (presets.dat); a list written
// from what was read reads back the same.
#include "platform/textfield.h"
#include "plugins/pluginchecks.h"
#include "roms/presets.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bool cut = false;
    const auto presets = kivalto::parsePresets(std::string_view(reinterpret_cast<const char*>(data), size), &cut);
    if (presets.size() > kivalto::kMaxListEntries)
        std::abort();
    bool readsBack = true;
    for (const auto& p : presets) {
        if (p.size() > kivalto::kMaxFieldBytes)
            std::abort();
        readsBack = readsBack && !p.empty() && !kivalto::breaksFieldReading(p) &&
                    p.find_first_of("\r\n") == std::string::npos && p.front() != ' ' && p.front() != '\t' &&
                    p.back() != ' ';
    }
    if (readsBack && kivalto::parsePresets(kivalto::presetsBytes(presets)) != presets)
        std::abort();
    return 0;
}
