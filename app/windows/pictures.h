// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn at run time, so nothing binary has to be shipped: the
// icons of the tree and title list, the controller pictures, the logo.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

namespace kivalto {

// ImageList2: index 1..12 (systems, emulator, ROM, folder, UP) at [0..11].
std::vector<QIcon> makeListIcons();
// ImageList1: the four controller pictures (keyboard, 2, 4 and 6 button pads).
std::vector<QPixmap> makePadPictures();
// The joypad picture of the key windows.
QPixmap makeJoypadPicture();
// The product logo of the splash window.
QPixmap makeLogo();

} // namespace kivalto
