// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/lazywindow.h"

namespace kivalto {

void LazyWindow::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    buildControls();
}

// Before QWidget shows the window, so that its size and focus come from the
// built controls.
void LazyWindow::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QWidget::setVisible(visible);
}

} // namespace kivalto
