// Window `sneskeycon` ("SnesKey Configuration"): the controller profile,
// the mapping of its buttons onto the pad buttons and the player choice,
// saved in SnesKey.dat and restored when the window is loaded.
#pragma once

#include "app/windows/App.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <string>
#include <vector>

namespace kivalto {

class sneskeycon : public QWidget {
    Q_OBJECT
public:
    explicit sneskeycon(App& app);
    App& app;

    QComboBox* Combo1 = nullptr;    // controller names
    QLabel* Text2 = nullptr;        // heading "Available Buttons"
    QListWidget* List2 = nullptr;   // button names
    QLabel* Text1 = nullptr;        // heading "Map To"
    QListWidget* List1 = nullptr;   // the eight pad buttons, index = slot
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;  // Done
    QPushButton* Command2 = nullptr;  // Help
    // Not shown: the profile's driver lines and one slot per button.
    std::vector<std::string> List3;
    std::vector<std::string> List4;

    // Lists the profiles and restores SnesKey.dat (silently stops on failure).
    void Form_Load();
    // Loads the profile named by Combo1's text.
    void Combo1_Click();
    void List2_Click();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    // The button names of the loaded profile, as bytes.
    std::vector<std::string> buttonNames() const;
    bool playerOne() const { return Option1->isChecked(); }

private:
    void restoreSetup();
    void markLoadedController();
};

} // namespace kivalto
