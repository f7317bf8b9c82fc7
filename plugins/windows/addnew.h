// Window `addnew` ("Add New Plugin Wizard").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class addnew : public QWidget {
    Q_OBJECT
public:
    explicit addnew(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
