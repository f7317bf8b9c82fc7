// SPDX-License-Identifier: GPL-3.0-or-later
// Kivalto's secondary windows are plain top-level widgets, which assistive
// technology would otherwise see as an anonymous pane ("filler") rather
// than as a window it can announce and list.
#pragma once

namespace kivalto {

// Reports every plain top-level widget as a window. Called once, before
// the first window is made.
void reportPlainWindowsAsWindows();

} // namespace kivalto
