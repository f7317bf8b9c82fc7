// SPDX-License-Identifier: GPL-3.0-or-later
// Window `frmTip` ("Tip of the Day").
#pragma once

#include "app/windows/App.h"
#include "ui/tips.h"

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kivalto {

class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(App& app);

    // Runs once when the start-up load creates the window; shows it when
    // "Show Tips at Startup" is on.
    void Form_Load();
    // The tips read from the tips file, in its order.
    const std::vector<std::string>& tips() const { return tipRound.tips(); }

signals:
    // The Help menu's "Tips on Startup" mark is to show `on`.
    void tipsOnStartupMarked(bool on);

private:
    void cmdNextTip_Click();            // Next Tip
    void cmdOK_Click();                 // OK: hides the window
    void chkLoadTipsAtStartup_Click();  // stores the option

    void createTexts();     // Picture1, Label1 and lblTipText
    void createControls();  // the check box and the buttons
    void layOut();
    void connectControls();

    bool loadTips();
    void doNextTip();

    App& app;
    QLabel* Picture1 = nullptr;                  // the tip picture
    QLabel* Label1 = nullptr;                    // "Did you know..."
    QLabel* lblTipText = nullptr;                // the tip
    QCheckBox* chkLoadTipsAtStartup = nullptr;   // "Show Tips at Startup"
    QPushButton* cmdNextTip = nullptr;           // "Next Tip"
    QPushButton* cmdOK = nullptr;                // "OK"

    TipRound tipRound;  // the tips, and which one is shown
};

} // namespace kivalto
