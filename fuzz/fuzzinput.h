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
// reach: an input that opens with byte 0xFF stands for its rest repeated
// until the file is longer than Kivalto reads, then cut where the file
// reader cuts it. Any other input stands for itself.
inline std::string asReadFromFile(std::string_view in)
{
    if (in.empty() || static_cast<unsigned char>(in.front()) != 0xFF)
        return std::string(in);
    in.remove_prefix(1);
    if (in.empty())
        return {};
    std::string out;
    out.reserve(kivalto::kMaxTextFileBytes + in.size());
    while (out.size() < kivalto::kMaxTextFileBytes)
        out += in;
    out.resize(kivalto::kMaxTextFileBytes);
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
