#include "keys/windows/keyview.h"

namespace kivalto {

keyview::keyview(App& a) : app(a)
{
    setObjectName("keyview");
    setWindowTitle("Player 1 Controller");
}

void keyview::Form_Load() {}

} // namespace kivalto
