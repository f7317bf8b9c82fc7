// Window `keyconfig` ("Configure Keys").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class keyconfig : public QWidget {
    Q_OBJECT
public:
    explicit keyconfig(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
