// The Paths window: the seven directory settings, held in its text fields
// for the whole run.
#pragma once

#include "app/pathsettings.h"
#include "app/windows/App.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace kivalto {

class Paths : public QWidget {
    Q_OBJECT
public:
    explicit Paths(App& app);

    App& app;
    QLineEdit* ROMPath = nullptr;
    QLineEdit* snespath = nullptr;
    QLineEdit* GUIDIr = nullptr;
    QLineEdit* unZipdir = nullptr;
    QLineEdit* vesadir = nullptr;
    QLineEdit* skeydir = nullptr;
    QLineEdit* GPFDir = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;  // Save
    QPushButton* Command1 = nullptr;  // Back
    QPushButton* Command3 = nullptr;  // Info

    // The value of a field as bytes.
    std::string value(PathField f) const;
    QLineEdit* field(PathField f) const;

    void Form_Load();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();

private:
    PathValues values() const;
    void setValues(const PathValues& v);
};

} // namespace kivalto
