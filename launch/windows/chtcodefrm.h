// SPDX-License-Identifier: GPL-3.0-or-later
// Window `chtcodefrm` ("Enter a Cheat Code"): one cheat per launch, a
// switch (picked from the current plugin's cheat types or typed) and a code.
#pragma once

#include "app/windows/App.h"
#include "plugins/plugin.h"

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kivalto {

class chtcodefrm : public QWidget {
    Q_OBJECT
public:
    explicit chtcodefrm(App& app);

    // Runs once when the start-up load creates the window.
    void Form_Load();
    // Empties the types, the switches and the switch text, then lists the
    // given cheat types (names already without "#") with their switches.
    void setCheatTypes(const std::vector<PluginOption>& cheats);

    // Shows the cheat a launch uses (from ROM settings): the switch text
    // and the code.
    void setCheatSwitch(const std::string& switchText);
    void setCheatCode(const std::string& code);

private:
    void Combo1_Click();    // a type picked from the list
    void Command1_Click();  // Done: a picked type becomes its switch; hides
    void Command2_Click();  // Help

    void createSwitchChoice();  // Combo1 and its label Label3
    void createControls();      // Label1, Text1 and its label, the buttons
    void layOut();
    void connectControls();

    App& app;
    QLabel* Label1 = nullptr;         // "Enter the Cheat Code and the switch below. ..."
    QLabel* Label3 = nullptr;         // "Switch:", Combo1's label
    QComboBox* Combo1 = nullptr;      // cheat types; its text is the switch used
    QLabel* Label2 = nullptr;         // "Cheat Code:", Text1's label
    QLineEdit* Text1 = nullptr;       // the cheat code
    QPushButton* Command1 = nullptr;  // "Done"
    QPushButton* Command2 = nullptr;  // "Help"

    // Set when a type was just picked from the list; Done then turns the
    // type's name into its switch.
    bool jstclickd = false;
    std::vector<std::string> switches_;  // the switch of each cheat type, parallel to Combo1
};

} // namespace kivalto
