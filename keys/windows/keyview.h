// Window `keyview`: the keys of the current plugin for player 1, a pad or
// player 2, in the twelve pad key boxes around the pad picture.
#pragma once

#include "app/windows/App.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

class QGridLayout;

namespace kivalto {

// Captions of the twelve pad key boxes, in PadKeySlot order.
inline const std::array<const char*, 12> kPadKeyCaptions = {
    "Button A", "Button B", "Right Shoulder", "Left Shoulder", "Button Y", "Button X",
    "Start",    "Select",   "Up",             "Down",          "Left",     "Right"};

// Lays the twelve boxes out around `picture` (rows 0 to 7 of `grid`,
// shoulders, Up, Start and Select on top, face buttons on the right). Each box gets its caption as a buddy label; returns the labels.
std::array<QLabel*, 12> layOutPadKeyBoxes(QGridLayout* grid, const std::array<QLineEdit*, 12>& boxes, QWidget* picture);

class keyview : public QWidget {
    Q_OBJECT
public:
    explicit keyview(App& app);
    App& app;

    std::array<QLineEdit*, 12> Text1{};
    std::array<QLabel*, 12> boxLabels{};
    QLabel* joypic1 = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* Command1 = nullptr;  // Close

    void Form_Load();
    // Each time the window becomes active: shows the chosen column.
    void Form_Activate();
    void Command1_Click();

protected:
    bool event(QEvent* e) override;
};

} // namespace kivalto
