// SPDX-License-Identifier: GPL-3.0-or-later
// Controller profiles, SnesKey.dat and mapping files come from disk and
// may hold anything; their readers must neither crash nor loop, and keep
// within the text files' limits however long the file.
#include "fuzzinput.h"
#include "keys/sneskey.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = fuzzinput::pastTheLimits({reinterpret_cast<const char*>(data), size});
    kivalto::ControllerProfile profile;
    kivalto::readControllerProfile(bytes, profile);
    if (!fuzzinput::withinLimits(profile.driverLines) || !fuzzinput::withinLimits(profile.buttons))
        std::abort();
    const kivalto::StoredSnesKeySetup setup = kivalto::readSnesKeyDat(bytes);
    if (!fuzzinput::withinLimits(setup.buttonSlots) ||
        setup.controllerName.value_or("").size() > kivalto::kMaxFieldBytes)
        std::abort();
    try {
        const auto keys = kivalto::readMappingFile(bytes);
        if (!fuzzinput::withinLimits(keys))
            std::abort();
        kivalto::writeMappingFile(keys);
    } catch (const kivalto::MappingFileError&) {
    }
    return 0;
}
