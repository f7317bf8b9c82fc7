// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectKeyconfig() {}
void Snesmain::zcon_Click() {}
void Snesmain::EScon_Click() {}
void Snesmain::nlkcon_Click() {}

} // namespace kivalto
