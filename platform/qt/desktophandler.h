// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the desktop has a program for a file: xdg-open starts even when
// nothing handles the file's type and only then fails, unseen by Kivalto.
#pragma once

#include <QString>

namespace kivalto {

// Asks xdg-mime for the file's type and that type's default program. True
// without xdg-mime (xdg-open then decides alone).
bool desktopHasHandlerFor(const QString& hostFile);

} // namespace kivalto
