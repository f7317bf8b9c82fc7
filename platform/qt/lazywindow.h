// SPDX-License-Identifier: GPL-3.0-or-later
// A window that builds its controls the first time it is shown or asked for
// them, not when it is created. Start-up creates every window, and most are
// never opened in a run; until it is built, a window keeps its state in
// plain data (or in the selection), so that its load step still reads its
// files at its place in the load.
#pragma once

#include <QWidget>

namespace kivalto {

class LazyWindow : public QWidget {
public:
    // Builds the controls now if they are not built yet: for whoever needs
    // a control of a window that was never shown.
    void ensureBuilt();
    bool isBuilt() const { return built_; }

    void setVisible(bool visible) override;

protected:
    using QWidget::QWidget;
    // Creates, names, lays out and connects the controls, and shows the
    // window's state in them. Runs once.
    virtual void buildControls() = 0;

private:
    bool built_ = false;
};

} // namespace kivalto
