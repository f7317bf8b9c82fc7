// Filling the title list: directory scan and the saved list.
#include "app/windows/SnesStart.h"

namespace kivalto {

void ScanRomDirectory(App&) {}
void LoadStaticRomList(App&) {}

} // namespace kivalto
