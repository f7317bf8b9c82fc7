// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the demo ROMs: a small indexed-colour canvas with a few
// drawing tools and a self-drawn 5x7 font, and one painted scene per game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace demo {

struct Rgb {
    std::uint8_t r, g, b;
};

// Up to 16 colours; index 0 is the backdrop.
class Canvas {
public:
    Canvas(int width, int height, std::vector<Rgb> palette);

    int width() const { return w_; }
    int height() const { return h_; }
    const std::vector<Rgb>& palette() const { return palette_; }
    std::uint8_t at(int x, int y) const { return px_[static_cast<std::size_t>(y * w_ + x)]; }

    void plot(int x, int y, std::uint8_t c);
    void rect(int x, int y, int w, int h, std::uint8_t c);
    void disc(int cx, int cy, int r, std::uint8_t c);
    void ring(int cx, int cy, int r, int thickness, std::uint8_t c);
    void line(int x0, int y0, int x1, int y1, int thickness, std::uint8_t c);
    // Text in the demo font, `scale` pixels per font dot, with a one-dot
    // shadow in `shadow` (none when it equals `c`).
    void text(int x, int y, const std::string& s, int scale, std::uint8_t c, std::uint8_t shadow);
    void centredText(int y, const std::string& s, int scale, std::uint8_t c, std::uint8_t shadow);
    static int textWidth(const std::string& s, int scale) { return static_cast<int>(s.size()) * 6 * scale - scale; }

private:
    int w_, h_;
    std::vector<Rgb> palette_;
    std::vector<std::uint8_t> px_;
};

// The scene of each demo game, by its header title.
Canvas paintScene(const std::string& title, int width, int height);

} // namespace demo
