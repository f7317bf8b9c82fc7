// Window `sneskeycon` ("SnesKey Configuration").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class sneskeycon : public QWidget {
    Q_OBJECT
public:
    explicit sneskeycon(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
