// SPDX-License-Identifier: GPL-3.0-or-later
// Window `sneskeycon` ("SnesKey Configuration"): the controller profile,
// the mapping of its buttons onto the pad buttons and the player choice,
// saved in SnesKey.dat and restored when the window is loaded.
#pragma once

#include "keys/sneskey.h"

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kivalto {

struct App;

class sneskeycon : public QWidget {
    Q_OBJECT
public:
    explicit sneskeycon(App& app);

    // Lists the profiles and restores SnesKey.dat (silently stops on failure).
    void Form_Load();

    // The button names of the loaded profile, as bytes.
    std::vector<std::string> buttonNames() const;
    // The chosen profile's part of the driver file: its lines, buttons and slots.
    DriverFileInput profileInput() const;
    bool playerOne() const;

private:
    App& app;

    QComboBox* Combo1 = nullptr;    // "Please select your controller:": profile names
    QLabel* Text2 = nullptr;        // heading "Available Buttons"
    QListWidget* List2 = nullptr;   // button names
    QLabel* Text1 = nullptr;        // heading "Map To"
    QListWidget* List1 = nullptr;   // the eight pad buttons, index = slot
    QRadioButton* Option1 = nullptr;  // Player 1 Keys
    QRadioButton* Option2 = nullptr;  // Player 2 Keys
    QPushButton* Command1 = nullptr;  // Done
    QPushButton* Command2 = nullptr;  // Help
    // Not shown:
    std::vector<std::string> List3;  // the profile's driver lines
    std::vector<std::string> List4;  // per button, the slot it maps to

    // Loads the profile named by Combo1's text.
    void Combo1_Click();
    void List2_Click();     // a button chosen: shows its slot in List1
    void List1_Click();     // a slot chosen: maps the chosen button to it
    void Command1_Click();  // Done: saves SnesKey.dat and hides the window
    void Command2_Click();  // Help

    void createControls();
    void layOut();
    void connectControls();
    void restoreSetup();
    void markLoadedController();
};

} // namespace kivalto
