// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of this subsystem.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "jukebox/windows/Jukebox.h"
#include "platform/qt/widgetkit.h"

#include <QAction>

namespace kivalto {

void Snesmain::connectJukebox() { connect(SPCJuke, &QAction::triggered, this, &Snesmain::SPCJuke_Click); }

void Snesmain::SPCJuke_Click()
{
    showInFront(app.Jukebox);
}

} // namespace kivalto
