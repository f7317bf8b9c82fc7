// SPDX-License-Identifier: GPL-3.0-or-later
// The message window: reports a finished operation; not modal.
#pragma once

#include "app/windows/App.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace kivalto {

class mesage : public QWidget {
    Q_OBJECT
public:
    explicit mesage(App& app);
    App& app;
    QLabel* Label1 = nullptr;         // the message text
    QPushButton* Command1 = nullptr;  // "OK"
    // Shows `text` in front of the other windows (not modal).
    void showText(const std::string& text);
    void Command1_Click();  // OK: hides the window
};

} // namespace kivalto
