#include "plugins/windows/Editor.h"

namespace kivalto {

Editor::Editor(App& a) : app(a)
{
    setObjectName("Editor");
    setWindowTitle("Plugin Editor");
}

QListWidget* Editor::List(int) const { return nullptr; }
void Editor::Form_Load() {}
void Editor::showPlugin() {}
void Editor::Command1_Click() {}
void Editor::Command2_Click() {}
void Editor::Command3_Click() {}
void Editor::Command4_Click() {}
void Editor::addopt_Click() {}
void Editor::Command9_Click() {}
void Editor::Command10_Click() {}
void Editor::Command11_Click() {}
void Editor::Command7_Click() {}
void Editor::Command5_Click() {}
void Editor::Command8_Click() {}
void Editor::Command6_Click() {}
void Editor::Command12_Click() {}
void Editor::List_Click(int) {}

} // namespace kivalto
