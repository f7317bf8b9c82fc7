// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/libretrocore.h"

#include <filesystem>
#include <string_view>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

// The cores of Debian's libretro packages, by file name.
constexpr std::pair<std::string_view, std::string_view> kCorePackages[] = {
    {"bsnes_mercury_balanced_libretro.so", "libretro-bsnes-mercury-balanced"},
    {"nestopia_libretro.so", "libretro-nestopia"},
    {"gambatte_libretro.so", "libretro-gambatte"},
    {"mednafen_pce_fast_libretro.so", "libretro-beetle-pce-fast"},
};

} // namespace

std::optional<std::string> libretroCoreArgument(const std::string& program, const std::vector<std::string>& arguments)
{
    if (fs::path(program).filename() != "retroarch")
        return std::nullopt;
    std::optional<std::string> core;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "--")
            break;
        if (word == "-L" || word == "--libretro") {
            if (i + 1 < arguments.size())
                core = arguments[++i];
        } else if (word.starts_with("--libretro=")) {
            core = std::string(word.substr(11));
        } else if (word.starts_with("-L")) {
            core = std::string(word.substr(2));
        }
    }
    return core;
}

std::optional<MissingCore> missingLibretroCore(const std::string& program, const std::vector<std::string>& arguments)
{
    const auto core = libretroCoreArgument(program, arguments);
    if (!core || core->empty() || core->front() != '/')
        return std::nullopt;
    std::error_code ec;
    if (fs::is_regular_file(*core, ec))
        return std::nullopt;
    MissingCore missing{*core, {}};
    const std::string name = fs::path(*core).filename().string();
    for (const auto& [file, package] : kCorePackages)
        if (name == file)
            missing.package = package;
    return missing;
}

std::string missingCoreMessage(const MissingCore& core)
{
    const std::string remedy =
        core.package.empty()
            ? "Install that core, or correct the -L switch of the plugin."
            : "Install it with the package " + core.package + " (as root: apt-get install " + core.package + ").";
    return "The RetroArch core " + core.path + " was not found. " + remedy + " Nothing was started.";
}

} // namespace kivalto
