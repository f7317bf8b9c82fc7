// SPDX-License-Identifier: GPL-3.0-or-later
// The drive table of a run: the host default, then the letters of the
// settings store's section "Drives" (key: the letter, value: a host folder).
#pragma once

#include "platform/dosfs.h"
#include "platform/services.h"

#include <string>

namespace kivalto {

// Keys that are not a single letter and empty folders are ignored.
DriveTable loadDriveTable(const SettingsStore& settings, const std::string& appName);

// The DOS form of a path given by the host (a command-line argument): a
// text that already starts with a drive letter stays as it is; any other
// is made absolute against `hostCurrentDir` and mapped through the table.
// Empty when no drive holds it.
std::string dosFormOfHostPath(const DosFs& fs, const std::string& hostPath, const std::string& hostCurrentDir);

} // namespace kivalto
