// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the tips file (TIPOFDAY.TXT): bounded lines without
// line ends, and a round that always has a tip to show when there are any.
#include "platform/textfield.h"
#include "ui/tips.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bool cut = false;
    auto tips = kivalto::splitTipLines(std::string_view(reinterpret_cast<const char*>(data), size), &cut);
    if (tips.size() > kivalto::kMaxListEntries || tips.size() > size)
        std::abort();
    for (const auto& t : tips)
        if (t.size() > kivalto::kMaxFieldBytes || t.find_first_of("\r\n") != std::string::npos)
            std::abort();
    kivalto::TipRound round;
    const bool any = !tips.empty();
    round.setTips(std::move(tips));
    for (int i = 0; i < 3; ++i)
        if ((round.next() != nullptr) != any)
            std::abort();
    kivalto::tipsShownAtStartup(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
