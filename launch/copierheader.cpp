// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/copierheader.h"

#include "launch/libretrocore.h"
#include "launch/romunpack.h"
#include "platform/hostwrite.h"
#include "platform/nativeprocess.h"
#include "platform/textfield.h"

#include <fstream>
#include <iterator>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kHeaderSize = 512;
// Far more than any SNES cartridge; a larger file is left as it is.
constexpr std::uintmax_t kMaxRomSize = std::uintmax_t(64) << 20;

// An archive given to the emulator as it is (a GZip file not unpacked) is
// no SNES image: its bytes stay as they are.
bool isArchiveName(const fs::path& file)
{
    const std::string ext = toUpper(file.extension().string());
    return ext == ".GZ" || ext == ".ZIP";
}

} // namespace

bool hasCopierHeader(std::uintmax_t size) { return size % 1024 == kHeaderSize; }

bool coreWantsHeaderlessSnes(const std::string& program, const std::vector<std::string>& arguments)
{
    const auto core = libretroCoreArgument(program, arguments);
    return core && fs::path(*core).filename().string().starts_with("bsnes");
}

HeaderlessRom withoutCopierHeader(const fs::path& rom, const fs::path& privateFolder, const fs::path& tempRoot)
{
    HeaderlessRom out{rom, {}, {}};
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(rom, ec);
    if (ec || !hasCopierHeader(size) || size > kMaxRomSize || isArchiveName(rom))
        return out;
    std::ifstream in(rom, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(kHeaderSize));
    const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || image.size() != size - kHeaderSize) {
        out.error = "cannot read " + rom.string();
        return out;
    }
    fs::path folder = privateFolder;
    if (folder.empty()) {
        std::string error;
        folder = makePrivateFolder(tempRoot, error);
        if (folder.empty()) {
            out.error = error;
            return out;
        }
        out.folder = folder;
    }
    try {
        out.rom = folder / rom.filename();
        writeHostFileWhole(out.rom, image);
    } catch (const std::exception& e) {
        removeFolderTree(out.folder.string());
        out = {rom, {}, e.what()};
    }
    return out;
}

} // namespace kivalto
