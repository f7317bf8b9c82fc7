// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/errorfrm.h"

#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kivalto {

errorfrm::errorfrm(App& a) : app(a)
{
    setObjectName("errorfrm");
    setWindowTitle("An Error Has Occurred!");
    Label1 = makeMessageLabel("An Error Message should have appeared here. If you can read this then a bug has occurred.");
    Label1->setObjectName("Label1");
    Command1 = makeButton(this, "Command1", "&Continue");
    Command2 = makeButton(this, "Command2", "C&lose Kivalto");
    Command1->setDefault(true);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1, 1);
    lay->addLayout(makeRow({nullptr, Command1, Command2}));
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &errorfrm::Timer1_Timer);
    connectClicks(this, {{Command1, &errorfrm::Command1_Click}, {Command2, &errorfrm::Command2_Click}});
}

bool errorfrm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void errorfrm::Form_Activate() { Timer1->start(); }

void errorfrm::Timer1_Timer()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void errorfrm::Command1_Click()
{
    Timer1->stop();
    hide();
}

void errorfrm::Command2_Click() { app.quit(); }

void errorfrm::showText(const std::string& text)
{
    Label1->setText(qs(text));
    showInFront(this);
    Form_Activate();
}

std::string errorfrm::text() const { return bytes(Label1->text()); }

} // namespace kivalto
