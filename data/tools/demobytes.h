// SPDX-License-Identifier: GPL-3.0-or-later
// Byte buffers of the demo files and the little-endian numbers that the
// ZIP and BMP formats store.
#pragma once

#include <cstdint>
#include <vector>

namespace demo {

using Bytes = std::vector<std::uint8_t>;

inline void le16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

inline void le32(Bytes& out, std::uint32_t v)
{
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}

} // namespace demo
