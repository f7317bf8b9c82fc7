#include "keys/windows/sneskeycon.h"

namespace kivalto {

sneskeycon::sneskeycon(App& a) : app(a)
{
    setObjectName("sneskeycon");
    setWindowTitle("SnesKey Configuration");
}

void sneskeycon::Form_Load() {}

} // namespace kivalto
