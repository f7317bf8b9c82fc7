#include "roms/windows/chpath.h"

namespace kivalto {

chpath::chpath(App& a) : app(a)
{
    setObjectName("chpath");
    setWindowTitle("Change ROM Path");
}

void chpath::Form_Load() {}

} // namespace kivalto
