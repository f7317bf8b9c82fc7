// Window `Editor` ("Plugin Editor").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class Editor : public QWidget {
    Q_OBJECT
public:
    explicit Editor(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
