// SPDX-License-Identifier: GPL-3.0-or-later
// The values a launch passes to DOS, with where each one came from, and the
// rules that keep them data: no value read from a file or typed into a box
// may add a line, a redirection or a pipe to what DOS runs.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kivalto {

// Where the values of a launch came from, named for the user ("the
// frameskip in MARIO.GPF"). The defaults name the boxes and settings the
// values are normally taken from.
struct LaunchSources {
    std::string emulatorDir = "the emulator directory box";
    std::string frameskip = "the frameskip box";
    std::string romDir = "the ROM folder";
    std::string romFile = "the ROM file name";
    std::string sneskeyDir = "the SnesKey directory in the Paths window";
    std::string vesaCommand = "the Vesa 2 path in the Paths window";
    std::string unzipDir = "the ROM unzip directory in the Paths window";
    std::string cheatSwitch = "the cheat switch box";
    std::string cheatCode = "the cheat code box";
    std::string plugin = "the plugin";  // "the plugin ZSNES.XPL"
};

// Why `value` cannot be passed to DOS, as a sentence naming `source`:
// a line break or another control character, or "<", ">" or "|".
// nullopt when it can ("%" is doubled by the writer instead).
std::optional<std::string> dosValueProblem(std::string_view value, const std::string& source);

// DOS passes a program at most this many characters after its name.
inline constexpr std::size_t kMaxCommandTail = 126;
// The refusal of a command whose tail is `length` characters long.
std::string commandTailMessage(const std::string& program, std::size_t length);

// Remembers which values were loaded from a file, so that a refusal can
// name the file while the value is still the one loaded.
class ValueOrigins {
public:
    void note(const std::string& key, const std::string& value, const std::string& source);
    // The noted source while `value` is the noted one, else `fallback`.
    std::string sourceOf(const std::string& key, const std::string& value, const std::string& fallback) const;

private:
    std::map<std::string, std::pair<std::string, std::string>> noted_;
};

} // namespace kivalto
