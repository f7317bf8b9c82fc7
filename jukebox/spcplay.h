// SPDX-License-Identifier: GPL-3.0-or-later
// The SPCPlay command line and the jukebox's play clock.
#pragma once

#include <optional>
#include <string>

namespace kivalto {

// The playback choices of the jukebox window.
struct SpcPlaySettings {
    bool stereo = false;
    bool advancedEffects = true;
    bool eightBit = true;
    bool khz22 = false;
    bool khz44 = true;
    int volume = 75;  // 0..100; 75 is SPCPlay's own default and passes no switch
};

// spcDir (with its trailing backslash) + "spcplay " + the file, then the
// switches in SPCPlay's documented order. The file is not quoted: SPCPlay
// is a DOS program and takes short names.
std::string buildSpcPlayCommand(const std::string& spcDir, const std::string& file, const SpcPlaySettings& s);

// Why that command cannot be given to DOS, as a sentence for the user: the
// SPCPlay directory or the file holding a line break, another control
// character, "<", ">" or "|", or a command tail longer than DOS passes.
// nullopt when it can.
std::optional<std::string> spcPlayProblem(const std::string& spcDir, const std::string& file, const SpcPlaySettings& s);

// "  m:s" without leading zeros: 65 seconds give "  1:5".
std::string playClockText(long seconds);

} // namespace kivalto
