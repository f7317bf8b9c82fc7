#include "ui/windows/frmTip.h"

namespace kivalto {

frmTip::frmTip(App& a) : app(a)
{
    setObjectName("frmTip");
    setWindowTitle("Tip of the Day");
}

void frmTip::Form_Load() {}

} // namespace kivalto
