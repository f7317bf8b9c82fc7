// Window `Jukebox` ("SPC-Jukebox").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class Jukebox : public QWidget {
    Q_OBJECT
public:
    explicit Jukebox(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
