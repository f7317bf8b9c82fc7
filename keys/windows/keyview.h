// Window `keyview` ("Player 1 Controller").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class keyview : public QWidget {
    Q_OBJECT
public:
    explicit keyview(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
