// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of the cheat menu.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "launch/windows/chtcodefrm.h"
#include "platform/qt/widgetkit.h"

#include <QAction>

namespace kivalto {

void Snesmain::connectCheats()
{
    connect(chtcode, &QAction::triggered, this, &Snesmain::chtcode_Click);
    // Enable Cheat only carries its check mark, which runPLugin reads.
}

void Snesmain::chtcode_Click() { showInFront(app.chtcodefrm); }

} // namespace kivalto
