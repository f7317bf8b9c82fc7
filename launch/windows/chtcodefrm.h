// Window `chtcodefrm` ("Enter a Cheat Code").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class chtcodefrm : public QWidget {
    Q_OBJECT
public:
    explicit chtcodefrm(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
