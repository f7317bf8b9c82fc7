// SPDX-License-Identifier: GPL-3.0-or-later
// Which key table column the key viewer shows, and which of its boxes.
#pragma once

#include "plugins/plugin.h"

namespace kivalto {

struct KeyViewChoice {
    KeyColumn column = KeyColumn::Player1;
    bool showDirections = true;  // boxes 8 to 11
    bool showNote = false;       // the keyboard note
};

// playerTwo: the viewer was opened for player 2. play1select: the main
// window's controller kind for player 1 (1 keyboard, 2..4 the pads).
KeyViewChoice chooseKeyView(bool playerTwo, int play1select);

} // namespace kivalto
