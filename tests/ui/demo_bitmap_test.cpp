// SPDX-License-Identifier: GPL-3.0-or-later
// The demo tool's bitmap writer, read back by Qt's BMP reader: row order,
// two pixels a byte and the row padding are where such writers go wrong.
#include "demobitmap.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

std::vector<demo::Rgb> palette(std::size_t n)
{
    std::vector<demo::Rgb> p;
    for (std::size_t i = 0; i < n; ++i)
        p.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 15),
                     static_cast<std::uint8_t>(i % 2 ? 200 : 30)});
    return p;
}

TEST(DemoBitmap, EveryPixelReadsBackInItsColour)
{
    struct Case {
        int width, height;
        std::size_t colours;
    };
    const Case cases[] = {
        {1, 1, 16}, {2, 1, 16}, {3, 2, 16},  // a half-used byte, rows shorter than 4 bytes
        {7, 3, 16}, {8, 5, 16}, {9, 4, 16},  // row lengths around one padding step
        {33, 6, 4},                          // fewer colours than the table holds
        {256, 224, 8},                       // a snapshot's size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        demo::Canvas canvas(c.width, c.height, palette(c.colours));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                canvas.plot(x, y, static_cast<std::uint8_t>((x * 3 + y * 5) % c.colours));

        const demo::Bytes bmp = demo::bmpFile(canvas);
        const std::uint32_t declared = bmp[2] | bmp[3] << 8 | bmp[4] << 16 | static_cast<std::uint32_t>(bmp[5]) << 24;
        EXPECT_EQ(declared, bmp.size());

        const QImage image = QImage::fromData(bmp.data(), static_cast<int>(bmp.size()), "BMP");
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.width(), c.width);
        ASSERT_EQ(image.height(), c.height);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const demo::Rgb want = canvas.palette()[canvas.at(x, y)];
                if (image.pixelColor(x, y) != QColor(want.r, want.g, want.b))
                    ++wrong;
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
