// Window `nonadv` ("Set SnesKey Mappings").
#pragma once

#include "app/windows/App.h"

#include <QWidget>

namespace kivalto {

class nonadv : public QWidget {
    Q_OBJECT
public:
    explicit nonadv(App& app);
    App& app;

    // Runs once when the start-up load creates the window.
    void Form_Load();
};

} // namespace kivalto
