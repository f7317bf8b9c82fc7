// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drives.h"

#include <cctype>

namespace kivalto {

DriveTable loadDriveTable(const SettingsStore& settings, const std::string& appName)
{
    DriveTable table = DriveTable::hostDefault();
    for (const auto& key : settings.keys(appName, "Drives")) {
        if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0])))
            continue;
        const std::string folder = settings.get(appName, "Drives", key, "");
        if (!folder.empty())
            table.set(key[0], folder);
    }
    return table;
}

std::string dosFormOfHostPath(const DosFs& fs, const std::string& hostPath, const std::string& hostCurrentDir)
{
    if (hostPath.size() >= 2 && hostPath[1] == ':' && std::isalpha(static_cast<unsigned char>(hostPath[0])))
        return hostPath;
    std::filesystem::path p(hostPath);
    if (p.is_relative())
        p = std::filesystem::path(hostCurrentDir) / p;
    auto dos = fs.hostToDos(p.lexically_normal());
    return dos ? *dos : std::string();
}

} // namespace kivalto
