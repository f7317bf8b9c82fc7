// Build-time generator of the demo ROM folder and paths.dat of the ready
// Kivalto folder. Every image is made up here: a tiny SNES program (it
// only waits for the next reset) with a valid internal header, so the
// ROM list has real header titles to show.
//
//   makedemo <Kivalto folder on the host> <the same folder as a DOS path>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Map { LoRom, HiRom };

// Header offset within the image (without a copier header).
std::size_t headerOffset(Map map) { return map == Map::LoRom ? 0x7FC0 : 0xFFC0; }

Bytes snesImage(const std::string& title, Map map, std::size_t kib, bool copierHeader)
{
    Bytes rom(kib * 1024, 0);
    // Reset code at CPU $00:8000: sei; clc; xce; loop: wai; bra loop
    const std::size_t code = map == Map::LoRom ? 0x0000 : 0x8000;
    const std::uint8_t program[] = {0x78, 0x18, 0xFB, 0xCB, 0x80, 0xFD};
    std::copy(std::begin(program), std::end(program), rom.begin() + static_cast<long>(code));

    const std::size_t h = headerOffset(map);
    for (std::size_t i = 0; i < 21; ++i)
        rom[h + i] = i < title.size() ? static_cast<std::uint8_t>(title[i]) : ' ';
    rom[h + 0x15] = map == Map::LoRom ? 0x20 : 0x21;  // map mode, slow ROM
    rom[h + 0x16] = 0x00;                             // ROM only
    std::uint8_t sizeCode = 0;
    while ((1u << sizeCode) < kib)
        ++sizeCode;
    rom[h + 0x17] = sizeCode;  // 2^n KiB
    rom[h + 0x18] = 0x00;      // no SRAM
    rom[h + 0x19] = 0x01;      // North America
    rom[h + 0x1A] = 0x00;      // no licensee
    rom[h + 0x1B] = 0x00;      // version 1.0
    // Emulation-mode reset and NMI vectors (the header's last bytes).
    rom[h + 0x3C] = 0x00;
    rom[h + 0x3D] = 0x80;
    rom[h + 0x3A] = 0x05;  // NMI -> the loop
    rom[h + 0x3B] = 0x80;

    // Checksum over the image with complement FFFF and checksum 0000, the
    // usual way; the pair always adds up to the same byte sum.
    rom[h + 0x1C] = 0xFF;
    rom[h + 0x1D] = 0xFF;
    rom[h + 0x1E] = 0x00;
    rom[h + 0x1F] = 0x00;
    std::uint32_t sum = 0;
    for (std::uint8_t b : rom)
        sum += b;
    const std::uint16_t checksum = static_cast<std::uint16_t>(sum);
    const std::uint16_t complement = static_cast<std::uint16_t>(checksum ^ 0xFFFF);
    rom[h + 0x1C] = static_cast<std::uint8_t>(complement & 0xFF);
    rom[h + 0x1D] = static_cast<std::uint8_t>(complement >> 8);
    rom[h + 0x1E] = static_cast<std::uint8_t>(checksum & 0xFF);
    rom[h + 0x1F] = static_cast<std::uint8_t>(checksum >> 8);

    if (!copierHeader)
        return rom;
    // 512-byte copier header: size in 8 KiB units, then zeros.
    Bytes out(512, 0);
    const std::size_t blocks = kib / 8;
    out[0] = static_cast<std::uint8_t>(blocks & 0xFF);
    out[1] = static_cast<std::uint8_t>(blocks >> 8);
    out[2] = map == Map::HiRom ? 0x30 : 0x00;
    out.insert(out.end(), rom.begin(), rom.end());
    return out;
}

// A minimal Mega Drive cartridge: vectors and the header at 0x100.
Bytes megaDriveImage(const std::string& title)
{
    Bytes rom(64 * 1024, 0);
    auto put = [&](std::size_t at, const std::string& text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            rom[at + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
    };
    rom[0x04] = 0x00, rom[0x05] = 0x00, rom[0x06] = 0x02, rom[0x07] = 0x00;  // entry at 0x200
    rom[0x200] = 0x60, rom[0x201] = 0xFE;                                    // bra.s *
    put(0x100, "SEGA MEGA DRIVE ", 16);
    put(0x110, "(C)DEMO 2026.JAN", 16);
    put(0x120, title, 48);
    put(0x150, title, 48);
    put(0x180, "GM 00000000-00", 14);
    put(0x190, "J", 16);
    rom[0x1A4] = 0x00, rom[0x1A5] = 0x00, rom[0x1A6] = 0xFF, rom[0x1A7] = 0xFF;  // ROM end
    put(0x1F0, "JUE", 16);
    return rom;
}

// A minimal iNES file: one 16 KiB program bank and one 8 KiB picture bank.
Bytes nesImage()
{
    Bytes rom(16 + 16 * 1024 + 8 * 1024, 0);
    const std::uint8_t header[] = {'N', 'E', 'S', 0x1A, 1, 1, 0, 0};
    std::copy(std::begin(header), std::end(header), rom.begin());
    const std::size_t prg = 16;
    rom[prg + 0] = 0x4C, rom[prg + 1] = 0x00, rom[prg + 2] = 0xC0;  // jmp $C000
    const std::size_t vectors = prg + 0x3FFA;
    for (std::size_t i = 0; i < 6; i += 2)
        rom[vectors + i] = 0x00, rom[vectors + i + 1] = 0xC0;
    return rom;
}

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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: makedemo <Kivalto folder> <its DOS path>\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::string dos = argv[2];
        if (dos.empty() || dos.back() != '\\')
            dos += '\\';
        const std::filesystem::path roms = dir / "ROMS";

        write(roms / "STARCOUR.SMC", snesImage("STARLIGHT COURIER", Map::LoRom, 128, false));
        write(roms / "MOSSKNGT.SMC", snesImage("MOSS KNIGHT QUEST", Map::LoRom, 128, true));
        write(roms / "TIDEPOOL.SWC", snesImage("TIDEPOOL RACERS", Map::HiRom, 128, true));
        // HiROM without a copier header: no read position reaches its
        // title, so the list shows the file name.
        write(roms / "CLOCKWRK.SFC", snesImage("CLOCKWORK ORCHARD", Map::HiRom, 128, false));
        write(roms / "PUZZLBOX.ZIP",
              storedZip("PUZZLBOX.SMC", snesImage("PUZZLE BOX DELUXE", Map::LoRom, 64, false)));
        write(roms / "HOMEBREW" / "ORBITAL.SMC", snesImage("ORBITAL GARDENER", Map::LoRom, 64, true));
        write(roms / "PIXELRUN.SMD", megaDriveImage("PIXEL RUNNER"));
        write(roms / "LANTERN.NES", nesImage());

        const std::string paths = dos + "ROMS\\\r\n" + "C:\\SPCPLAY\\\r\n" + dos + "\r\n" + "C:\\UTILS\\\r\n" +
                                  "\r\n" + "C:\\SNESKEY\\\r\n" + "\r\n";
        write(dir / "paths.dat", text(paths));
    } catch (const std::exception& e) {
        std::cerr << "makedemo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
