#include "keys/windows/keyconfig.h"

namespace kivalto {

keyconfig::keyconfig(App& a) : app(a)
{
    setObjectName("keyconfig");
    setWindowTitle("Configure Keys");
}

void keyconfig::Form_Load() {}

} // namespace kivalto
