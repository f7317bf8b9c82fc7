// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectCheats() {}
void Snesmain::chtcode_Click() {}
void Snesmain::chten_Click() {}

} // namespace kivalto
