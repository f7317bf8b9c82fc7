// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/catalogue.h"

#include "platform/textfield.h"

namespace kivalto {

namespace {

std::optional<std::string> field(std::string_view bytes, int number)
{
    StringCharSource src(bytes);
    TextFieldReader in(src);
    in.setFieldLimit(kMaxFieldBytes);
    std::string value;
    for (int i = 0; i < number; ++i)
        if (!in.tryField(value))
            return std::nullopt;
    return value;
}

} // namespace

std::vector<std::size_t> systemsForFileSpec(std::string_view fileSpec)
{
    const std::string masks = toUpper(fileSpec);
    std::vector<std::size_t> found;
    std::size_t other = 0;
    for (std::size_t i = 0; i < kSystemKinds.size(); ++i) {
        const char* mask = kSystemKinds[i].catalogueMask;
        if (!*mask)
            other = i;
        else if (masks.find(mask) != std::string::npos)
            found.push_back(i);
    }
    if (found.empty())
        found.push_back(other);
    return found;
}

std::string pluginNodeKey(std::string_view fileName, const SystemKind& system)
{
    return std::string(fileName) + system.treeKey;
}

std::string pluginNodeCaption(std::string_view fileName)
{
    return std::string(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0));
}

std::string fileNameOfNodeKey(std::string_view key, std::string_view parentKey)
{
    if (parentKey.size() >= key.size())
        return {};
    return std::string(key.substr(0, key.size() - parentKey.size()));
}

std::optional<std::string> emulatorNameField(std::string_view bytes) { return field(bytes, 1); }
std::optional<std::string> fileSpecField(std::string_view bytes) { return field(bytes, 2); }

SplitOptions splitOptions(const std::vector<PluginOption>& options)
{
    SplitOptions out;
    for (const PluginOption& o : options) {
        if (!o.name.empty() && o.name.front() == '#')
            out.cheats.push_back({o.name.substr(1), o.switchText});
        else
            out.ordinary.push_back(o);
    }
    return out;
}

} // namespace kivalto
