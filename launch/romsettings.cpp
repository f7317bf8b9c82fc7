#include "launch/romsettings.h"

#include "platform/dosfs.h"

namespace kivalto {

std::string writeRomSettings(const RomSettings& s)
{
    TextFileBuilder out;
    out.line(s.pluginFile);
    for (bool b : s.options)
        out.truth(b);
    for (bool b : s.displayModes)
        out.truth(b);
    out.number(s.controller);
    out.truth(s.runInDos).truth(s.runVesa).truth(s.runSnesKey);
    out.line(s.frameskip).line(s.cheatCode).line(s.cheatSwitch);
    out.truth(s.enableCheat).truth(s.mameRom);
    return out.bytes();
}

std::optional<std::string> settingsFileName(const std::string& romFile)
{
    if (romFile.size() < 3)
        return std::nullopt;
    return romFile.substr(0, romFile.size() - 3) + "GPF";
}

std::optional<std::string> settingsFilePath(const std::string& gpfDir, const std::string& romDir,
                                            const std::string& romFile)
{
    auto name = settingsFileName(romFile);
    if (!name)
        return std::nullopt;
    if (!gpfDir.empty())
        return gpfDir + *name;
    return joinDos(romDir, *name);
}

std::optional<std::string> commandLineSettingsPath(const std::string& gpfDir, const std::string& argument)
{
    auto path = settingsFileName(argument);
    if (!path)
        return std::nullopt;
    if (!gpfDir.empty())
        return gpfDir + LastPathComponent(*path);
    return path;
}

} // namespace kivalto
