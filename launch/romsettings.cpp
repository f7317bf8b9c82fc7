// SPDX-License-Identifier: GPL-3.0-or-later
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

std::optional<std::string> settingsPluginName(std::string_view bytes)
{
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    std::string name;
    if (!reader.tryField(name))
        return std::nullopt;
    return name;
}

ParsedRomSettings parseRomSettings(std::string_view bytes, std::size_t options, std::size_t displayModes)
{
    ParsedRomSettings out;
    RomSettings& v = out.values;
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    try {
        v.pluginFile = reader.field();
        // Each value counts once it has been read and converted.
        auto count = [&out] { ++out.read; };
        for (std::size_t i = 0; i < options; ++i, count())
            v.options.push_back(parseTruth(reader.field()));
        for (std::size_t i = 0; i < displayModes; ++i, count())
            v.displayModes.push_back(parseTruth(reader.field()));
        v.controller = parseNumber(reader.field()), count();
        v.runInDos = parseTruth(reader.field()), count();
        v.runVesa = parseTruth(reader.field()), count();
        v.runSnesKey = parseTruth(reader.field()), count();
        v.frameskip = reader.field(), count();
        v.cheatCode = reader.field(), count();
        v.cheatSwitch = reader.field(), count();
        v.enableCheat = parseTruth(reader.field()), count();
        v.mameRom = parseTruth(reader.field()), count();
    } catch (const std::exception&) {
        // What was read so far stays; the rest keeps its defaults.
    }
    return out;
}

} // namespace kivalto
