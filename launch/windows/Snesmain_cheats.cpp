// Main window handlers of the cheat menu.
#include "app/windows/Snesmain.h"
#include "launch/windows/chtcodefrm.h"

namespace kivalto {

void Snesmain::connectCheats()
{
    connect(chtcode, &QAction::triggered, this, &Snesmain::chtcode_Click);
    // chten_Click flips the mark itself (it is also called directly), so
    // the action's own toggle is undone first.
    connect(chten, &QAction::triggered, this, [this] {
        chten->setChecked(!chten->isChecked());
        chten_Click();
    });
}

void Snesmain::chtcode_Click()
{
    app.chtcodefrm->show();
    app.chtcodefrm->raise();
    app.chtcodefrm->activateWindow();
}

void Snesmain::chten_Click() { chten->setChecked(!chten->isChecked()); }

} // namespace kivalto
