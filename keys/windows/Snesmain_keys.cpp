// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectKeys() {}

void Snesmain::sneskconf_Click() {}
void Snesmain::sneskadv_Click() {}
void Snesmain::nonadvcon_Click() {}
void Snesmain::nostest_Click() {}
void Snesmain::Play1keys_Click() {}
void Snesmain::PLAY2Keys_Click() {}
void Snesmain::sneskmake() {}

} // namespace kivalto
