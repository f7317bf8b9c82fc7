// SPDX-License-Identifier: GPL-3.0-or-later
// The Paths window: the seven directory settings, edited in its text
// fields. What the fields hold is in force at once: every change goes to
// App::pathSettings, where the other windows read it.
#pragma once

#include "app/pathsettings.h"
#include "app/windows/App.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kivalto {

class Paths : public QWidget {
    Q_OBJECT
public:
    explicit Paths(App& app);

    // Run by the start-up load: reads paths.dat into the fields.
    void Form_Load();

private:
    void Command2_Click();  // Save: upper-cased, '\' added, paths.dat written
    void Command1_Click();  // Back: '\' added, the window hidden
    void Command3_Click();  // Info: what an empty GPFDir means

    void createControls();
    void layOut();
    void connectControls();

    QLineEdit* field(PathField f) const;
    PathValues values() const;
    void setValues(const PathValues& v);

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
};

} // namespace kivalto
