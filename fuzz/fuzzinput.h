// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a fuzzer's input into the texts a target needs.
#pragma once

#include "platform/textfield.h"

#include <string>
#include <string_view>

namespace fuzzinput {

// The text up to the next NUL byte (or the end), removed from `in`.
inline std::string take(std::string_view& in)
{
    const auto nul = in.find('\0');
    std::string out(in.substr(0, nul));
    in = nul == std::string_view::npos ? std::string_view() : in.substr(nul + 1);
    return out;
}

// Inputs past the readers' limits, which the fuzzer's small inputs never
// reach. An input that opens with byte 0xFF stands for its rest repeated
// past the longest value kept; one that opens with 0xFE, repeated until it
// holds more two-byte entries than a list keeps. (The whole-file limit
// belongs to the file reader.) Any other input stands for itself.
// Such inputs are slow and the fuzzer favours them, so only one marked
// input in 32 is repeated, the first always: a crashing input run on its
// own is repeated again.
inline std::string pastTheLimits(std::string_view in)
{
    static unsigned marked = 0;
    const int mark = in.empty() ? -1 : static_cast<unsigned char>(in.front());
    if ((mark != 0xFF && mark != 0xFE) || marked++ % 32 != 0)
        return std::string(in);
    in.remove_prefix(1);
    if (in.empty())
        return {};
    const std::size_t size = mark == 0xFF ? 2 * kivalto::kMaxFieldBytes : 2 * kivalto::kMaxListEntries + 2;
    std::string out;
    out.reserve(size + in.size());
    while (out.size() < size)
        out += in;
    return out;
}

// Within the limits of every text file: values and list lengths.
template <typename List>
inline bool withinLimits(const List& values)
{
    if (values.size() > kivalto::kMaxListEntries)
        return false;
    for (const auto& v : values)
        if (v.size() > kivalto::kMaxFieldBytes)
            return false;
    return true;
}

} // namespace fuzzinput
