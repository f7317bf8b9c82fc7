// Window `frmTip` ("Tip of the Day").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
