// The splash window, shown during start-up and again as the About box.
#pragma once

#include "app/windows/App.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace kivalto {

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(App& app);
    App& app;
    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblCompany = nullptr;
    QProgressBar* loadbar = nullptr;
    QPushButton* Command1 = nullptr;
    QFrame* Frame1 = nullptr;
    QTimer* Timer1 = nullptr;

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    // Start-up load: Timer1 runs it once the splash is on screen; at its end
    // the progress bar goes (the splash returns as the About box) and so
    // does the window.
    void startLoad();
    void setProgress(int value);
    void endLoad();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
};

} // namespace kivalto
