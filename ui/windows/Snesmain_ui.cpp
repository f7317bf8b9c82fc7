// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of this subsystem: the Help menu.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"

#include <QAction>

namespace kivalto {

namespace {
const char* const kHelpFile = "Kivalto.chm";
}

void Snesmain::connectHelp()
{
    connect(Aboutbox, &QAction::triggered, this, &Snesmain::Aboutbox_Click);
    connect(tipstrt, &QAction::triggered, this, &Snesmain::tipstrt_Click);
    connect(viewhelp, &QAction::triggered, this, &Snesmain::viewhelp_Click);
}

void Snesmain::Aboutbox_Click() { app.showAbout(); }

void Snesmain::tipstrt_Click() { app.saveOption("Show Tips at Startup", tipstrt->isChecked()); }

void Snesmain::markTipsOnStartup(bool on) { tipstrt->setChecked(on); }

void Snesmain::viewhelp_Click()
{
    if (!app.fs.resolveExisting(joinDos(app.fs.currentDir(), kHelpFile))) {
        app.dialogs.ok(std::string("The help file ") + kHelpFile + " is missing from the Kivalto directory " +
                           app.fs.currentDir() + ". Copy it there from the Kivalto distribution and try again.",
                       app.title);
        return;
    }
    const StartResult r = app.process.start(std::string("start ") + kHelpFile, app.fs.currentDir(), ShowMode::Maximized);
    if (!r.ok)
        app.dialogs.ok(std::string("The help file ") + kHelpFile + " could not be opened. " +
                           (r.error.empty() ? "Install a viewer for CHM help files (on Debian: sudo apt-get "
                                              "install xchm) and try again."
                                            : r.error),
                       app.title);
}

} // namespace kivalto
