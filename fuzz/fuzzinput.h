// Splitting a fuzzer's input into the texts a target needs.
#pragma once

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

} // namespace fuzzinput
