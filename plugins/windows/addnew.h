// SPDX-License-Identifier: GPL-3.0-or-later
// Window `addnew` ("Add New Plugin Wizard"): builds a plugin one field at a
// time straight into the selection's current plugin, the one the editor
// shows, then saves it. Its controls are built when the menu command first
// starts it.
#pragma once

#include "platform/qt/lazywindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kivalto {

struct App;

class addnew : public LazyWindow {
    Q_OBJECT
public:
    explicit addnew(App& app);

    // The menu command: clears the plugin's keys and lists and shows step 0.
    void start();

protected:
    void buildControls() override;

private:
    App& app;

    QLabel* Label1 = nullptr;     // prompt of the current step; buddy of the box that answers it
    QLineEdit* Text1 = nullptr;   // answer, or name of an option, cheat or display mode
    QLabel* Label2 = nullptr;     // "Switch:", the label of Text3
    QLineEdit* Text3 = nullptr;   // switch of an option, cheat or display mode
    QComboBox* Combo1 = nullptr;  // ROM masks or a system name (step 10)
    QPushButton* Command1 = nullptr;  // "Store": adds Text1 and Text3 as one entry (steps 7 to 9)
    QPushButton* Command2 = nullptr;  // "Next >>", "Finish" on the last step
    QPushButton* Command3 = nullptr;  // "Cancel"

    void Command1_Click();  // Store: an option (step 7), cheat (8) or display mode (9)
    void Command2_Click();  // Next: takes the answer of the step and shows the next; Finish saves
    void Command3_Click();  // Cancel: hides the wizard; what was taken stays in the plugin

    // The steps of buildControls.
    void createControls();  // in keyboard order: the focus chain follows creation
    void layOutControls();

    // The step shown, 0 (welcome) to 11 (Finish).
    int step() const;
    // Shows step `step`: its prompt and the boxes that answer it.
    void setStep(int step);
    void showBoxesOf(int step);
    void showStoreBoxes(bool on);
    void takeAnswerOf(int step);
    void focusAnswerBox();
    void finish();
    void fitPrompt();

    int step_ = 0;
};

} // namespace kivalto
