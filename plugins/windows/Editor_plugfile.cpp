// savePLUG and importPlug: the editor's plugin file routines.
#include "plugins/windows/Editor.h"

namespace kivalto {

void Editor::savePLUG() {}
void Editor::importPlug() {}

} // namespace kivalto
