// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of a SNES image without its copier header, for the bsnes cores.
#include "launch/copierheader.h"

#include "platform/nativeprocess.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

class CopierHeader : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kvhead" + std::to_string(::getpid()));
        fs::create_directories(dir / "tmp");
        fs::create_directories(dir / "unpacked");
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const fs::path& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    static std::string read(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir;
};

} // namespace

TEST_F(CopierHeader, OnlyHalfAKilobytePastAWholeOneIsAHeader)
{
    const std::pair<std::uintmax_t, bool> sizes[] = {
        {0, false}, {512, true}, {1024, false}, {32768, false}, {32768 + 512, true}, {4194304 + 512, true},
        {32768 + 511, false}, {32768 + 513, false}};
    for (const auto& [size, header] : sizes)
        EXPECT_EQ(hasCopierHeader(size), header) << size;
}

TEST_F(CopierHeader, OnlyTheBsnesCoresOfRetroArchWantTheCopy)
{
    EXPECT_TRUE(coreWantsHeaderlessSnes("/usr/bin/retroarch", {"-L", "/usr/lib/x/libretro/bsnes_mercury_balanced_libretro.so", "a.smc"}));
    EXPECT_TRUE(coreWantsHeaderlessSnes("/usr/bin/retroarch", {"-Lbsnes_mercury_accuracy"}));
    EXPECT_FALSE(coreWantsHeaderlessSnes("/usr/bin/retroarch", {"-L", "/usr/lib/x/libretro/snes9x_libretro.so"}));
    EXPECT_FALSE(coreWantsHeaderlessSnes("/usr/bin/retroarch", {"a.smc"}));
    EXPECT_FALSE(coreWantsHeaderlessSnes("/usr/games/mednafen", {"-L", "bsnes"}));
}

TEST_F(CopierHeader, TheCopyLosesTheFirst512BytesAndTheRomStays)
{
    const std::string image(4096, 'i');
    const fs::path rom = write(dir / "GAME.SMC", std::string(512, 'h') + image);

    // A plain ROM: the copy goes into a new private folder.
    const HeaderlessRom plain = withoutCopierHeader(rom, {}, dir / "tmp");
    ASSERT_EQ(plain.error, "");
    ASSERT_FALSE(plain.folder.empty());
    EXPECT_EQ(plain.folder.parent_path(), dir / "tmp");
    EXPECT_EQ(plain.rom, plain.folder / "GAME.SMC");
    EXPECT_EQ(read(plain.rom), image);
    EXPECT_EQ(fs::status(plain.folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(read(rom).size(), 4608u);
    removeFolderTree(plain.folder.string());

    // An unpacked ROM: replaced in its own private folder, no new one.
    const fs::path unpacked = write(dir / "unpacked" / "GAME.SMC", std::string(512, 'h') + image);
    const HeaderlessRom inPlace = withoutCopierHeader(unpacked, dir / "unpacked", dir / "tmp");
    ASSERT_EQ(inPlace.error, "");
    EXPECT_TRUE(inPlace.folder.empty());
    EXPECT_EQ(inPlace.rom, unpacked);
    EXPECT_EQ(read(unpacked), image);

    // No header, or no file: the ROM as it is, nothing made.
    const fs::path bare = write(dir / "BARE.SFC", image);
    const fs::path packed = write(dir / "PACKED.gz", std::string(512, 'h') + image);
    for (const fs::path& file : {bare, packed, dir / "MISSING.SMC"}) {
        const HeaderlessRom same = withoutCopierHeader(file, {}, dir / "tmp");
        EXPECT_EQ(same.rom, file);
        EXPECT_TRUE(same.folder.empty());
        EXPECT_EQ(same.error, "");
    }
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));

    // No private folder can be made: reported, nothing given.
    const HeaderlessRom failed = withoutCopierHeader(rom, {}, dir / "no such folder");
    EXPECT_NE(failed.error.find("no private folder could be made"), std::string::npos);
    EXPECT_EQ(failed.rom, rom);
}
