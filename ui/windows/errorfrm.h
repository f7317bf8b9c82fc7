// The error window: not modal; keeps itself in front while shown.
#pragma once

#include "app/windows/App.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace kivalto {

class errorfrm : public QWidget {
    Q_OBJECT
public:
    explicit errorfrm(App& app);
    App& app;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // Continue
    QPushButton* Command2 = nullptr;  // Close Kivalto
    QTimer* Timer1 = nullptr;

    void Form_Activate();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();

protected:
    bool event(QEvent* e) override;
};

class mesage : public QWidget {
    Q_OBJECT
public:
    explicit mesage(App& app);
    App& app;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // OK
    void Command1_Click();
};

} // namespace kivalto
