// Window `addnew` ("Add New Plugin Wizard"): builds a plugin one field at a
// time straight into the editor's loaded plugin, then saves it.
#pragma once

#include "app/windows/App.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace kivalto {

class addnew : public QWidget {
    Q_OBJECT
public:
    explicit addnew(App& app);
    App& app;

    QLabel* Label1 = nullptr;     // prompt of the current step
    QLineEdit* Text1 = nullptr;   // answer, or name of an option, cheat or display mode
    QLabel* Label2 = nullptr;     // "Switch:", the label of Text3
    QLineEdit* Text3 = nullptr;   // switch of an option, cheat or display mode
    QComboBox* Combo1 = nullptr;  // ROM masks
    QLineEdit* Text2 = nullptr;   // hidden step counter 0..11
    QPushButton* Command1 = nullptr;  // Store
    QPushButton* Command2 = nullptr;  // Next >> / Finish
    QPushButton* Command3 = nullptr;  // Cancel

    // Runs once when the start-up load creates the window.
    void Form_Load();
    // The menu command: clears the plugin's keys and lists and shows step 0.
    void start();
    int step() const;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void setStep(int step);
    void showStoreBoxes(bool on);
    void fitPrompt();
};

} // namespace kivalto
