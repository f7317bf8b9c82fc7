// SPDX-License-Identifier: GPL-3.0-or-later
// Window `nonadv` ("Set SnesKey Mappings"): the keys the controller's
// buttons produce when advanced SnesKey support is off, with Load and Save
// of mapping files (*.SKS).
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kivalto {

struct App;

class nonadv : public QWidget {
    Q_OBJECT
public:
    explicit nonadv(App& app);

    // Takes the buttons of the profile sneskeycon loaded before this window
    // existed.
    void Form_Load();
    // Shows the window with its first button chosen, as every opening does.
    void showAtFirstButton();
    // A newly loaded profile: button k starts on the key text "k".
    void setButtons(const std::vector<std::string>& buttons);
    // The manual key list, as bytes.
    std::vector<std::string> keys() const;

protected:
    bool event(QEvent* e) override;

private:
    App& app;

    QListWidget* List1 = nullptr;  // "Available Buttons": button names
    QListWidget* List2 = nullptr;  // "Map To": the manual key list, one per button
    QLineEdit* Text3 = nullptr;    // "Key:": the chosen button's key, to accept
    QPushButton* Command4 = nullptr;  // Accept
    QPushButton* Command3 = nullptr;  // Valid Keys
    QPushButton* Command2 = nullptr;  // Help
    QPushButton* Command5 = nullptr;  // Load
    QPushButton* Command6 = nullptr;  // Save
    QPushButton* Command1 = nullptr;  // Close

    QLabel* buttonsHeading_ = nullptr;  // above List1
    QLabel* keysHeading_ = nullptr;     // above List2
    bool opening_ = false;  // shown, not yet activated

    // The first activation after the window is opened: selects the first button.
    void Form_Activate();
    void List1_Click();     // a button chosen: selects its key in List2
    void List2_Click();     // a key chosen: copies it into Text3
    void Command4_Click();  // Accept: Text3, upper-cased, becomes the chosen key
    void Command3_Click();  // Valid Keys
    void Command2_Click();  // Help
    void Command5_Click();  // Load a mapping file
    void Command6_Click();  // Save a mapping file
    void Command1_Click();  // Close

    void createControls();
    void layOut();
    void connectControls();
};

} // namespace kivalto
