// SPDX-License-Identifier: GPL-3.0-or-later
// Window `frmTip` ("Tip of the Day").
#pragma once

#include "app/windows/App.h"
#include "ui/tips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace kivalto {

class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(App& app);
    App& app;

    QLabel* Picture1 = nullptr;                  // the tip picture
    QLabel* Label1 = nullptr;                    // "Did you know..."
    QLabel* lblTipText = nullptr;                // the tip
    QCheckBox* chkLoadTipsAtStartup = nullptr;   // "Show Tips at Startup"
    QPushButton* cmdNextTip = nullptr;           // "Next Tip"
    QPushButton* cmdOK = nullptr;                // "OK"

    TipRound tipRound;

    // Runs once when the start-up load creates the window; shows it when
    // "Show Tips at Startup" is on.
    void Form_Load();
    void cmdNextTip_Click();            // Next Tip
    void cmdOK_Click();                 // OK: hides the window
    void chkLoadTipsAtStartup_Click();  // stores the option

signals:
    // The main window's "Tips on Startup" mark is to show `on`.
    void tipsOnStartupMarked(bool on);

private:
    void createTexts();     // Picture1, Label1 and lblTipText
    void createControls();  // the check box and the buttons
    void layOut();
    void connectControls();

    bool loadTips();
    void doNextTip();
};

} // namespace kivalto
