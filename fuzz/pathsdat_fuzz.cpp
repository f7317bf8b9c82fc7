// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the paths.dat reader and the start's check of the file
// before it. At most seven values of bounded length, and what the writer
// writes reads back the same.
#include "app/pathsettings.h"
#include "fuzzinput.h"
#include "platform/textfield.h"
#include "plugins/pluginchecks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzinput::pastTheLimits({reinterpret_cast<const char*>(data), size});
    // Start-up only ever writes this folder's default over the file.
    const auto replaced = kivalto::pathsFileForFolder(text, "C:\\KIVALTO");
    if (replaced && *replaced != kivalto::defaultPathsFile("C:\\KIVALTO"))
        std::abort();
    const kivalto::PathsFile file = kivalto::readPathsFile(text);
    if (file.read < 0 || file.read > kivalto::PathFieldCount)
        std::abort();
    bool readsBack = true;
    for (const std::string& v : file.values) {
        if (v.size() > kivalto::kMaxFieldBytes)
            std::abort();
        // Values the Paths window would warn about, or that no line can hold.
        readsBack = readsBack && !kivalto::breaksFieldReading(v) && v.find_first_of("\r\n") == std::string::npos &&
                    (v.empty() || (v.back() != ' ' && v.front() != ' ' && v.front() != '\t'));
    }
    if (readsBack && kivalto::readPathsFile(kivalto::writePathsFile(file.values)).values != file.values)
        std::abort();
    return 0;
}
