// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window, shown during start-up and again as the About box.
#pragma once

#include "app/windows/App.h"

#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kivalto {

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(App& app);

    void Form_Load();  // the title and version into the texts
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

private:
    void Timer1_Timer();    // runs the start-up load, once
    void Command1_Click();  // Click to Close

    void createTexts();     // imgLogo and the lbl... texts
    void createControls();  // loadbar and Command1
    void layOut();
    void connectControls();

    App& app;
    QLabel* imgLogo = nullptr;            // the logo
    QLabel* lblProductName = nullptr;     // the program's title, large
    QLabel* lblVersion = nullptr;         // "Version x.y.z"
    QLabel* lblPlatform = nullptr;        // "Platform: ..."
    QLabel* lblWarning = nullptr;         // the request for comments
    QLabel* lblCompanyProduct = nullptr;  // "The Kivalto team presents"
    QLabel* lblCopyright = nullptr;       // what the program is
    QLabel* lblCompany = nullptr;         // where comments go
    QProgressBar* loadbar = nullptr;      // start-up progress
    QPushButton* Command1 = nullptr;      // "Click to Close"
    QFrame* Frame1 = nullptr;             // holds the logo and the texts; a click closes
    QTimer* Timer1 = nullptr;             // starts the load once the window is up
};

} // namespace kivalto
