// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the saved ROM title list (static.dat).
#include "platform/textfield.h"
#include "roms/romcatalogue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bool cut = false;
    const auto entries = kivalto::parseStaticList(std::string_view(reinterpret_cast<const char*>(data), size), &cut);
    if (entries.size() > kivalto::kMaxRomEntries || entries.size() > size + 1)
        std::abort();
    for (const auto& e : entries)
        if (e.text.size() > kivalto::kMaxFieldBytes || e.icon != kivalto::kRomIcon)
            std::abort();
    return 0;
}
