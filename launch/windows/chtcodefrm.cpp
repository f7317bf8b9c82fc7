#include "launch/windows/chtcodefrm.h"

namespace kivalto {

chtcodefrm::chtcodefrm(App& a) : app(a)
{
    setObjectName("chtcodefrm");
    setWindowTitle("Enter a Cheat Code");
}

void chtcodefrm::Form_Load() {}

} // namespace kivalto
