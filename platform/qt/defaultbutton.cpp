// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/defaultbutton.h"

#include <QLineEdit>

namespace kivalto {

void makeDefaultButton(QWidget* window, QPushButton* button)
{
    button->setDefault(true);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        QObject::connect(field, &QLineEdit::returnPressed, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
}

} // namespace kivalto
