// SPDX-License-Identifier: GPL-3.0-or-later
// Handing freed memory back to the system. The C library keeps the pages
// of freed small blocks for later use; after a large list has been
// replaced (the Library's hundred thousand rows) they would stay with the
// process for as long as it runs.
#pragma once

namespace kivalto {

void returnFreedMemory();

} // namespace kivalto
