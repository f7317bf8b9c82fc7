// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the DOS path helpers. An absolute path has a drive, a
// root and no "." or ".." component, and making it absolute again keeps it.
#include "platform/dosfs.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kivalto::DosFs fs(kivalto::DriveTable(), "C:\\KIVALTO\\SUB");
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string abs = fs.absolute(path);
    if (abs.size() < 3 || !std::isupper(static_cast<unsigned char>(abs[0])) || abs[1] != ':' || abs[2] != '\\')
        std::abort();
    std::size_t start = 3;
    while (start < abs.size()) {
        std::size_t end = abs.find('\\', start);
        if (end == std::string::npos)
            end = abs.size();
        const std::string part = abs.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos)
            std::abort();
        start = end + 1;
    }
    if (fs.absolute(abs) != abs)
        std::abort();
    const std::string parent = kivalto::parentOfDos(abs);
    if (parent.size() > abs.size() || abs.compare(0, parent.size(), parent) != 0)
        std::abort();
    if (kivalto::joinDos(kivalto::parentOfDos(abs), kivalto::fileNameOfDos(abs)) != abs && abs.size() > 3)
        std::abort();
    kivalto::LastPathComponent(path);
    kivalto::matchesPatternList(path, path);
    return 0;
}
