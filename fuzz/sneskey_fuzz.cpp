// Controller profiles, SnesKey.dat and mapping files come from disk and
// may hold anything; their readers must neither crash nor loop.
#include "keys/sneskey.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kivalto::ControllerProfile profile;
    kivalto::readControllerProfile(bytes, profile);
    kivalto::readSnesKeyDat(bytes);
    try {
        kivalto::writeMappingFile(kivalto::readMappingFile(bytes));
    } catch (const kivalto::MappingFileError&) {
    }
    return 0;
}
