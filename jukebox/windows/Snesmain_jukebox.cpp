// Main window handlers of this subsystem.
#include "app/windows/Snesmain.h"
#include "jukebox/windows/Jukebox.h"

namespace kivalto {

void Snesmain::connectJukebox() { connect(SPCJuke, &QAction::triggered, this, &Snesmain::SPCJuke_Click); }

void Snesmain::SPCJuke_Click()
{
    app.Jukebox->show();
    app.Jukebox->raise();
    app.Jukebox->activateWindow();
}

} // namespace kivalto
