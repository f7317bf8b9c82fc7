#include "plugins/windows/Editor.h"

namespace kivalto {

Editor::Editor(App& a) : app(a)
{
    setObjectName("Editor");
    setWindowTitle("Plugin Editor");
}

void Editor::Form_Load() {}

} // namespace kivalto
