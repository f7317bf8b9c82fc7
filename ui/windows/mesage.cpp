// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/mesage.h"

#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivalto {

mesage::mesage(App& a) : app(a)
{
    setObjectName("mesage");
    setWindowTitle("Operation Completed Successfully");
    Label1 = makeMessageLabel({});
    Label1->setObjectName("Label1");
    Command1 = makeButton(this, "Command1", "&OK");
    Command1->setDefault(true);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1, 1);
    lay->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &mesage::Command1_Click);
}

void mesage::showText(const std::string& text)
{
    Label1->setText(qs(text));
    showInFront(this);
}

std::string mesage::text() const { return bytes(Label1->text()); }

void mesage::Command1_Click() { hide(); }

} // namespace kivalto
