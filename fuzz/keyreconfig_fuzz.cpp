// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the readers of key reconfiguration: lookup.dat and the search
// for the ScanKey lines of zsnes.cfg with the block placement after it,
// on files of any length up to what is read of them.
#include "fuzzinput.h"
#include "keys/keyreconfig.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzinput::pastTheLimits({reinterpret_cast<const char*>(data), size});

    kivalto::ScanCodeTable table;
    kivalto::readScanCodeTable(text, table);

    kivalto::PadScanCodes codes{};
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = 10 + static_cast<int>(i);
    for (int player : {1, 2}) {
        auto line = kivalto::findLastScanKeyLine(text, player);
        if (line && !(line->start <= line->contentEnd && line->contentEnd <= line->next && line->next <= text.size()))
            std::abort();
        auto change = kivalto::planEmulatorFileChange(kivalto::KeyEmulator::ZSNES, player, codes, text);
        // The block stays inside the ScanKey line, after its name.
        if (change && (!line || change->offset < line->start + 8 ||
                       change->offset + change->bytes.size() != line->contentEnd))
            std::abort();
        auto record = kivalto::planEmulatorFileChange(kivalto::KeyEmulator::ESNES, player, codes, text);
        if (!record || record->bytes.size() > 35 + 2)
            std::abort();
    }
    return 0;
}
