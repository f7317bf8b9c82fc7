// Window `Jukebox` ("SPC-Jukebox"): a front end for the DOS player SPCPlay.
#pragma once

#include "app/windows/App.h"
#include "jukebox/spcplay.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

namespace kivalto {

class Jukebox : public QWidget {
    Q_OBJECT
public:
    explicit Jukebox(App& app);
    App& app;

    QCheckBox* Check1 = nullptr;  // "Stereo"
    QCheckBox* Check2 = nullptr;  // "Advanced Effects"
    QCheckBox* Check3 = nullptr;  // "8 Bit Sound"
    QRadioButton* Option1 = nullptr;  // "22 KHz"
    QRadioButton* Option2 = nullptr;  // "44 KHz"
    QScrollBar* HScroll1 = nullptr;   // volume 0..100
    QLineEdit* Text1 = nullptr;       // play clock
    QTimer* Timer1 = nullptr;
    QToolButton* Picture1 = nullptr;  // Play
    QToolButton* Picture2 = nullptr;  // Close
    QToolButton* Image1 = nullptr;    // Stop the Clock

    // Elapsed seconds of the current play.
    long playCounter = 0;

    // Runs once when the start-up load creates the window.
    void Form_Load();
    void Picture1_Click();
    void Picture2_Click();
    void Image1_Click();
    void Timer1_Timer();

    SpcPlaySettings settings() const;

    // The player last started; destroying it stops it (Enter, a new Play,
    // the end of Kivalto). Close leaves it playing.
    std::unique_ptr<ProcessStarter::Stoppable> player;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kivalto
