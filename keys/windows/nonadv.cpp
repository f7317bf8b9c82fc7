#include "keys/windows/nonadv.h"

namespace kivalto {

nonadv::nonadv(App& a) : app(a)
{
    setObjectName("nonadv");
    setWindowTitle("Set SnesKey Mappings");
}

void nonadv::Form_Load() {}

} // namespace kivalto
