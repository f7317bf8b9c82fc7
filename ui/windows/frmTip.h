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

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;

    TipRound tipRound;

    // Runs once when the start-up load creates the window; shows it when
    // "Show Tips at Startup" is on.
    void Form_Load();
    void cmdNextTip_Click();
    void cmdOK_Click();
    void chkLoadTipsAtStartup_Click();

private:
    bool loadTips();
    void doNextTip();
};

} // namespace kivalto
