// Window `chpath` ("Change ROM Path").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class chpath : public QWidget {
    Q_OBJECT
public:
    explicit chpath(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
