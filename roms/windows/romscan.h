// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the main window's title list.
#pragma once

namespace kivalto {

struct App;

// Rebuilds the title list from the folder and pattern File1 holds, reading
// each ROM's title from its header.
void ScanRomDirectory(App& app);
// Fills the title list from static.dat (Dynamic ROMs switched off).
void LoadStaticRomList(App& app);

} // namespace kivalto
