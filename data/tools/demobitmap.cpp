// SPDX-License-Identifier: GPL-3.0-or-later
#include "demobitmap.h"

namespace demo {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColours = 16;        // a 4-bit table is always full size
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

// Each row holds two pixels a byte and is padded to a multiple of 4 bytes.
std::uint32_t rowBytes(int width) { return (static_cast<std::uint32_t>(width) * 4 + 31) / 32 * 4; }

} // namespace

Bytes bmpFile(const Canvas& picture)
{
    const std::uint32_t stride = rowBytes(picture.width());
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(picture.height());
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kColours * 4;

    Bytes bmp;
    bmp.reserve(pixelOffset + pixelBytes);
    bmp.push_back('B');
    bmp.push_back('M');
    le32(bmp, pixelOffset + pixelBytes);
    le32(bmp, 0);  // reserved
    le32(bmp, pixelOffset);

    le32(bmp, kInfoHeaderSize);
    le32(bmp, static_cast<std::uint32_t>(picture.width()));
    le32(bmp, static_cast<std::uint32_t>(picture.height()));  // positive: the bottom row comes first
    le16(bmp, 1);  // planes
    le16(bmp, 4);  // bits a pixel
    le32(bmp, 0);  // no compression
    le32(bmp, pixelBytes);
    le32(bmp, kPixelsPerMetre);
    le32(bmp, kPixelsPerMetre);
    le32(bmp, kColours);
    le32(bmp, 0);  // all colours matter

    for (std::uint32_t i = 0; i < kColours; ++i) {
        const Rgb c = i < picture.palette().size() ? picture.palette()[i] : Rgb{0, 0, 0};
        bmp.insert(bmp.end(), {c.b, c.g, c.r, 0});
    }

    for (int y = picture.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width(); ++x) {
            const auto nibble = static_cast<std::uint8_t>(picture.at(x, y) & 0x0F);
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? nibble << 4 : nibble);
        }
        bmp.insert(bmp.end(), row.begin(), row.end());
    }
    return bmp;
}

} // namespace demo
