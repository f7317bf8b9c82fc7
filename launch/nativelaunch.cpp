// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/nativelaunch.h"

#include "platform/textfield.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

bool anyExecuteBit(const fs::path& file)
{
    std::error_code ec;
    const fs::perms p = fs::status(file, ec).permissions();
    return !ec && (p & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) != fs::perms::none;
}

bool isRegularFile(const fs::path& file)
{
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

std::vector<std::string> splitList(std::string_view list, char separator)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(separator, start);
        if (end == std::string_view::npos)
            end = list.size();
        out.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

void appendWords(std::vector<std::string>& out, std::string_view text)
{
    for (auto& w : splitWords(text))
        out.push_back(std::move(w));
}

} // namespace

ProgramKind programKind(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::array<char, 64> head{};
    in.read(head.data(), head.size());
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got >= 4 && std::memcmp(head.data(), "\x7f" "ELF", 4) == 0)
        return ProgramKind::Native;
    if (got >= 2 && head[0] == '#' && head[1] == '!')
        return anyExecuteBit(file) ? ProgramKind::Native : ProgramKind::Dos;
    if (got == head.size() && head[0] == 'M' && head[1] == 'Z') {
        // The new-header offset; NE and LE programs (Windows 3, DOS
        // extenders) stay with DOS.
        const auto* b = reinterpret_cast<const unsigned char*>(head.data()) + 0x3c;
        const std::uint32_t offset = b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        std::array<char, 4> signature{};
        in.clear();
        if (in.seekg(offset) && in.read(signature.data(), signature.size()) &&
            std::memcmp(signature.data(), "PE\0\0", 4) == 0)
            return ProgramKind::Windows;
    }
    return ProgramKind::Dos;
}

ProgramSearch findProgram(const DosFs& dos, const std::string& emulatorDir, const std::string& exeName,
                          std::string_view pathList)
{
    ProgramSearch search;
    const std::string dosPath = dos.absolute(joinDos(emulatorDir, exeName));
    auto inEmulatorDir = dos.resolveExisting(dosPath);
    if (inEmulatorDir && isRegularFile(*inEmulatorDir)) {
        search.found = *inEmulatorDir;
        return search;
    }
    const std::string dosFolder = parentOfDos(dosPath);
    auto hostFolder = dos.resolveExisting(dosFolder);
    search.searched.push_back(hostFolder ? dosFolder + " (" + hostFolder->string() + ")" : dosFolder);
    if (exeName.empty() || exeName.find_first_of("/\\:") != std::string::npos)
        return search;
    std::vector<std::string> folders = splitList(pathList, ':');
    folders.insert(folders.end(), {"/usr/local/games", "/usr/games"});
    for (const std::string& folder : folders) {
        // An empty entry would mean the current folder: not a place for emulators.
        if (folder.empty() || folder.front() != '/' ||
            std::find(search.searched.begin(), search.searched.end(), folder) != search.searched.end())
            continue;
        search.searched.push_back(folder);
        const fs::path candidate = fs::path(folder) / exeName;
        if (isRegularFile(candidate) && anyExecuteBit(candidate)) {
            search.found = candidate;
            return search;
        }
    }
    return search;
}

bool missingProgramIsDos(const DosFs& dos, const std::string& emulatorDir, const std::string& exeName)
{
    const std::string name = fileNameOfDos(exeName);
    if (name.empty() || name.find('.') != std::string::npos)
        return true;
    for (const char* ext : {".EXE", ".COM", ".BAT"})
        if (dos.fileExists(joinDos(emulatorDir, exeName + ext)))
            return true;
    return false;
}

std::vector<std::string> splitWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

NativeLaunch buildNativeLaunch(const LaunchInputs& in, const fs::path& romHost, const fs::path& workingDir)
{
    NativeLaunch launch;
    launch.workingDir = workingDir;
    auto& args = launch.arguments;
    if (in.mameRom && in.romFile.size() > 4)
        args.push_back(in.romFile.substr(0, in.romFile.size() - 4));
    if (!in.frameskip.empty() && !in.frameskipSwitch.empty()) {
        // The template's words, then the value as typed: a value never
        // becomes more than one word (it may come from a settings file).
        const std::string prefix = in.frameskipSwitch.substr(0, in.frameskipSwitch.size() - 1);
        auto words = splitWords(prefix);
        if (words.empty() || prefix.back() == ' ')
            words.push_back(in.frameskip);
        else
            words.back() += in.frameskip;
        args.insert(args.end(), words.begin(), words.end());
    }
    if (in.enableCheat) {
        for (const std::string* part : {&in.cheatSwitch, &in.cheatCode})
            if (!part->empty())
                args.push_back(*part);
    }
    appendWords(args, in.player2Switch);
    if (in.hasControllerSwitch)
        appendWords(args, in.controllerSwitch);
    for (const auto& s : in.optionSwitches)
        appendWords(args, s);
    for (const auto& s : in.displaySwitches)
        appendWords(args, s);
    appendWords(args, in.fixedSwitches);
    if (isZipLaunch(in))
        launch.unpack = UnpackKind::Zip;
    else if (isGzipLaunch(in) && in.unpackGzip && !in.mameRom)
        launch.unpack = UnpackKind::Gzip;
    if (!in.mameRom) {
        launch.romArgument = args.size();
        args.push_back(romHost.string());
    }
    return launch;
}

std::string safeMemberName(std::string_view memberName)
{
    const auto slash = memberName.find_last_of("/\\");
    std::string name(slash == std::string_view::npos ? memberName : memberName.substr(slash + 1));
    if (name == "." || name == "..")
        return {};
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            c = '_';
    return name;
}

} // namespace kivalto
