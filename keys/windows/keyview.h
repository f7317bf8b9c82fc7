// SPDX-License-Identifier: GPL-3.0-or-later
// Window `keyview`: the keys of the current plugin for player 1, a pad or
// player 2, in the twelve pad key boxes around the pad picture. It shows
// the selection's keys and holds nothing itself, so its controls are built
// when it is first shown.
#pragma once

#include "platform/qt/lazywindow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kivalto {

struct App;

class keyview : public LazyWindow {
    Q_OBJECT
public:
    explicit keyview(App& app);

    // Shows player 1's chosen controller, or player 2's keys.
    void showPlayer(bool playerTwo);

protected:
    void buildControls() override;
    bool event(QEvent* e) override;

private:
    App& app;

    std::array<QLineEdit*, 12> Text1{};  // pad keys, read-only, PadKeySlot order
    std::array<QLabel*, 12> boxLabels{};  // Text1's captions
    QLabel* joypic1 = nullptr;            // pad picture
    QLabel* Label13 = nullptr;            // note: wrong keys must be changed in the plugin editor
    QPushButton* Command1 = nullptr;      // Close

    // Each time the window becomes active: shows the chosen column.
    void Form_Activate();
    void Command1_Click();  // Close
};

} // namespace kivalto
