// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/launchvalues.h"

#include "platform/dosbox.h"

#include <cctype>

namespace kivalto {

namespace {

std::string capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace

std::optional<std::string> dosValueProblem(std::string_view value, const std::string& source)
{
    bool control = false;
    for (unsigned char c : value)
        control = control || c < 32 || c == 127;
    if (control)
        return capitalized(source) + " (\"" + printable(value) +
               "\") holds a line break or another control character, which would add a command to what DOS runs. "
               "Nothing was started: correct the value and try again.";
    if (value.find_first_of("<>|") != std::string_view::npos)
        return capitalized(source) + " (\"" + std::string(value) +
               "\") holds <, > or |, which DOS would take as a redirection or a pipe. Nothing was started: correct "
               "the value and try again.";
    return std::nullopt;
}

std::string commandTailMessage(const std::string& program, std::size_t length)
{
    return "The command line for " + program + " would be " + std::to_string(length) +
           " characters long after the program name, but DOS passes at most " + std::to_string(kMaxCommandTail) +
           ", so the program would get a cut path. Nothing was started. Use shorter folder names, or give the "
           "folder a drive letter of its own in the Drives section of the settings, and try again.";
}

void ValueOrigins::note(const std::string& key, const std::string& value, const std::string& source)
{
    noted_[key] = {value, source};
}

std::string ValueOrigins::sourceOf(const std::string& key, const std::string& value, const std::string& fallback) const
{
    auto it = noted_.find(key);
    return it != noted_.end() && it->second.first == value ? it->second.second : fallback;
}

} // namespace kivalto
