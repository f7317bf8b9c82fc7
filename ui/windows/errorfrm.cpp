#include "ui/windows/errorfrm.h"

#include "platform/windows/text.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kivalto {

errorfrm::errorfrm(App& a) : app(a)
{
    setObjectName("errorfrm");
    setWindowTitle("An Error Has Occurred!");
    Label1 = new QLabel("An Error Message should have appeared here. If you can read this then a bug has occurred.");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label1->setTextFormat(Qt::PlainText);  // callers' texts may hold file names with '<'
    Command1 = new QPushButton("&Continue");
    Command2 = new QPushButton("C&lose Kivalto");
    Command1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1, 1);
    lay->addLayout(buttons);
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &errorfrm::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &errorfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &errorfrm::Command2_Click);
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

mesage::mesage(App& a) : app(a)
{
    setObjectName("mesage");
    setWindowTitle("Operation Completed Successfully");
    Label1 = new QLabel;
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label1->setTextFormat(Qt::PlainText);  // callers' texts may hold file names with '<'
    Command1 = new QPushButton("&OK");
    Command1->setDefault(true);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1, 1);
    lay->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &mesage::Command1_Click);
}

void mesage::Command1_Click() { hide(); }

void App::showError(const std::string& text)
{
    errorfrm->Label1->setText(qs(text));
    errorfrm->show();
    errorfrm->raise();
    errorfrm->activateWindow();
    errorfrm->Form_Activate();
}

void App::showMessage(const std::string& text)
{
    mesage->Label1->setText(qs(text));
    mesage->show();
    mesage->raise();
    mesage->activateWindow();
}

} // namespace kivalto
