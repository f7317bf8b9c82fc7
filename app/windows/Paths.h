// SPDX-License-Identifier: GPL-3.0-or-later
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
    QLineEdit* ROMPath = nullptr;   // "ROM Directory"
    QLineEdit* snespath = nullptr;  // "SPCPlay Directory (Optional)"
    QLineEdit* GUIDIr = nullptr;    // "Kivalto Directory"
    QLineEdit* unZipdir = nullptr;  // "ROM Unzip Directory"
    QLineEdit* vesadir = nullptr;   // "Full Vesa 2 Path inc. EXE"
    QLineEdit* skeydir = nullptr;   // "SnesKey Directory"
    QLineEdit* GPFDir = nullptr;    // "Save ROM Settings to"
    QLabel* Label2 = nullptr;       // "All paths must end with '\'."
    QPushButton* Command2 = nullptr;  // "Save"
    QPushButton* Command1 = nullptr;  // "Back"
    QPushButton* Command3 = nullptr;  // "Info"

    // The value of a field as bytes.
    std::string value(PathField f) const;
    QLineEdit* field(PathField f) const;

    void Form_Load();       // reads paths.dat into the fields
    void Command2_Click();  // Save: upper-cased, '\' added, paths.dat written
    void Command1_Click();  // Back: '\' added, the window hidden
    void Command3_Click();  // Info: what an empty GPFDir means

private:
    void createControls();
    void layOut();
    void connectControls();

    PathValues values() const;
    void setValues(const PathValues& v);
};

} // namespace kivalto
