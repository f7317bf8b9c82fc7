// SPDX-License-Identifier: GPL-3.0-or-later
// A demo picture as a Windows bitmap file, the snapshot beside its ROM.
#pragma once

#include "democanvas.h"
#include "demobytes.h"

namespace demo {

// An uncompressed 4-bit indexed BMP (BITMAPINFOHEADER, rows bottom-up),
// which every picture reader loads; the canvas palette becomes its colour
// table.
Bytes bmpFile(const Canvas& picture);

} // namespace demo
