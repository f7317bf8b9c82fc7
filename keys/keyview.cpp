// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/keyview.h"

namespace kivalto {

KeyViewChoice chooseKeyView(bool playerTwo, int play1select)
{
    KeyViewChoice c;
    if (playerTwo) {
        c.column = KeyColumn::Player2;
        return c;
    }
    switch (play1select) {
    case 1:
        c.showNote = true;
        return c;
    case 2:
        c.column = KeyColumn::Pad2;
        break;
    case 4:
        c.column = KeyColumn::Pad6;
        break;
    default:
        c.column = KeyColumn::Pad4;
        break;
    }
    c.showDirections = false;
    return c;
}

} // namespace kivalto
