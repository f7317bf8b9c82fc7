// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectHelp() {}

void Snesmain::Aboutbox_Click() {}
void Snesmain::tipstrt_Click() {}
void Snesmain::viewhelp_Click() {}

} // namespace kivalto
