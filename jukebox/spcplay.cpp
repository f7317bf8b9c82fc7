// SPDX-License-Identifier: GPL-3.0-or-later
#include "jukebox/spcplay.h"

#include "launch/launchvalues.h"

namespace kivalto {

std::string buildSpcPlayCommand(const std::string& spcDir, const std::string& file, const SpcPlaySettings& s)
{
    std::string line = spcDir + "spcplay " + file;
    if (s.stereo)
        line += " -z";
    if (!s.advancedEffects)
        line += " -x";
    if (s.khz22)
        line += " -r 2";
    if (s.khz44)
        line += " -r 3";
    if (s.eightBit)
        line += " -8";
    if (s.volume != 75)
        line += " -k " + std::to_string(s.volume);
    return line;
}

std::optional<std::string> spcPlayProblem(const std::string& spcDir, const std::string& file, const SpcPlaySettings& s)
{
    if (auto p = dosValueProblem(spcDir, "the SPCPlay directory in the Paths window"))
        return p;
    if (auto p = dosValueProblem(file, "the name of the chosen file"))
        return p;
    const std::size_t tail = buildSpcPlayCommand(spcDir, file, s).size() - (spcDir + "spcplay").size();
    if (tail > kMaxCommandTail)
        return commandTailMessage("SPCPlay", tail);
    return std::nullopt;
}

std::string playClockText(long seconds)
{
    const long minutes = seconds / 60;
    return "  " + std::to_string(minutes) + ":" + std::to_string(seconds - 60 * minutes);
}

} // namespace kivalto
