// SPDX-License-Identifier: GPL-3.0-or-later
// Made-up ROM files, archives and DATs in a temporary folder, for the
// Library's tests.
#pragma once

#include "library/romdigest.h"
#include "tests/archivefile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kivalto::test {

class LibraryFolder : public ::testing::Test {
protected:
    LibraryFolder()
    {
        std::random_device rd;
        root = std::filesystem::temp_directory_path() / ("kivalto-library-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(root);
    }
    ~LibraryFolder() override
    {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const
    {
        const auto path = root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path zip(const std::string& relative,
                              const std::vector<std::pair<std::string, std::string>>& members) const
    {
        const auto path = root / relative;
        std::filesystem::create_directories(path.parent_path());
        kivalto::test::writeArchive(path, members);
        return path;
    }
    std::filesystem::path root;
};

// `size` bytes that differ from ROM to ROM by `seed`.
inline std::string romBytes(std::size_t size, unsigned seed)
{
    std::string out(size, '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (char& c : out) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return out;
}

// `bytes` with `text` written at `offset`.
inline std::string with(std::string bytes, std::size_t offset, const std::string& text)
{
    bytes.replace(offset, text.size(), text);
    return bytes;
}

// A Logiqx DAT entry for ROM data.
inline std::string datGame(const std::string& game, const std::string& data, const std::string& extra = "",
                           bool withSha1 = true)
{
    const RomDigest d = digestOf(data);
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", d.crc32);
    return "\t<game name=\"" + game + "\">\n\t\t<description>" + game + "</description>\n\t\t<rom name=\"" + game +
           ".bin\" size=\"" + std::to_string(d.size) + "\" crc=\"" + crc + "\"" +
           (withSha1 ? " sha1=\"" + d.sha1 + "\"" : std::string()) + extra + "/>\n\t</game>\n";
}

inline std::string datFile(const std::string& games, bool withHeader = true)
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE datafile PUBLIC \"-//Logiqx//DTD ROM Management Datafile//EN\" "
           "\"http://www.logiqx.com/Dats/datafile.dtd\">\n<datafile>\n" +
           std::string(withHeader ? "\t<header>\n\t\t<name>Made up</name>\n\t\t<clrmamepro/>\n\t</header>\n" : "") +
           games + "</datafile>\n";
}

} // namespace kivalto::test
