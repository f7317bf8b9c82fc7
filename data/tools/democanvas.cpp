// SPDX-License-Identifier: GPL-3.0-or-later
#include "democanvas.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace demo {

namespace {

// The demo font, drawn for these pictures: 5 dots wide, 7 high.
const std::map<char, std::array<const char*, 7>>& font()
{
    static const std::map<char, std::array<const char*, 7>> glyphs = {
        {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
        {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
        {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
        {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
        {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
        {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
        {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
        {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
        {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
        {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
        {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
        {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
        {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
        {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
        {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
        {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
        {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
        {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
        {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
        {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
        {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
        {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
        {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
        {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
        {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
        {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
        {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
        {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
        {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
        {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
        {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
        {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
        {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
        {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
    };
    return glyphs;
}

} // namespace

Canvas::Canvas(int width, int height, std::vector<Rgb> palette)
    : w_(width), h_(height), palette_(std::move(palette)), px_(static_cast<std::size_t>(width * height), 0)
{
    if (palette_.empty() || palette_.size() > 16)
        throw std::runtime_error("a demo picture has 1 to 16 colours");
}

void Canvas::plot(int x, int y, std::uint8_t c)
{
    if (x >= 0 && y >= 0 && x < w_ && y < h_)
        px_[static_cast<std::size_t>(y * w_ + x)] = c;
}

void Canvas::rect(int x, int y, int w, int h, std::uint8_t c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            plot(i, j, c);
}

void Canvas::disc(int cx, int cy, int r, std::uint8_t c)
{
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (i * i + j * j <= r * r)
                plot(cx + i, cy + j, c);
}

void Canvas::ring(int cx, int cy, int r, int thickness, std::uint8_t c)
{
    const int inner = r - thickness;
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
            const int d = i * i + j * j;
            if (d <= r * r && d > inner * inner)
                plot(cx + i, cy + j, c);
        }
}

void Canvas::line(int x0, int y0, int x1, int y1, int thickness, std::uint8_t c)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int s = 0; s <= steps; ++s) {
        const int x = steps ? x0 + (x1 - x0) * s / steps : x0;
        const int y = steps ? y0 + (y1 - y0) * s / steps : y0;
        rect(x - thickness / 2, y - thickness / 2, thickness, thickness, c);
    }
}

void Canvas::text(int x, int y, const std::string& s, int scale, std::uint8_t c, std::uint8_t shadow)
{
    for (int pass = shadow == c ? 1 : 0; pass < 2; ++pass) {
        const int off = pass == 0 ? scale : 0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            const auto g = font().find(s[k]);
            if (g == font().end())
                throw std::runtime_error(std::string("the demo font has no glyph for ") + s[k]);
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->second[static_cast<std::size_t>(row)][col] == '#')
                        rect(x + off + (static_cast<int>(k) * 6 + col) * scale, y + off + row * scale, scale, scale,
                             pass == 0 ? shadow : c);
        }
    }
}

void Canvas::centredText(int y, const std::string& s, int scale, std::uint8_t c, std::uint8_t shadow)
{
    text((w_ - textWidth(s, scale)) / 2, y, s, scale, c, shadow);
}

namespace {

// Splits a title in two lines at the blank nearest its middle when it is
// too wide for one line at the given scale.
std::vector<std::string> titleLines(const std::string& title, int width, int scale)
{
    if (Canvas::textWidth(title, scale) <= width - 16)
        return {title};
    std::size_t best = std::string::npos;
    for (std::size_t i = 0; i < title.size(); ++i)
        if (title[i] == ' ' && (best == std::string::npos || std::abs(static_cast<int>(i) - static_cast<int>(title.size() / 2)) <
                                                                  std::abs(static_cast<int>(best) - static_cast<int>(title.size() / 2))))
            best = i;
    if (best == std::string::npos)
        return {title};
    return {title.substr(0, best), title.substr(best + 1)};
}

void drawTitle(Canvas& c, const std::string& title, int y, std::uint8_t ink, std::uint8_t shadow)
{
    int line = y;
    for (const auto& t : titleLines(title, c.width(), 3)) {
        c.centredText(line, t, 3, ink, shadow);
        line += 26;
    }
}

// A pseudo-random but fixed scatter (the same picture on every build).
struct Scatter {
    std::uint32_t state;
    int next(int bound)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(bound));
    }
};

Canvas starlightCourier(int w, int h)
{
    Canvas c(w, h, {{8, 8, 40}, {255, 255, 255}, {255, 230, 120}, {40, 40, 110}, {200, 60, 60}, {90, 90, 90},
                    {20, 20, 60}});
    c.rect(0, h / 2, w, h / 2, 6);
    Scatter s{7};
    for (int i = 0; i < 90; ++i)
        c.plot(s.next(w), s.next(h), i % 3 ? 1 : 2);
    c.disc(206, 104, 24, 2);
    c.disc(218, 96, 22, 0);  // crescent moon
    // A courier's rocket on its way.
    c.line(40, 190, 110, 130, 3, 3);
    c.disc(116, 125, 9, 5);
    c.disc(118, 123, 4, 1);
    c.line(104, 138, 96, 146, 5, 4);
    drawTitle(c, "STARLIGHT COURIER", 20, 2, 4);
    c.centredText(h - 24, "DELIVERING AFTER DARK", 1, 1, 1);
    return c;
}

Canvas mossKnight(int w, int h)
{
    Canvas c(w, h, {{120, 190, 240}, {255, 255, 255}, {40, 120, 40}, {20, 70, 20}, {180, 180, 190}, {90, 90, 100},
                    {200, 40, 40}, {30, 30, 30}});
    c.disc(60, 260, 140, 2);
    c.disc(220, 280, 150, 3);
    // A shield with a cross.
    c.rect(100, 110, 56, 50, 4);
    c.disc(128, 160, 28, 4);
    c.rect(124, 112, 8, 70, 6);
    c.rect(104, 130, 48, 8, 6);
    c.line(170, 100, 170, 190, 4, 5);  // the knight's sword
    c.rect(160, 170, 21, 4, 7);
    drawTitle(c, "MOSS KNIGHT QUEST", 20, 1, 7);
    c.centredText(h - 24, "A GREEN AND GALLANT TALE", 1, 1, 1);
    return c;
}

Canvas tidepoolRacers(int w, int h)
{
    Canvas c(w, h, {{250, 200, 120}, {255, 255, 255}, {30, 120, 200}, {20, 80, 160}, {255, 220, 60}, {240, 90, 40},
                    {10, 40, 90}});
    c.disc(200, 80, 22, 4);  // the sun
    for (int band = 0; band < 6; ++band)
        for (int x = 0; x < w; ++x) {
            const int y = 120 + band * 18 + static_cast<int>(5 * std::sin((x + band * 20) / 12.0));
            c.rect(x, y, 1, h - y, band % 2 ? 3 : 2);
        }
    // Two little racing boats.
    c.rect(50, 118, 34, 8, 5);
    c.line(66, 118, 66, 96, 2, 1);
    c.rect(150, 150, 34, 8, 4);
    c.line(166, 150, 166, 128, 2, 1);
    drawTitle(c, "TIDEPOOL RACERS", 20, 6, 1);
    return c;
}

Canvas clockworkOrchard(int w, int h)
{
    Canvas c(w, h, {{240, 230, 200}, {60, 40, 20}, {200, 160, 60}, {40, 140, 40}, {200, 40, 40}, {120, 80, 40},
                    {255, 255, 255}});
    // A clock face with its hands at ten past ten.
    c.disc(128, 128, 52, 2);
    c.disc(128, 128, 46, 6);
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265 / 6;
        c.disc(128 + static_cast<int>(40 * std::sin(a)), 128 - static_cast<int>(40 * std::cos(a)), 3, 1);
    }
    c.line(128, 128, 104, 112, 4, 1);
    c.line(128, 128, 156, 110, 3, 1);
    c.disc(128, 128, 4, 4);
    // Apple trees on both sides.
    for (int x : {34, 222}) {
        c.rect(x - 4, 150, 9, 50, 5);
        c.disc(x, 140, 24, 3);
        c.disc(x - 9, 134, 4, 4);
        c.disc(x + 8, 146, 4, 4);
    }
    c.rect(0, 200, w, h - 200, 3);
    drawTitle(c, "CLOCKWORK ORCHARD", 16, 1, 2);
    return c;
}

Canvas puzzleBox(int w, int h)
{
    Canvas c(w, h, {{30, 20, 50}, {255, 255, 255}, {230, 60, 60}, {60, 200, 90}, {70, 120, 240}, {250, 210, 50},
                    {180, 90, 220}, {10, 10, 10}});
    const std::uint8_t colours[] = {2, 3, 4, 5, 6};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) {
            const int x = 32 + col * 32;
            const int y = 80 + row * 28;
            c.rect(x, y, 30, 26, colours[(row * 2 + col) % 5]);
            c.rect(x + 3, y + 3, 8, 3, 1);
        }
    c.rect(32 + 2 * 32, 80 + 1 * 28, 30, 26, 0);  // the one missing piece
    drawTitle(c, "PUZZLE BOX DELUXE", 16, 5, 7);
    c.centredText(h - 24, "SLIDE THE PIECES HOME", 1, 1, 1);
    return c;
}

Canvas orbitalGardener(int w, int h)
{
    Canvas c(w, h, {{0, 0, 20}, {255, 255, 255}, {60, 170, 80}, {40, 90, 200}, {200, 170, 120}, {120, 220, 120},
                    {250, 120, 180}});
    Scatter s{42};
    for (int i = 0; i < 70; ++i)
        c.plot(s.next(w), s.next(h), 1);
    const int cy = 150;
    c.ring(128, cy, 62, 3, 4);
    c.rect(62, cy - 2, 132, 4, 4);  // the ring seen edge-on
    c.disc(128, cy, 44, 3);
    c.disc(112, cy - 12, 16, 2);
    c.disc(146, cy + 14, 12, 2);
    // A flower growing on top of the planet.
    c.line(128, cy - 44, 128, cy - 62, 2, 5);
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * 3.14159265 / 5;
        c.disc(128 + static_cast<int>(7 * std::sin(a)), cy - 68 - static_cast<int>(7 * std::cos(a)), 4, 6);
    }
    c.disc(128, cy - 68, 3, 1);
    drawTitle(c, "ORBITAL GARDENER", 16, 1, 3);
    return c;
}

Canvas pixelRunner(int w, int h)
{
    Canvas c(w, h, {{255, 140, 60}, {255, 255, 255}, {60, 60, 80}, {240, 240, 100}, {40, 40, 40}, {220, 60, 120},
                    {120, 200, 255}});
    c.rect(0, 0, w, 60, 6);
    c.rect(0, 160, w, h - 160, 2);
    for (int x = 0; x < w; x += 32)
        c.rect(x, 186, 18, 4, 3);  // lane marks
    // A runner made of blocks, mid-stride.
    c.rect(120, 104, 14, 26, 5);
    c.disc(127, 96, 7, 4);
    c.line(124, 130, 112, 156, 4, 4);
    c.line(130, 130, 146, 152, 4, 4);
    c.line(122, 110, 108, 122, 3, 4);
    c.line(132, 110, 146, 100, 3, 4);
    for (int k = 0; k < 3; ++k)
        c.rect(70 - k * 18, 112 + k * 8, 30, 3, 1);  // speed lines
    drawTitle(c, "PIXEL RUNNER", 16, 1, 4);
    return c;
}

// Four colours only: the NES picture has one background palette.
Canvas lantern(int w, int h)
{
    Canvas c(w, h, {{0, 0, 0}, {255, 200, 60}, {200, 80, 20}, {255, 255, 255}});
    c.disc(128, 140, 44, 2);
    c.disc(128, 140, 34, 1);
    c.rect(108, 92, 40, 8, 2);
    c.rect(100, 180, 56, 8, 2);
    c.ring(128, 84, 10, 3, 3);
    c.disc(128, 140, 8, 3);
    drawTitle(c, "LANTERN", 36, 3, 2);
    c.centredText(h - 32, "A LIGHT IN THE DARK", 1, 1, 1);
    return c;
}

} // namespace

Canvas paintScene(const std::string& title, int width, int height)
{
    if (title == "STARLIGHT COURIER")
        return starlightCourier(width, height);
    if (title == "MOSS KNIGHT QUEST")
        return mossKnight(width, height);
    if (title == "TIDEPOOL RACERS")
        return tidepoolRacers(width, height);
    if (title == "CLOCKWORK ORCHARD")
        return clockworkOrchard(width, height);
    if (title == "PUZZLE BOX DELUXE")
        return puzzleBox(width, height);
    if (title == "ORBITAL GARDENER")
        return orbitalGardener(width, height);
    if (title == "PIXEL RUNNER")
        return pixelRunner(width, height);
    if (title == "LANTERN")
        return lantern(width, height);
    throw std::runtime_error("no demo picture for " + title);
}

} // namespace demo
