// SPDX-License-Identifier: GPL-3.0-or-later
// Window `Jukebox` ("SPC-Jukebox"): a front end for the DOS player SPCPlay.
// It has no state before it is opened, so its controls wait for that.
#pragma once

#include "jukebox/spcplay.h"
#include "platform/qt/lazywindow.h"
#include "platform/services.h"

#include <memory>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace kivalto {

struct App;

class Jukebox : public LazyWindow {
    Q_OBJECT
public:
    explicit Jukebox(App& app);

protected:
    void buildControls() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    App& app;

    QCheckBox* Check1 = nullptr;  // "Stereo"
    QCheckBox* Check2 = nullptr;  // "Advanced Effects"
    QCheckBox* Check3 = nullptr;  // "8 Bit Sound"
    QRadioButton* Option1 = nullptr;  // "22 KHz"
    QRadioButton* Option2 = nullptr;  // "44 KHz"
    QScrollBar* HScroll1 = nullptr;   // "Volume", 0..100
    QLineEdit* Text1 = nullptr;       // "Play time": the play clock
    QTimer* Timer1 = nullptr;         // one tick a second while the clock runs
    QToolButton* Picture1 = nullptr;  // Play
    QToolButton* Picture2 = nullptr;  // Close
    QToolButton* Image1 = nullptr;    // Stop the Clock

    // Elapsed seconds of the current play.
    long playCounter = 0;
    // The player last started; destroying it stops it (Enter, a new Play,
    // the end of Kivalto). Close leaves it playing.
    std::unique_ptr<ProcessStarter::Stoppable> player;

    void Picture1_Click();  // Play: chooses a file and starts SPCPlay on it
    void Picture2_Click();  // Close: stops the clock, leaves the player playing
    void Image1_Click();    // Stop the Clock
    void Timer1_Timer();    // a second more on the play clock

    SpcPlaySettings settings() const;

    void createControls();
    void layOut();
    void orderTabs();
    void connectControls();
};

} // namespace kivalto
