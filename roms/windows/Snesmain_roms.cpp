// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectRoms() {}

void Snesmain::dynROMs_Click() {}
void Snesmain::menshowfile_Click() {}
void Snesmain::showall_Click() {}
void Snesmain::MenuShorten_Click() {}
void Snesmain::ROMMame_Click() {}
void Snesmain::ListView1_DblClick() {}
void Snesmain::File1_Click() {}
void Snesmain::refreshSnapshot() {}
void Snesmain::snapass_Click() {}
void Snesmain::writerom_Click() {}
void Snesmain::nextpreset_Click() {}
void Snesmain::Command2_Click() {}
void Snesmain::ChangeDir_Click() {}
void Snesmain::ListView1_Click(int) {}

} // namespace kivalto
