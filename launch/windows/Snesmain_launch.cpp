// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectLaunch() {}

void Snesmain::Run_Click() {}
void Snesmain::runPLugin() {}
void Snesmain::rundos_Click() {}
void Snesmain::runsnesk_Click() {}
void Snesmain::runvesa_Click() {}
void Snesmain::SaveGPF_Click() {}
void Snesmain::File1_DblClick() {}
void Snesmain::loadGPF() {}
void Snesmain::CheckCOMMAND() {}
void Snesmain::commandGPF() {}

} // namespace kivalto
