// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/romdigest.h"

#include "roms/memoryfile.h"
#include "roms/romtitle.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <limits>

namespace kivalto {

namespace {

constexpr std::size_t kCopierHeader = 512;
constexpr std::size_t kInesHeader = 16;
constexpr std::size_t kSmdBlock = 16384;

// A .smd block holds the odd bytes of 16 KiB of ROM, then the even ones.
std::string_view deinterleaveSmd(std::string_view bytes, std::string& scratch)
{
    const std::string_view blocks = bytes.substr(kCopierHeader);
    scratch.resize(blocks.size());
    const std::size_t half = kSmdBlock / 2;
    for (std::size_t b = 0; b < blocks.size(); b += kSmdBlock) {
        const char* in = blocks.data() + b;
        char* out = scratch.data() + b;
        for (std::size_t i = 0; i < half; ++i) {
            out[2 * i + 1] = in[i];
            out[2 * i] = in[half + i];
        }
    }
    return scratch;
}

// Printable ASCII of a fixed header field, up to a zero byte: trims blanks
// and folds runs of blanks into one. Any other byte ends the text when
// `stopAtOther`, else it is no plain text (a domestic name in Shift-JIS).
std::string headerText(std::string_view data, std::size_t offset, std::size_t length, bool stopAtOther)
{
    if (data.size() < offset + length)
        return {};
    std::string out;
    for (char c : data.substr(offset, length)) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            break;
        if (u < 0x20 || u > 0x7e) {
            if (stopAtOther)
                break;
            return {};
        }
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out.push_back(c);
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// The boot ROM's own check of a Game Boy header, so that stray bytes are
// not taken for a title.
bool gameBoyHeaderChecks(std::string_view data)
{
    if (data.size() <= 0x14D)
        return false;
    unsigned x = 0;
    for (std::size_t i = 0x134; i <= 0x14C; ++i)
        x = x - static_cast<unsigned char>(data[i]) - 1;
    return (x & 0xFF) == static_cast<unsigned char>(data[0x14D]);
}

std::string snesTitle(std::string_view data)
{
    MemoryReadFile file(data);
    try {
        std::string title = ReadRomTitle("ROM.SMC", file);
        if (!title.empty() && title.back() != kNameMarker) {
            while (!title.empty() && title.back() == ' ')
                title.pop_back();
            return title;
        }
    } catch (...) {
        // A file too short for the header positions has no title.
    }
    return {};
}

} // namespace

std::string_view romData(std::string_view system, std::string_view extension, std::string_view bytes,
                         std::string& scratch)
{
    if (system == "NES" && bytes.size() >= kInesHeader && bytes.substr(0, 4) == std::string_view("NES\x1a", 4))
        return bytes.substr(kInesHeader);
    if (system == "SNES" && bytes.size() % 1024 == kCopierHeader)
        return bytes.substr(kCopierHeader);
    if (system == "MEGA DRIVE" && extension == ".smd" && bytes.size() > kCopierHeader &&
        (bytes.size() - kCopierHeader) % kSmdBlock == 0)
        return deinterleaveSmd(bytes, scratch);
    return bytes;
}

RomDigest digestOf(std::string_view data)
{
    RomDigest d;
    d.size = data.size();
    uLong crc = crc32(0L, Z_NULL, 0);
    for (std::size_t at = 0; at < data.size();) {  // zlib counts in uInt
        const std::size_t n = std::min<std::size_t>(data.size() - at, std::numeric_limits<uInt>::max());
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data() + at), static_cast<uInt>(n));
        at += n;
    }
    d.crc32 = static_cast<std::uint32_t>(crc);
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int mdLength = 0;
    if (EVP_Digest(data.data(), data.size(), md, &mdLength, EVP_sha1(), nullptr) == 1) {
        static const char hex[] = "0123456789abcdef";
        for (unsigned int i = 0; i < mdLength; ++i) {
            d.sha1.push_back(hex[md[i] >> 4]);
            d.sha1.push_back(hex[md[i] & 15]);
        }
    }
    return d;
}

std::string headerTitle(std::string_view system, std::string_view stored, std::string_view data)
{
    if (system == "SNES")
        return snesTitle(stored);
    if (system == "GAMEBOY")
        return gameBoyHeaderChecks(data) ? headerText(data, 0x134, 16, true) : std::string();
    if (system == "MEGA DRIVE" && data.substr(0x100, 4) == "SEGA") {
        std::string title = headerText(data, 0x150, 48, false);
        return title.empty() ? headerText(data, 0x120, 48, false) : title;
    }
    return {};
}

std::string nameWithoutExtension(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == 0 || dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

} // namespace kivalto
