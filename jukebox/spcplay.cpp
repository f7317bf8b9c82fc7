#include "jukebox/spcplay.h"

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

std::string playClockText(long seconds)
{
    const long minutes = seconds / 60;
    return "  " + std::to_string(minutes) + ":" + std::to_string(seconds - 60 * minutes);
}

} // namespace kivalto
