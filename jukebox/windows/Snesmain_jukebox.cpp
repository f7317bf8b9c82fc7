// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectJukebox() {}

void Snesmain::SPCJuke_Click() {}

} // namespace kivalto
