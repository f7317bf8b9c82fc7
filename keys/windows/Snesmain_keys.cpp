// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of this subsystem: the SnesKey menu, the key viewer
// buttons and the SnesKey driver file.
#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "keys/sneskey.h"
#include "keys/windows/keyview.h"
#include "keys/windows/nonadv.h"
#include "keys/windows/sneskeycon.h"
#include "platform/dospath.h"
#include "platform/qt/widgetkit.h"

#include <QAction>
#include <QPushButton>

namespace kivalto {

void Snesmain::connectKeys()
{
    connect(sneskconf, &QAction::triggered, this, &Snesmain::sneskconf_Click);
    connect(sneskadv, &QAction::triggered, this, &Snesmain::sneskadv_Click);
    connect(nonadvcon, &QAction::triggered, this, &Snesmain::nonadvcon_Click);
    connect(nostest, &QAction::triggered, this, &Snesmain::nostest_Click);
    connect(Play1keys, &QPushButton::clicked, this, &Snesmain::Play1keys_Click);
    connect(PLAY2Keys, &QPushButton::clicked, this, &Snesmain::PLAY2Keys_Click);
}

void Snesmain::sneskconf_Click() { showInFront(app.sneskeycon); }

void Snesmain::sneskadv_Click()
{
    if (sneskadv->isChecked()) {
        nonadvcon->setEnabled(false);
        return;
    }
    app.nonadv->showAtFirstButton();
    nonadvcon->setEnabled(true);
}

void Snesmain::nonadvcon_Click() { app.nonadv->showAtFirstButton(); }

void Snesmain::nostest_Click() { app.saveOption("NOtest", nostest->isChecked()); }

void Snesmain::Play1keys_Click() { app.keyview->showPlayer(false); }

void Snesmain::PLAY2Keys_Click() { app.keyview->showPlayer(true); }

void Snesmain::sneskmake()
{
    const sneskeycon& config = *app.sneskeycon;
    DriverFileInput in = config.profileInput();
    in.advanced = sneskadv->isChecked();
    in.manualKeys = app.nonadv->keys();
    const KeyColumn column = config.playerOne() ? KeyColumn::Player1 : KeyColumn::Player2;
    for (int row = 0; row < kKeyRows; ++row)
        in.pluginKeys[static_cast<std::size_t>(row)] = app.selection.plugin().keys.at(row, column);

    const std::string dir = app.path(PathField::skeydir);
    try {
        // An empty directory would put the file where the driver never looks.
        if (dir.empty())
            throw FileError("no SnesKey directory");
        app.fs.writeWhole(joinDos(dir, "sneskey.ini"), buildSnesKeyIni(in));
    } catch (const FileError&) {
        app.dialogs.ok("The Directory you have specified in the paths box for SnesKey is incorrect.", app.title);
    }
}

} // namespace kivalto
