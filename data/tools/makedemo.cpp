// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time generator of the demo ROM folder of the ready Kivalto folder
// (its paths.dat is written by the program's first start, so that it names
// the folder wherever the folder was copied). Every image is made up here
// (democonsoles.cpp): a tiny program that shows its game's picture and title, with a valid header, so
// the ROM list has real header titles to show and an emulator has
// something to run. Beside each ROM lies a settings file that selects the
// mednafen plugin, so a double-click on the title and Run start it, and a
// snapshot of the same picture, shown when the ROM is selected.
//
//   makedemo <Kivalto folder on the host>

#include "demobitmap.h"
#include "democonsoles.h"
#include "launch/romsettings.h"
#include "plugins/pluginfile.h"
#include "roms/memoryfile.h"
#include "roms/romcatalogue.h"
#include "roms/romtitle.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>
#include <zlib.h>

namespace {

using demo::Bytes;
using demo::le16;
using demo::le32;
using demo::Map;

// The member's CRC-32, as ZIP stores it.
std::uint32_t crc32Of(const Bytes& data)
{
    return static_cast<std::uint32_t>(::crc32(0L, data.data(), static_cast<uInt>(data.size())));
}

// A ZIP archive holding one stored (uncompressed) member.
Bytes storedZip(const std::string& name, const Bytes& data)
{
    const std::uint32_t crc = crc32Of(data);
    const auto size = static_cast<std::uint32_t>(data.size());
    const std::uint32_t dosTime = 0;                            // 00:00:00
    const std::uint32_t dosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;  // 2026-01-01
    Bytes zip;
    le32(zip, 0x04034B50);  // local file header
    le16(zip, 10);          // version needed: 1.0
    le16(zip, 0);           // flags
    le16(zip, 0);           // stored
    le16(zip, dosTime);
    le16(zip, dosDate);
    le32(zip, crc);
    le32(zip, size);
    le32(zip, size);
    le16(zip, static_cast<std::uint32_t>(name.size()));
    le16(zip, 0);
    zip.insert(zip.end(), name.begin(), name.end());
    zip.insert(zip.end(), data.begin(), data.end());

    const auto central = static_cast<std::uint32_t>(zip.size());
    le32(zip, 0x02014B50);  // central directory entry
    le16(zip, 20);          // made by: MS-DOS, 2.0
    le16(zip, 10);
    le16(zip, 0);
    le16(zip, 0);
    le16(zip, dosTime);
    le16(zip, dosDate);
    le32(zip, crc);
    le32(zip, size);
    le32(zip, size);
    le16(zip, static_cast<std::uint32_t>(name.size()));
    le16(zip, 0);  // extra
    le16(zip, 0);  // comment
    le16(zip, 0);  // disk
    le16(zip, 0);  // internal attributes
    le32(zip, 0);  // external attributes
    le32(zip, 0);  // offset of the local header
    zip.insert(zip.end(), name.begin(), name.end());
    const auto centralSize = static_cast<std::uint32_t>(zip.size()) - central;

    le32(zip, 0x06054B50);  // end of central directory
    le16(zip, 0);
    le16(zip, 0);
    le16(zip, 1);
    le16(zip, 1);
    le32(zip, centralSize);
    le32(zip, central);
    le16(zip, 0);
    return zip;
}

void write(const std::filesystem::path& file, const Bytes& data)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The title list must show what the demo promises: checked with the
// program's own header reader.
void expectTitle(const std::string& fileName, const Bytes& image, const std::string& expected)
{
    const std::string bytes(image.begin(), image.end());
    kivalto::MemoryReadFile file(bytes);
    std::string title = kivalto::ReadRomTitle(fileName, file);
    while (!title.empty() && title.back() == ' ')
        title.pop_back();
    if (title != expected)
        throw std::runtime_error(fileName + " reads as \"" + title + "\", not \"" + expected + "\"");
}

// The settings file of a ROM: the shipped plugin, sound on, a 3x window,
// the first controller.
void writeSettings(const std::filesystem::path& rom, const std::string& pluginFile)
{
    std::ifstream in(std::filesystem::path(KIVALTO_SHIPPED_DIR) / pluginFile, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    kivalto::EmulatorPlugin plugin;
    if (kivalto::readPluginFile(bytes, plugin) != kivalto::PluginRead::Complete)
        throw std::runtime_error("cannot read the plugin " + pluginFile);
    kivalto::RomSettings s;
    s.pluginFile = pluginFile;
    for (const auto& o : plugin.options)
        if (o.name.rfind('#', 0) != 0)
            s.options.push_back(o.name == "Sound On");
    for (const auto& m : plugin.displayModes)
        s.displayModes.push_back(m.name == "Window 3x");
    s.controller = 1;
    const auto name = kivalto::settingsFileName(rom.filename().string());
    write(rom.parent_path() / *name, text(kivalto::writeRomSettings(s)));
}

// One demo game: its ROM file, the plugin its settings select, the scene
// it draws and the ROM image that draws it.
struct DemoGame {
    std::filesystem::path rom;
    const char* plugin;
    const demo::Canvas& scene;
    Bytes image;
};

// The snapshot beside a ROM, named by the program's own rule.
std::filesystem::path snapshotFile(const std::filesystem::path& rom)
{
    return rom.parent_path() / (kivalto::snapshotBase(rom.filename().string()) + "BMP");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: makedemo <Kivalto folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        const std::filesystem::path roms = dir / "ROMS";

        // Each game's scene is painted once: the ROM draws it, and its
        // snapshot shows it in the main window.
        const auto scene = [](const std::string& title, int height) { return demo::paintScene(title, 256, height); };
        const demo::Canvas starlight = scene("STARLIGHT COURIER", 224);
        const demo::Canvas moss = scene("MOSS KNIGHT QUEST", 224);
        const demo::Canvas tidepool = scene("TIDEPOOL RACERS", 224);
        const demo::Canvas clockwork = scene("CLOCKWORK ORCHARD", 224);
        const demo::Canvas puzzle = scene("PUZZLE BOX DELUXE", 224);
        const demo::Canvas orbital = scene("ORBITAL GARDENER", 224);
        const demo::Canvas pixelRunner = scene("PIXEL RUNNER", 224);
        const demo::Canvas lantern = scene("LANTERN", 240);

        const Bytes starlightRom = demo::snesImage(starlight, "STARLIGHT COURIER", Map::LoRom, 128, false);
        const Bytes mossRom = demo::snesImage(moss, "MOSS KNIGHT QUEST", Map::LoRom, 128, true);
        const Bytes tidepoolRom = demo::snesImage(tidepool, "TIDEPOOL RACERS", Map::HiRom, 128, true);
        // HiROM without a copier header: no read position reaches its
        // title, so the list shows the file name.
        const Bytes clockworkRom = demo::snesImage(clockwork, "CLOCKWORK ORCHARD", Map::HiRom, 128, false);
        const Bytes puzzleRom = demo::snesImage(puzzle, "PUZZLE BOX DELUXE", Map::LoRom, 64, false);
        const Bytes orbitalRom = demo::snesImage(orbital, "ORBITAL GARDENER", Map::LoRom, 64, true);
        expectTitle("STARCOUR.SMC", starlightRom, "STARLIGHT COURIER");
        expectTitle("MOSSKNGT.SMC", mossRom, "MOSS KNIGHT QUEST");
        expectTitle("TIDEPOOL.SWC", tidepoolRom, "TIDEPOOL RACERS");
        expectTitle("CLOCKWRK.SFC", clockworkRom, "CLOCKWRK'");
        expectTitle("PUZZLBOX.SMC", puzzleRom, "PUZZLE BOX DELUXE");
        expectTitle("ORBITAL.SMC", orbitalRom, "ORBITAL GARDENER");

        const DemoGame games[] = {
            {roms / "STARCOUR.SMC", "MEDSNES.XPL", starlight, starlightRom},
            {roms / "MOSSKNGT.SMC", "MEDSNES.XPL", moss, mossRom},
            {roms / "TIDEPOOL.SWC", "MEDSNES.XPL", tidepool, tidepoolRom},
            {roms / "CLOCKWRK.SFC", "MEDSNES.XPL", clockwork, clockworkRom},
            {roms / "PUZZLBOX.ZIP", "MEDSNES.XPL", puzzle, storedZip("PUZZLBOX.SMC", puzzleRom)},
            {roms / "HOMEBREW" / "ORBITAL.SMC", "MEDSNES.XPL", orbital, orbitalRom},
            {roms / "PIXELRUN.SMD", "MEDMD.XPL", pixelRunner, demo::megaDriveImage(pixelRunner, "PIXEL RUNNER")},
            {roms / "LANTERN.NES", "MEDNES.XPL", lantern, demo::nesImage(lantern, {0x0F, 0x28, 0x16, 0x30})}};
        for (const DemoGame& game : games) {
            write(game.rom, game.image);
            write(snapshotFile(game.rom), demo::bmpFile(game.scene));
            writeSettings(game.rom, game.plugin);
        }
    } catch (const std::exception& e) {
        std::cerr << "makedemo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
