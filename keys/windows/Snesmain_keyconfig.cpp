// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of this subsystem: the Reconfigure Keys submenu.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "keys/windows/keyconfig.h"

#include <QAction>

namespace kivalto {

void Snesmain::connectKeyconfig()
{
    connect(zcon, &QAction::triggered, this, &Snesmain::zcon_Click);
    connect(EScon, &QAction::triggered, this, &Snesmain::EScon_Click);
    connect(nlkcon, &QAction::triggered, this, &Snesmain::nlkcon_Click);
}

void Snesmain::zcon_Click() { app.keyconfig->showFor(KeyEmulator::ZSNES); }
void Snesmain::EScon_Click() { app.keyconfig->showFor(KeyEmulator::ESNES); }
void Snesmain::nlkcon_Click() { app.keyconfig->showFor(KeyEmulator::NLKE); }

} // namespace kivalto
