// Build-time generator of the demo ROM folder of the ready Kivalto folder
// (its paths.dat is written by the program's first start, so that it names
// the folder wherever the folder was copied). Every image is made up here
// (democonsoles.cpp): a tiny program that shows its game's picture and title, with a valid header, so
// the ROM list has real header titles to show and an emulator has
// something to run. Beside each ROM lies a settings file that selects the
// mednafen plugin, so a double-click on the title and Run start it.
//
//   makedemo <Kivalto folder on the host>

#include "democonsoles.h"
#include "launch/romsettings.h"
#include "plugins/pluginfile.h"
#include "roms/memoryfile.h"
#include "roms/romtitle.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using demo::Bytes;
using demo::Map;

std::uint32_t crc32(const Bytes& data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : data) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void le16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void le32(Bytes& out, std::uint32_t v)
{
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}

// A ZIP archive holding one stored (uncompressed) member.
Bytes storedZip(const std::string& name, const Bytes& data)
{
    const std::uint32_t crc = crc32(data);
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

Bytes snes(const std::string& title, Map map, std::size_t kib, bool copierHeader)
{
    return demo::snesImage(demo::paintScene(title, 256, 224), title, map, kib, copierHeader);
}

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

        const Bytes starlight = snes("STARLIGHT COURIER", Map::LoRom, 128, false);
        const Bytes moss = snes("MOSS KNIGHT QUEST", Map::LoRom, 128, true);
        const Bytes tidepool = snes("TIDEPOOL RACERS", Map::HiRom, 128, true);
        // HiROM without a copier header: no read position reaches its
        // title, so the list shows the file name.
        const Bytes clockwork = snes("CLOCKWORK ORCHARD", Map::HiRom, 128, false);
        const Bytes puzzle = snes("PUZZLE BOX DELUXE", Map::LoRom, 64, false);
        const Bytes orbital = snes("ORBITAL GARDENER", Map::LoRom, 64, true);
        expectTitle("STARCOUR.SMC", starlight, "STARLIGHT COURIER");
        expectTitle("MOSSKNGT.SMC", moss, "MOSS KNIGHT QUEST");
        expectTitle("TIDEPOOL.SWC", tidepool, "TIDEPOOL RACERS");
        expectTitle("CLOCKWRK.SFC", clockwork, "CLOCKWRK'");
        expectTitle("PUZZLBOX.SMC", puzzle, "PUZZLE BOX DELUXE");
        expectTitle("ORBITAL.SMC", orbital, "ORBITAL GARDENER");

        const std::pair<std::filesystem::path, const char*> games[] = {
            {roms / "STARCOUR.SMC", "MEDSNES.XPL"}, {roms / "MOSSKNGT.SMC", "MEDSNES.XPL"},
            {roms / "TIDEPOOL.SWC", "MEDSNES.XPL"}, {roms / "CLOCKWRK.SFC", "MEDSNES.XPL"},
            {roms / "PUZZLBOX.ZIP", "MEDSNES.XPL"}, {roms / "HOMEBREW" / "ORBITAL.SMC", "MEDSNES.XPL"},
            {roms / "PIXELRUN.SMD", "MEDMD.XPL"},   {roms / "LANTERN.NES", "MEDNES.XPL"}};
        write(games[0].first, starlight);
        write(games[1].first, moss);
        write(games[2].first, tidepool);
        write(games[3].first, clockwork);
        write(games[4].first, storedZip("PUZZLBOX.SMC", puzzle));
        write(games[5].first, orbital);
        write(games[6].first, demo::megaDriveImage(demo::paintScene("PIXEL RUNNER", 256, 224), "PIXEL RUNNER"));
        write(games[7].first, demo::nesImage(demo::paintScene("LANTERN", 256, 240), {0x0F, 0x28, 0x16, 0x30}));
        for (const auto& [rom, plugin] : games)
            writeSettings(rom, plugin);
    } catch (const std::exception& e) {
        std::cerr << "makedemo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
