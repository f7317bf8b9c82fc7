// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dosbox.h"

#include "platform/textfield.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace kivalto {

PifTemplate parsePifTemplate(std::string_view text)
{
    PifTemplate pif;
    for (const std::string& line : readFieldList(text).fields) {
        const auto eq = line.find('=');
        if (line.empty() || line[0] == ';' || eq == std::string::npos)
            continue;
        const std::string key = toLower(line.substr(0, eq));
        std::string value = line.substr(eq + 1);
        while (!value.empty() && value.front() == ' ')
            value.erase(0, 1);
        if (key == "program" && !value.empty())
            pif.program = value;
        else if (key == "folder")
            pif.folder = value;
        else if (key == "mode")
            pif.fullscreen = equalsIgnoreCase(value, "fullscreen");
    }
    return pif;
}

bool isShortDosName(std::string_view name)
{
    if (name == "." || name == "..")
        return true;
    const auto dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    if (name.empty() || base.empty() || base.size() > 8 || ext.size() > 3 || ext.find('.') != std::string_view::npos)
        return false;
    if (dot != std::string_view::npos && ext.empty())
        return false;
    constexpr std::string_view forbidden = " \"*+,/:;<=>?[\\]|";
    for (char c : name)
        if (c != '.' && (static_cast<unsigned char>(c) < 32 || forbidden.find(c) != std::string_view::npos))
            return false;
    return true;
}

namespace {

bool allShortNames(const std::string& dosFolder)
{
    std::size_t start = 3;  // after "C:\"
    while (start < dosFolder.size()) {
        std::size_t end = dosFolder.find('\\', start);
        if (end == std::string::npos)
            end = dosFolder.size();
        if (!isShortDosName(std::string_view(dosFolder).substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

bool hasControlCharacter(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 32 || c == 127)
            return true;
    return false;
}

// A text the shell would split or redirect even inside a mount line's quotes.
bool hasShellCharacter(std::string_view text) { return text.find_first_of("\"<>|") != std::string_view::npos; }

std::optional<std::string> refusal(const std::string& what, const std::string& text, bool shellCharacters)
{
    if (hasControlCharacter(text))
        return "DOSBox cannot be started for " + what + " \"" + printable(text) +
               "\": it holds a line break or another control character. Rename it and try again.";
    if (shellCharacters && hasShellCharacter(text))
        return "DOSBox cannot be started for " + what + " \"" + text +
               "\": it holds a character (\", <, > or |) that DOSBox would not take as part of a name. Rename it "
               "and try again.";
    return std::nullopt;
}

std::string mountLine(char letter, const std::string& host)
{
    std::string line = "mount ";
    line += letter;
    line += " \"" + escapePercent(host) + "\"";
    // DOSBox mounts "/" but prints "Mounting / is NOT recommended" over
    // the program's screen; the drive works all the same.
    if (host == "/")
        line += " >NUL";
    return line;
}

} // namespace

std::string printable(std::string_view text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 32 || c == 127) {
            static const char* hex = "0123456789ABCDEF";
            out += "<";
            out += hex[c >> 4];
            out += hex[c & 15];
            out += ">";
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::optional<std::string> dosboxConfigProblem(const DriveTable& drives, const std::string& dosFolder,
                                               const std::string& hostFolder, const std::string& command)
{
    for (const auto& [letter, host] : drives.drives())
        if (auto p = refusal("the folder of drive " + std::string(1, letter) + ":", host.string(), true))
            return p;
    if (auto p = refusal("the folder", dosFolder, true))
        return p;
    if (auto p = refusal("the folder", hostFolder, true))
        return p;
    if (auto p = refusal("the command", command, true))
        return p;
    return std::nullopt;
}

std::string dosboxConfig(const DriveTable& drives, const std::string& dosFolder, const std::string& hostFolder,
                         const std::string& command)
{
    if (auto problem = dosboxConfigProblem(drives, dosFolder, hostFolder, command))
        throw std::invalid_argument(*problem);
    std::string out = "# Written by Kivalto for one start of DOSBox.\n[autoexec]\n";
    for (const auto& [letter, host] : drives.drives())
        out += mountLine(letter, host.string()) + "\n";
    if (allShortNames(dosFolder) || hostFolder.empty()) {
        out += dosFolder.substr(0, 2) + "\n";
        out += "cd " + (dosFolder.size() > 3 ? escapePercent(dosFolder.substr(2)) : std::string("\\")) + "\n";
    } else {
        // A spare letter from Y downwards (Z: is DOSBox's own drive).
        char spare = 'Y';
        while (spare > 'C' && drives.drives().count(spare))
            --spare;
        out += mountLine(spare, hostFolder) + "\n";
        out += std::string(1, spare) + ":\n";
    }
    // CALL returns from a batch file, so the EXIT after it runs and DOSBox
    // closes when the program ends (a plain batch name would never return).
    out += "call " + escapePercent(command) + "\n";
    out += "exit\n";
    return out;
}

std::vector<std::string> dosboxArguments(const std::string& configPath, bool fullscreen)
{
    // Only this configuration: DOSBox 0.74 runs at most 11 "-c" commands,
    // too few for a large drive table, and a user configuration's own
    // [autoexec] could mount drives over ours.
    std::vector<std::string> args{"-conf", configPath};
    if (fullscreen)
        args.push_back("-fullscreen");
    return args;
}

std::string escapePercent(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out.push_back(c);
        if (c == '%')
            out.push_back('%');
    }
    return out;
}

} // namespace kivalto
