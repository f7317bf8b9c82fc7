// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the DAT reader and the names it hands on. Whatever the
// bytes, the reader ends; a problem names the file and a line; every entry
// kept has a game name, and its SHA-1 is empty or 40 hexadecimal digits.
#include "library/datfile.h"
#include "library/datmatch.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const kivalto::DatFile dat = kivalto::parseDat(std::string_view(reinterpret_cast<const char*>(data), size), "f.dat");
    if (!dat.problem.empty() && dat.problem.rfind("f.dat: line ", 0) != 0)
        std::abort();
    kivalto::DatIndex index;
    for (const kivalto::DatRom& rom : dat.roms) {
        if (rom.game.empty() || (!rom.sha1.empty() && rom.sha1.size() != 40))
            std::abort();
        (void)kivalto::namingOf(&rom, "x");
    }
    index.add(dat.roms);
    for (const kivalto::DatRom& rom : dat.roms)
        if (!index.match({rom.size, rom.crc32, rom.sha1}))
            std::abort();
    return 0;
}
