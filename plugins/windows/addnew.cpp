#include "plugins/windows/addnew.h"

#include "app/windows/Snesmain.h"

namespace kivalto {

addnew::addnew(App& a) : app(a)
{
    setObjectName("addnew");
    setWindowTitle("Add New Plugin Wizard");
}

void addnew::Form_Load() {}

// The main window's menu command that starts the wizard.
void Snesmain::addnewwiz_Click() {}

} // namespace kivalto
