// SPDX-License-Identifier: GPL-3.0-or-later
// The error window: not modal; keeps itself in front while shown.
#pragma once

#include "app/windows/App.h"

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace kivalto {

class errorfrm : public QWidget {
    Q_OBJECT
public:
    explicit errorfrm(App& app);

    // Shows `text` in front of the other windows (not modal).
    void showText(const std::string& text);
    // The error text shown, as bytes.
    std::string text() const;

protected:
    bool event(QEvent* e) override;

private:
    void Form_Activate();   // starts Timer1
    void Timer1_Timer();    // brings the shown window back to the front
    void Command1_Click();  // Continue: hides the window
    void Command2_Click();  // Close Kivalto: ends the program

    App& app;
    QLabel* Label1 = nullptr;         // the error text
    QPushButton* Command1 = nullptr;  // "Continue"
    QPushButton* Command2 = nullptr;  // "Close Kivalto"
    QTimer* Timer1 = nullptr;         // keeps the window in front while shown
};

} // namespace kivalto
