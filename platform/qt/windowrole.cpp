// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/windowrole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace kivalto {

namespace {

QAccessibleInterface* plainWindow(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QWidget") || !widget || !widget->isWindow() ||
        qobject_cast<QMainWindow*>(widget) || qobject_cast<QDialog*>(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void reportPlainWindowsAsWindows()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(plainWindow);
    installed = true;
}

} // namespace kivalto
