// SPDX-License-Identifier: GPL-3.0-or-later
#include "democonsoles.h"

#include <map>
#include <stdexcept>

namespace demo {

namespace {

// The picture cut into 8x8 tiles, each distinct tile kept once; tile 0 is
// always blank, so that unused map entries show the backdrop colour.
struct Tiles {
    std::vector<std::array<std::uint8_t, 64>> tiles;  // colour index per pixel
    std::vector<std::uint16_t> map;                   // 32 entries per row
};

Tiles cutTiles(const Canvas& c)
{
    Tiles t;
    std::map<std::array<std::uint8_t, 64>, std::uint16_t> seen;
    t.tiles.push_back({});
    seen[t.tiles.front()] = 0;
    for (int ty = 0; ty < c.height() / 8; ++ty)
        for (int tx = 0; tx < 32; ++tx) {
            std::array<std::uint8_t, 64> tile{};
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    tile[static_cast<std::size_t>(y * 8 + x)] = c.at(tx * 8 + x, ty * 8 + y);
            auto [it, added] = seen.emplace(tile, static_cast<std::uint16_t>(t.tiles.size()));
            if (added)
                t.tiles.push_back(tile);
            t.map.push_back(it->second);
        }
    return t;
}

void put(Bytes& rom, std::size_t at, const Bytes& data)
{
    if (at + data.size() > rom.size())
        throw std::runtime_error("demo image data does not fit");
    std::copy(data.begin(), data.end(), rom.begin() + static_cast<long>(at));
}

void putText(Bytes& rom, std::size_t at, const std::string& text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        rom[at + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
}

std::uint8_t lo(unsigned v) { return static_cast<std::uint8_t>(v & 0xFF); }
std::uint8_t hi(unsigned v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); }

// ---- SNES ----------------------------------------------------------------

// 65816 code: set up mode 1 with background 1 only, copy tiles, map and
// palette by DMA during forced blank, switch the screen on and wait.
Bytes snesProgram(unsigned tilesAddr, std::uint8_t tilesBank, unsigned tilesSize, unsigned mapAddr, unsigned palAddr)
{
    Bytes p = {
        0x78,              // sei
        0x18, 0xFB,        // clc; xce: native mode
        0xC2, 0x10,        // rep #$10: 16-bit index registers
        0xE2, 0x20,        // sep #$20: 8-bit accumulator
        0xA9, 0x80, 0x8D, 0x00, 0x21,  // forced blank
        0x9C, 0x00, 0x42,  // no interrupts
        0xA9, 0x01, 0x8D, 0x05, 0x21,  // mode 1
        0x9C, 0x06, 0x21,  // no mosaic
        0xA9, 0x7C, 0x8D, 0x07, 0x21,  // background 1 map at word $7C00, 32x32
        0x9C, 0x0B, 0x21,  // background 1 tiles at word 0
        0xA9, 0x01, 0x8D, 0x2C, 0x21,  // main screen: background 1
        0x9C, 0x2D, 0x21, 0x9C, 0x2E, 0x21, 0x9C, 0x2F, 0x21,  // no sub screen, no windows
        0x9C, 0x30, 0x21, 0x9C, 0x31, 0x21, 0x9C, 0x33, 0x21,  // no colour maths, plain 224 lines
        0x9C, 0x0D, 0x21, 0x9C, 0x0D, 0x21,                    // horizontal scroll 0
        0xA9, 0xFF, 0x8D, 0x0E, 0x21, 0xA9, 0x03, 0x8D, 0x0E, 0x21,  // vertical scroll -1
        0xA9, 0x80, 0x8D, 0x15, 0x21,  // VRAM address steps after the high byte
    };
    auto dma = [&](std::uint8_t mode, std::uint8_t target, unsigned src, std::uint8_t bank, unsigned size) {
        const Bytes d = {0xA9, mode, 0x8D, 0x00, 0x43,              // DMA 0 mode
                         0xA9, target, 0x8D, 0x01, 0x43,            // its PPU register
                         0xA2, lo(src), hi(src), 0x8E, 0x02, 0x43,  // source address
                         0xA9, bank, 0x8D, 0x04, 0x43,              // source bank
                         0xA2, lo(size), hi(size), 0x8E, 0x05, 0x43,  // byte count
                         0xA9, 0x01, 0x8D, 0x0B, 0x42};             // go
        p.insert(p.end(), d.begin(), d.end());
    };
    auto vramAt = [&](unsigned word) {
        const Bytes d = {0xA2, lo(word), hi(word), 0x8E, 0x16, 0x21};
        p.insert(p.end(), d.begin(), d.end());
    };
    vramAt(0x0000);
    dma(0x01, 0x18, tilesAddr, tilesBank, tilesSize);
    vramAt(0x7C00);
    dma(0x01, 0x18, mapAddr, 0x00, 32 * 32 * 2);
    p.insert(p.end(), {0x9C, 0x21, 0x21});  // palette from colour 0
    dma(0x00, 0x22, palAddr, 0x00, 32);
    p.insert(p.end(), {0xA9, 0x0F, 0x8D, 0x00, 0x21,  // screen on, full brightness
                       0x80, 0xFE,                    // wait here for good
                       0x40});                        // rti: every interrupt vector
    return p;
}

std::uint16_t snesColour(Rgb c)
{
    return static_cast<std::uint16_t>(((c.b >> 3) << 10) | ((c.g >> 3) << 5) | (c.r >> 3));
}

// The tiles in the SNES's 4-bit form: for each row, bit planes 0 and 1
// side by side, then 2 and 3 in a second half.
Bytes snesTileBytes(const Tiles& t)
{
    Bytes tiles;
    for (const auto& tile : t.tiles)
        for (int plane = 0; plane < 4; plane += 2)
            for (int y = 0; y < 8; ++y)
                for (int bit = plane; bit < plane + 2; ++bit) {
                    std::uint8_t b = 0;
                    for (int x = 0; x < 8; ++x)
                        b = static_cast<std::uint8_t>(b << 1 | ((tile[static_cast<std::size_t>(y * 8 + x)] >> bit) & 1));
                    tiles.push_back(b);
                }
    return tiles;
}

// A 32x32 map of tile numbers, low byte first.
Bytes snesTileMap(const Tiles& t)
{
    Bytes tileMap(32 * 32 * 2, 0);
    for (std::size_t i = 0; i < t.map.size(); ++i)
        tileMap[i * 2] = lo(t.map[i]), tileMap[i * 2 + 1] = hi(t.map[i]);
    return tileMap;
}

// 16 colours of two bytes, low byte first; colours the picture does not
// use are black.
Bytes snesPalette(const Canvas& picture)
{
    Bytes palette;
    for (const Rgb& c : picture.palette())
        palette.push_back(lo(snesColour(c))), palette.push_back(hi(snesColour(c)));
    palette.resize(32, 0);
    return palette;
}

// The cartridge header at `h`: title, map mode, size, region; the reset
// vector points at the program's start ($8000), every other vector at its
// final rti.
void putSnesHeader(Bytes& rom, std::size_t h, const std::string& title, bool loRom, std::size_t kib,
                   std::size_t codeSize)
{
    putText(rom, h, title, 21);
    rom[h + 0x15] = loRom ? 0x20 : 0x21;  // map mode, slow ROM
    rom[h + 0x16] = 0x00;                 // ROM only
    std::uint8_t sizeCode = 0;
    while ((1u << sizeCode) < kib)
        ++sizeCode;
    rom[h + 0x17] = sizeCode;  // 2^n KiB
    rom[h + 0x18] = 0x00;      // no SRAM
    rom[h + 0x19] = 0x01;      // North America
    rom[h + 0x1A] = 0x00;      // no licensee
    rom[h + 0x1B] = 0x00;      // version 1.0
    const unsigned rti = 0x8000 + static_cast<unsigned>(codeSize) - 1;
    for (std::size_t v = 0x24; v < 0x40; v += 2)
        rom[h + v] = lo(rti), rom[h + v + 1] = hi(rti);
    rom[h + 0x3C] = 0x00, rom[h + 0x3D] = 0x80;  // reset: $8000
}

// Checksum over the image with complement FFFF and checksum 0000, the
// usual way; the pair always adds up to the same byte sum.
void putSnesChecksum(Bytes& rom, std::size_t h)
{
    rom[h + 0x1C] = 0xFF, rom[h + 0x1D] = 0xFF, rom[h + 0x1E] = 0x00, rom[h + 0x1F] = 0x00;
    std::uint32_t sum = 0;
    for (std::uint8_t b : rom)
        sum += b;
    const auto checksum = static_cast<std::uint16_t>(sum);
    const auto complement = static_cast<std::uint16_t>(checksum ^ 0xFFFF);
    rom[h + 0x1C] = lo(complement), rom[h + 0x1D] = hi(complement);
    rom[h + 0x1E] = lo(checksum), rom[h + 0x1F] = hi(checksum);
}

// The image behind a 512-byte copier header: size in 8 KiB units, then
// zeros.
Bytes withCopierHeader(const Bytes& rom, std::size_t kib, bool loRom)
{
    Bytes out(512, 0);
    const std::size_t blocks = kib / 8;
    out[0] = lo(static_cast<unsigned>(blocks));
    out[1] = hi(static_cast<unsigned>(blocks));
    out[2] = loRom ? 0x00 : 0x30;
    out.insert(out.end(), rom.begin(), rom.end());
    return out;
}

} // namespace

Bytes snesImage(const Canvas& picture, const std::string& title, Map map, std::size_t kib, bool copierHeader)
{
    const Tiles t = cutTiles(picture);
    const Bytes tiles = snesTileBytes(t);

    // Where things lie. The title reader's other positions (file offsets
    // $74C0, $7FC0, $81C0, $101C0 around a copier header) stay clear of
    // data, so only the real header can give a title.
    const bool lo_ = map == Map::LoRom;
    const std::size_t codeAt = lo_ ? 0x0000 : 0x8000;  // CPU $00:8000
    const std::size_t mapAt = codeAt + 0x1000;         // CPU $00:9000
    const std::size_t palAt = codeAt + 0x1800;         // CPU $00:9800
    const std::size_t tilesAt = lo_ ? 0x8400 : 0x10400;
    const std::uint8_t tilesBank = lo_ ? 0x01 : 0xC1;
    const unsigned tilesAddr = lo_ ? 0x8400 : 0x0400;
    if (tiles.size() > 0x7C00)
        throw std::runtime_error("too many tiles in the picture of " + title);

    Bytes rom(kib * 1024, 0);
    const Bytes code = snesProgram(tilesAddr, tilesBank, static_cast<unsigned>(tiles.size()), 0x9000, 0x9800);
    put(rom, codeAt, code);
    put(rom, mapAt, snesTileMap(t));
    put(rom, palAt, snesPalette(picture));
    put(rom, tilesAt, tiles);

    const std::size_t h = lo_ ? 0x7FC0 : 0xFFC0;
    putSnesHeader(rom, h, title, lo_, kib, code.size());
    putSnesChecksum(rom, h);
    return copierHeader ? withCopierHeader(rom, kib, lo_) : rom;
}

// ---- NES -----------------------------------------------------------------

namespace {

// 6502 code at $C000: wait for the picture unit to wake up, load the
// palette and the name table, show the background, wait. It ends with an
// rti for the interrupt vectors.
Bytes nesProgram(unsigned palAddr, unsigned ntAddr)
{
    Bytes code = {
        0x78, 0xD8,                    // sei; cld
        0xA2, 0xFF, 0x9A, 0xE8,        // stack at $01FF; x = 0
        0x8E, 0x00, 0x20, 0x8E, 0x01, 0x20,  // no NMI, rendering off
        0x2C, 0x02, 0x20,              // clear the vertical blank flag
        0x2C, 0x02, 0x20, 0x10, 0xFB,  // wait for vertical blank, twice
        0x2C, 0x02, 0x20, 0x10, 0xFB,
        0xA9, 0x3F, 0x8D, 0x06, 0x20, 0xA9, 0x00, 0x8D, 0x06, 0x20,  // address $3F00
        0xA2, 0x00,                    // 32 palette bytes
        0xBD, lo(palAddr), hi(palAddr), 0x8D, 0x07, 0x20, 0xE8, 0xE0, 0x20, 0xD0, 0xF5,
        0xA9, 0x20, 0x8D, 0x06, 0x20, 0xA9, 0x00, 0x8D, 0x06, 0x20,  // address $2000
        0xA9, lo(ntAddr), 0x85, 0x00, 0xA9, hi(ntAddr), 0x85, 0x01,  // pointer in $00/$01
        0xA2, 0x04, 0xA0, 0x00,        // four pages
        0xB1, 0x00, 0x8D, 0x07, 0x20, 0xC8, 0xD0, 0xF8,  // copy one page
        0xE6, 0x01, 0xCA, 0xD0, 0xF3,  // next page
        0xA9, 0x00, 0x8D, 0x05, 0x20, 0x8D, 0x05, 0x20,  // scroll 0, 0
        0x8D, 0x00, 0x20,              // name table $2000, tiles from $0000
        0xA9, 0x0A, 0x8D, 0x01, 0x20,  // show the background, left column too
    };
    const unsigned loop = 0xC000 + static_cast<unsigned>(code.size());
    code.insert(code.end(), {0x4C, lo(loop), hi(loop), 0x40});  // jmp to itself; rti
    return code;
}

// The picture bank at `chr`: each tile as two 8-byte bit planes.
void putNesTiles(Bytes& rom, std::size_t chr, const Tiles& t)
{
    for (std::size_t n = 0; n < t.tiles.size(); ++n)
        for (int bit = 0; bit < 2; ++bit)
            for (int y = 0; y < 8; ++y) {
                std::uint8_t b = 0;
                for (int x = 0; x < 8; ++x)
                    b = static_cast<std::uint8_t>(b << 1 | ((t.tiles[n][static_cast<std::size_t>(y * 8 + x)] >> bit) & 1));
                rom[chr + n * 16 + static_cast<std::size_t>(bit * 8 + y)] = b;
            }
}

} // namespace

Bytes nesImage(const Canvas& picture, const std::array<std::uint8_t, 4>& colours)
{
    const Tiles t = cutTiles(picture);
    if (t.tiles.size() > 256)
        throw std::runtime_error("the NES picture needs more than 256 tiles");
    const std::size_t prg = 16;
    Bytes rom(16 + 16 * 1024 + 8 * 1024, 0);
    put(rom, 0, {'N', 'E', 'S', 0x1A, 1, 1, 0, 0});

    const unsigned palAddr = 0xD400, ntAddr = 0xD000;
    const Bytes code = nesProgram(palAddr, ntAddr);
    const unsigned rti = 0xC000 + static_cast<unsigned>(code.size()) - 1;
    put(rom, prg, code);

    Bytes nameTable(1024, 0);  // 960 tiles, then attributes: palette 0 everywhere
    for (std::size_t i = 0; i < t.map.size() && i < 960; ++i)
        nameTable[i] = static_cast<std::uint8_t>(t.map[i]);
    put(rom, prg + (ntAddr - 0xC000), nameTable);
    Bytes palette;
    for (int k = 0; k < 8; ++k)
        palette.insert(palette.end(), colours.begin(), colours.end());
    put(rom, prg + (palAddr - 0xC000), palette);
    put(rom, prg + 0x3FFA, {lo(rti), hi(rti), 0x00, 0xC0, lo(rti), hi(rti)});  // NMI, reset, IRQ

    putNesTiles(rom, prg + 16 * 1024, t);
    return rom;
}

// ---- Mega Drive ----------------------------------------------------------

namespace {

void be16(Bytes& out, unsigned v) { out.push_back(hi(v)), out.push_back(lo(v)); }
void be32(Bytes& out, std::uint32_t v) { be16(out, v >> 16), be16(out, v & 0xFFFF); }

// 4-bit pixels, two to a byte.
Bytes megaDriveTileBytes(const Tiles& t)
{
    Bytes tiles;
    for (const auto& tile : t.tiles)
        for (std::size_t i = 0; i < 64; i += 2)
            tiles.push_back(static_cast<std::uint8_t>(tile[i] << 4 | tile[i + 1]));
    return tiles;
}

// A 32x32 map of tile numbers, high byte first.
Bytes megaDriveTileMap(const Tiles& t)
{
    Bytes tileMap;
    for (std::size_t i = 0; i < 32 * 32; ++i)
        be16(tileMap, i < t.map.size() ? t.map[i] : 0);
    return tileMap;
}

// 16 colours of 3 bits per channel; colours the picture does not use are
// black.
Bytes megaDrivePalette(const Canvas& picture)
{
    Bytes palette;
    for (const Rgb& c : picture.palette())
        be16(palette, static_cast<unsigned>(((c.b >> 5) << 9) | ((c.g >> 5) << 5) | ((c.r >> 5) << 1)));
    palette.resize(32, 0);
    return palette;
}

// VDP registers: display off, planes A $C000 and B $E000, window $B000,
// sprites $B800, horizontal scroll $BC00, 256 pixels wide, 32x32 planes.
Bytes vdpRegisters()
{
    Bytes regs;
    for (unsigned r : {0x8004u, 0x8104u, 0x8230u, 0x832Cu, 0x8407u, 0x855Cu, 0x8600u, 0x8700u, 0x8800u, 0x8900u,
                       0x8A00u, 0x8B00u, 0x8C00u, 0x8D2Fu, 0x8E00u, 0x8F02u, 0x9000u, 0x9100u, 0x9200u})
        be16(regs, r);
    return regs;
}

// Where the program finds its data in the cartridge.
struct MegaDriveData {
    std::uint32_t regsAt, palAt, mapAt, tilesAt;
    std::size_t regsSize, tilesSize;
};

// 68000 code at $200: unlock the VDP where the hardware asks for it, load
// its registers, the colours, zero scroll, the tiles and plane A's map,
// switch the display on and wait. It ends with an rte for the other
// vectors.
Bytes megaDriveProgram(const MegaDriveData& d)
{
    Bytes code;
    auto words = [&](std::initializer_list<unsigned> ws) {
        for (unsigned w : ws)
            be16(code, w);
    };
    auto leaA0 = [&](std::uint32_t a) { words({0x41F9}), be32(code, a); };
    auto command = [&](std::uint32_t c) { words({0x22BC}), be32(code, c); };  // move.l #c,(a1)
    words({0x1039, 0x00A1, 0x0001,                   // move.b $A10001,d0: hardware version
           0x0200, 0x000F, 0x670A,                   // andi.b #$0F,d0; beq.s past the next
           0x23FC, 0x5345, 0x4741, 0x00A1, 0x4000,   // move.l #'SEGA',$A14000: unlock the VDP
           0x43F9, 0x00C0, 0x0004,                   // lea VDP control,a1
           0x45F9, 0x00C0, 0x0000});                 // lea VDP data,a2
    leaA0(d.regsAt);
    words({0x7200 | static_cast<unsigned>(d.regsSize / 2 - 1),  // moveq #count-1,d1
           0x3298, 0x51C9, 0xFFFC});                             // move.w (a0)+,(a1); dbra
    command(0xC0000000);  // colour RAM from 0
    leaA0(d.palAt);
    words({0x720F, 0x3498, 0x51C9, 0xFFFC});  // 16 colours: move.w (a0)+,(a2)
    command(0x40000010);                      // vertical scroll RAM
    words({0x24BC, 0x0000, 0x0000});          // move.l #0,(a2)
    command(0x7C000002);                      // horizontal scroll table
    words({0x24BC, 0x0000, 0x0000});
    command(0x40000000);  // tiles from VRAM 0
    leaA0(d.tilesAt);
    words({0x323C, static_cast<unsigned>(d.tilesSize / 4 - 1), 0x2498, 0x51C9, 0xFFFC});  // move.l (a0)+,(a2)
    command(0x40000003);  // plane A map at $C000
    leaA0(d.mapAt);
    words({0x323C, 32 * 32 - 1, 0x3498, 0x51C9, 0xFFFC});
    words({0x32BC, 0x8144,   // display on
           0x60FE,           // wait here for good
           0x4E73});         // rte: every other vector
    return code;
}

// The vector table and the cartridge header with the title under both
// names.
void putMegaDriveHeader(Bytes& rom, const std::string& title, std::uint32_t rte)
{
    Bytes vectors;
    be32(vectors, 0x00FFFE00);  // stack
    be32(vectors, 0x200);       // entry
    for (int v = 2; v < 64; ++v)
        be32(vectors, rte);
    put(rom, 0, vectors);
    putText(rom, 0x100, "SEGA MEGA DRIVE ", 16);
    putText(rom, 0x110, "(C)DEMO 2026.JAN", 16);
    putText(rom, 0x120, title, 48);
    putText(rom, 0x150, title, 48);
    putText(rom, 0x180, "GM 00000000-00", 14);
    putText(rom, 0x190, "J", 16);
    put(rom, 0x1A0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF});  // ROM from 0 to $FFFF
    put(rom, 0x1A8, {0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF});  // work RAM
    putText(rom, 0x1F0, "JUE", 16);
}

} // namespace

Bytes megaDriveImage(const Canvas& picture, const std::string& title)
{
    const Tiles t = cutTiles(picture);
    const Bytes tiles = megaDriveTileBytes(t);
    const Bytes regs = vdpRegisters();
    const MegaDriveData data{0x400, 0x480, 0x800, 0x1000, regs.size(), tiles.size()};
    const Bytes code = megaDriveProgram(data);
    const std::uint32_t rte = 0x200 + static_cast<std::uint32_t>(code.size()) - 2;

    Bytes rom(64 * 1024, 0);
    putMegaDriveHeader(rom, title, rte);
    put(rom, 0x200, code);
    put(rom, data.regsAt, regs);
    put(rom, data.palAt, megaDrivePalette(picture));
    put(rom, data.mapAt, megaDriveTileMap(t));
    if (data.tilesAt + tiles.size() > rom.size())
        throw std::runtime_error("too many tiles in the picture of " + title);
    put(rom, data.tilesAt, tiles);
    return rom;
}

} // namespace demo
