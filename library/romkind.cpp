// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/romkind.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kivalto {

namespace {

constexpr std::array<RomExtension, 14> kExtensions = {{
    {".smc", "SNES"},          {".sfc", "SNES"},       {".swc", "SNES"},
    {".fig", "SNES"},          {".nes", "NES"},        {".gb", "GAMEBOY"},
    {".gbc", "GAMEBOY"},       {".md", "MEGA DRIVE"},  {".gen", "MEGA DRIVE"},
    {".smd", "MEGA DRIVE"},    {".bin", "MEGA DRIVE"}, {".sms", "MASTER SYSTEM"},
    {".gg", "GAME GEAR"},      {".pce", "PC ENGINE"},
}};

constexpr std::size_t kSegaMarkOffset = 0x100;

} // namespace

const RomExtension* romExtensionsBegin() { return kExtensions.data(); }
const RomExtension* romExtensionsEnd() { return kExtensions.data() + kExtensions.size(); }

std::string lowerExtension(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos)
        return {};
    std::string ext(fileName.substr(dot));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

PackKind packKindOf(std::string_view fileName)
{
    const std::string ext = lowerExtension(fileName);
    if (ext == ".zip")
        return PackKind::Zip;
    if (ext == ".gz")
        return PackKind::Gzip;
    return PackKind::None;
}

std::optional<std::string> systemOfName(std::string_view fileName)
{
    const std::string ext = lowerExtension(fileName);
    for (auto it = romExtensionsBegin(); it != romExtensionsEnd(); ++it)
        if (ext == it->extension)
            return std::string(it->system);
    return std::nullopt;
}

bool needsSegaMark(std::string_view fileName) { return lowerExtension(fileName) == ".bin"; }

bool hasSegaMark(std::string_view head)
{
    return head.size() >= kSegaMarkOffset + 4 && head.substr(kSegaMarkOffset, 4) == "SEGA";
}

} // namespace kivalto
