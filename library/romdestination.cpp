// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/romdestination.h"

#include "launch/nativelaunch.h"
#include "platform/dospath.h"
#include "plugins/catalogue.h"
#include "plugins/pluginfile.h"

#include <algorithm>

namespace kivalto {

std::optional<std::size_t> systemKindOf(std::string_view librarySystem)
{
    for (std::size_t i = 0; i < kSystemKinds.size(); ++i)
        if (*kSystemKinds[i].catalogueMask && librarySystem == kSystemKinds[i].displayText)
            return i;
    return std::nullopt;
}

bool masksTakeRom(std::string_view fileSpec, std::string_view fileName, std::string_view dataName)
{
    return matchesPatternList(fileName, fileSpec) && (dataName == fileName || matchesPatternList(dataName, fileSpec));
}

namespace {

bool filedUnder(std::string_view fileSpec, std::size_t system)
{
    const std::vector<std::size_t> systems = systemsForFileSpec(fileSpec);
    return std::find(systems.begin(), systems.end(), system) != systems.end();
}

} // namespace

PluginChoice choosePlugin(const RomToPlace& rom, const std::optional<std::string>& activeFileSpec,
                          const std::vector<PluginCandidate>& filed)
{
    const auto system = systemKindOf(rom.system);
    if (!system)
        return {};
    auto serves = [&](const std::string& fileSpec) {
        return filedUnder(fileSpec, *system) && masksTakeRom(fileSpec, rom.fileName, rom.dataName);
    };
    if (activeFileSpec && serves(*activeFileSpec))
        return {PluginChoice::Kind::KeepActive, {}};
    for (const PluginCandidate& candidate : filed)
        if (candidate.programFound && serves(candidate.fileSpec))
            return {PluginChoice::Kind::Switch, candidate.file};
    return {};
}

bool emulatorProgramFound(const DosFs& fs, const std::string& emulatorDir, const std::string& exeName,
                          std::string_view pathList)
{
    const ProgramSearch search = findProgram(fs, emulatorDir, exeName, pathList);
    if (search.found)
        return programKind(*search.found) != ProgramKind::Windows;
    // A bare DOS name is completed by DOS in the emulator directory.
    const std::string name = fileNameOfDos(exeName);
    if (name.empty() || name.find('.') != std::string::npos)
        return false;
    static constexpr const char* kDosExtensions[] = {".EXE", ".COM", ".BAT"};
    return std::any_of(std::begin(kDosExtensions), std::end(kDosExtensions),
                       [&](const char* ext) { return fs.fileExists(joinDos(emulatorDir, exeName + ext)); });
}

std::vector<PluginCandidate> readCandidates(const DosFs& fs, const std::vector<std::string>& files,
                                            std::string_view pathList)
{
    std::vector<PluginCandidate> out;
    for (const std::string& file : files) {
        const auto bytes = fs.readAll(joinDos(fs.currentDir(), file));
        if (!bytes)
            continue;
        EmulatorPlugin plugin;
        readPluginFile(*bytes, plugin);
        out.push_back({file, plugin.fileSpec, emulatorProgramFound(fs, plugin.defaultDir, plugin.exeName, pathList)});
    }
    return out;
}

std::optional<DosRomPlace> dosPlaceOf(const DosFs& fs, const std::filesystem::path& hostPath)
{
    const auto dos = fs.hostToDos(hostPath);
    if (!dos)
        return std::nullopt;
    return DosRomPlace{parentOfDos(*dos), fileNameOfDos(*dos)};
}

std::string noPluginMessage(std::string_view system, std::string_view fileName)
{
    return "No plugin for " + std::string(system) + " has its emulator on this machine, so " + std::string(fileName) +
           " cannot be run. Install the emulator of a " + std::string(system) +
           " plugin, or correct the plugin's directory or program name in the Emulator Plugin Editor.";
}

} // namespace kivalto
