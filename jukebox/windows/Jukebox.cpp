#include "jukebox/windows/Jukebox.h"

namespace kivalto {

Jukebox::Jukebox(App& a) : app(a)
{
    setObjectName("Jukebox");
    setWindowTitle("SPC-Jukebox");
}

void Jukebox::Form_Load() {}

} // namespace kivalto
