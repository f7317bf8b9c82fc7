// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/pluginfile.h"

#include "platform/textfield.h"

namespace kivalto {

namespace {
constexpr const char* kEndOptions = "ENDOPTS";
constexpr const char* kEndDisplay = "ENDDISP";
// A path with this many backslashes is refused rather than searched on.
constexpr int kBackslashLimit = 100;
} // namespace

std::string writePluginFile(const EmulatorPlugin& p)
{
    TextFileBuilder out;
    out.line(p.emulatorName)
        .line(p.fileSpec)
        .line(p.frameskipSwitch)
        .line(p.defaultDir)
        .line(p.fixedSwitches)
        .line(p.exeName);
    for (const PluginOption& o : p.options)
        out.line(o.name).line(o.switchText);
    out.line(kEndOptions);
    for (const DisplayMode& d : p.displayModes)
        out.line(d.name).line(d.switchText);
    out.line(kEndDisplay);
    for (const auto& row : p.keys.cells)
        for (const std::string& cell : row)
            out.line(cell);
    return out.bytes();
}

PluginRead readPluginFile(std::string_view bytes, EmulatorPlugin& p, bool* cut)
{
    p.options.clear();
    p.displayModes.clear();
    StringCharSource src(bytes);
    TextFieldReader in(src);
    in.setFieldLimit(kMaxFieldBytes);
    bool tooMany = false;
    // Pairs past the list limit are read, so that the rest of the file
    // stays in place, but not kept.
    auto keep = [&tooMany](auto& list, std::string name, std::string sw) {
        if (list.size() < kMaxListEntries)
            list.push_back({std::move(name), std::move(sw)});
        else
            tooMany = true;
    };
    const auto report = [&] {
        if (cut)
            *cut = tooMany || in.cut();
    };
    try {
        for (std::string* field : {&p.emulatorName, &p.fileSpec, &p.frameskipSwitch, &p.defaultDir,
                                   &p.fixedSwitches, &p.exeName})
            *field = in.field();
        for (std::string name = in.field(); name != kEndOptions; name = in.field()) {
            std::string sw = in.field();
            keep(p.options, std::move(name), std::move(sw));
        }
        for (std::string name = in.field(); name != kEndDisplay; name = in.field()) {
            std::string sw = in.field();
            keep(p.displayModes, std::move(name), std::move(sw));
        }
        // A row is stored only once all five cells were read.
        for (auto& row : p.keys.cells) {
            std::array<std::string, kKeyColumns> cells;
            for (std::string& cell : cells)
                cell = in.field();
            row = std::move(cells);
        }
    } catch (const TextReadError&) {
        report();
        return PluginRead::Incomplete;
    }
    report();
    return PluginRead::Complete;
}

std::string fileSpecToSave(const std::string& fileSpec)
{
    for (const SystemKind& kind : kSystemKinds)
        if (*kind.systemMask && fileSpec == kind.displayText)
            return kind.systemMask;
    return fileSpec;
}

std::string withTrailingBackslash(const std::string& dir)
{
    if (!dir.empty() && dir.back() == '\\')
        return dir;
    return dir + '\\';
}

std::optional<std::string> pluginNameFromPath(std::string_view path)
{
    std::size_t start = 0;
    int backslashes = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '\\')
            continue;
        if (++backslashes >= kBackslashLimit)
            return std::nullopt;
        start = i + 1;
    }
    std::string_view name = path.substr(start);
    name = name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
    return toUpper(name);
}

std::string pluginFileName(const std::string& pluginName) { return pluginName + ".XPL"; }

} // namespace kivalto
