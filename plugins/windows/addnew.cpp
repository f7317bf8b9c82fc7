#include "plugins/windows/addnew.h"

namespace kivalto {

addnew::addnew(App& a) : app(a)
{
    setObjectName("addnew");
    setWindowTitle("Add New Plugin Wizard");
}

void addnew::Form_Load() {}

} // namespace kivalto
