// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: a ZIP or GZip ROM of arbitrary bytes unpacked for a
// native emulator. Whatever the archive holds, its files land directly in
// one new folder under the temporary root, and a failure leaves nothing.
#include "launch/romunpack.h"
#include "platform/nativeprocess.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kivalto;

namespace {

// The scratch folder's name lives in a plain buffer, so that the exit
// handler that removes the folder can still read it.
char scratchName[256];

fs::path scratch()
{
    if (!scratchName[0]) {
        const std::string t = (fs::temp_directory_path() / "kivalto-unpack-fuzz-XXXXXX").string();
        if (t.size() >= sizeof scratchName)
            std::abort();
        t.copy(scratchName, t.size());
        if (!::mkdtemp(scratchName))
            std::abort();
        fs::create_directories(fs::path(scratchName) / "tmp");
        std::atexit([] { removeFolderTree(scratchName); });
    }
    return scratchName;
}

void check(const fs::path& archive, UnpackKind kind)
{
    const fs::path tmp = scratch() / "tmp";
    const UnpackedRom u = unpackRom(archive, kind, "*.SMC;*.ZIP", tmp);
    if (!u.error.empty()) {
        if (!fs::is_empty(tmp))
            std::abort();
        return;
    }
    if (u.folder.parent_path() != tmp || u.rom.parent_path() != u.folder || !fs::is_regular_file(u.rom))
        std::abort();
    for (const auto& entry : fs::directory_iterator(u.folder))
        if (!entry.is_regular_file())
            std::abort();
    removeFolderTree(u.folder.string());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const std::string name : {"ROM.ZIP", "ROM.SMC.GZ"}) {
        const fs::path file = scratch() / name;
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        check(file, name.ends_with(".GZ") ? UnpackKind::Gzip : UnpackKind::Zip);
    }
    const std::string name = safeMemberName(std::string_view(reinterpret_cast<const char*>(data), size));
    if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
        std::abort();
    return 0;
}
