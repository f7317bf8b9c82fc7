// Main window handlers of this subsystem: the Reconfigure Keys submenu.
#include "app/windows/Snesmain.h"
#include "keys/windows/keyconfig.h"
#include "platform/qt/widgetkit.h"

namespace kivalto {

namespace {

void openKeyconfig(App& app, KeyEmulator emu)
{
    keyconfig* w = app.keyconfig;
    w->Slider1->setValue(static_cast<int>(emu));
    showInFront(w);
    // Showing from the menu always activates the window.
    w->Form_Activate();
}

} // namespace

void Snesmain::connectKeyconfig()
{
    connect(zcon, &QAction::triggered, this, &Snesmain::zcon_Click);
    connect(EScon, &QAction::triggered, this, &Snesmain::EScon_Click);
    connect(nlkcon, &QAction::triggered, this, &Snesmain::nlkcon_Click);
}

void Snesmain::zcon_Click() { openKeyconfig(app, KeyEmulator::ZSNES); }
void Snesmain::EScon_Click() { openKeyconfig(app, KeyEmulator::ESNES); }
void Snesmain::nlkcon_Click() { openKeyconfig(app, KeyEmulator::NLKE); }

} // namespace kivalto
