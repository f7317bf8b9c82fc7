// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the launch templates (.pit, .pif): any text gives a
// program to run and a folder, each within the field limit.
#include "platform/textfield.h"
#include "platform/dosbox.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pif = kivalto::parsePifTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (pif.program.empty() || pif.program.size() > kivalto::kMaxFieldBytes || pif.folder.size() > kivalto::kMaxFieldBytes)
        std::abort();
    return 0;
}
