// SPDX-License-Identifier: GPL-3.0-or-later
// The message window: reports a finished operation; not modal.
#pragma once

#include "app/windows/App.h"

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace kivalto {

class mesage : public QWidget {
    Q_OBJECT
public:
    explicit mesage(App& app);

    // Shows `text` in front of the other windows (not modal).
    void showText(const std::string& text);
    // The message shown, as bytes.
    std::string text() const;

private:
    void Command1_Click();  // OK: hides the window

    App& app;
    QLabel* Label1 = nullptr;         // the message text
    QPushButton* Command1 = nullptr;  // "OK"
};

} // namespace kivalto
