// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"

namespace kivalto {

void Snesmain::connectPlugins() {}

void Snesmain::buildPluginCatalogue() {}
void Snesmain::Plugins_Click() {}
void Snesmain::Plugins_DblClick() {}
void Snesmain::refplug_Click() {}
void Snesmain::emuplugedit_Click() {}
void Snesmain::Command1_Click() {}
void Snesmain::Play1select_Change() {}
void Snesmain::TreeView1_NodeClick(QTreeWidgetItem*) {}
void Snesmain::setEmulatorActive(bool) {}

} // namespace kivalto
