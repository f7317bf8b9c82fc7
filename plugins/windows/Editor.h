// SPDX-License-Identifier: GPL-3.0-or-later
// The plugin editor. It edits the current plugin of the selection, visible
// or not: the controls show it and every edit in them is written through to
// it at once. Whoever changes the plugin elsewhere tells the selection
// (Selection::pluginChanged), and the editor shows the change. The plugin
// is the editor's only state, so its controls are built when it is first
// shown.
#pragma once

#include "platform/qt/lazywindow.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kivalto {

struct App;
struct EmulatorPlugin;

class Editor : public LazyWindow {
    Q_OBJECT
public:
    explicit Editor(App& app);
    ~Editor() override;

protected:
    void buildControls() override;

private:
    App& app;
    EmulatorPlugin& plugin;  // the selection's current plugin

    // Header fields, each with its label
    QLineEdit* Text1 = nullptr;   // "Filename: (No EXT)": pluginName
    QLineEdit* Text2 = nullptr;   // "Emulator Name:": emulatorName
    QComboBox* Combo1 = nullptr;  // "FileSpec:": fileSpec, ROM masks or a system name
    QLineEdit* Text3 = nullptr;   // "Frameskip: (e.g. -F n)": frameskipSwitch
    QLineEdit* Text16 = nullptr;  // "Default Directory": defaultDir
    QLineEdit* Text17 = nullptr;  // "Non-optional:": fixedSwitches
    QLineEdit* Text18 = nullptr;  // "Filename (EXE):": exeName
    // Option and display lists; a name list and its switch list are partners
    QListWidget* List6 = nullptr;  // display mode names, under Text15
    QListWidget* List7 = nullptr;  // display mode switches, under Text14
    QListWidget* List8 = nullptr;  // option names, under Text12
    QListWidget* List9 = nullptr;  // option switches, under Text13
    // List headers: white, yellow over the list clicked last
    QLabel* Text12 = nullptr;  // "Options ", header of List8
    QLabel* Text13 = nullptr;  // "Switches", header of List9
    QLabel* Text14 = nullptr;  // "Switches", header of List7
    QLabel* Text15 = nullptr;  // "Display Options", header of List6
    // Key columns, headers and row labels
    std::array<QListWidget*, 5> keyLists{};  // List1 .. List5: one key column each, a cell a row
    std::array<QLabel*, 5> keyHeaders{};     // Text5 .. Text9: "Player 1 Keys" .. "6 Button Pad"
    QListWidget* Text4 = nullptr;            // row labels of the key columns; takes no focus
    // Working controls
    QLineEdit* Text10 = nullptr;  // "Buttons/Keys:": the key cell being edited
    QLineEdit* Text11 = nullptr;  // "Options:": the option or display row being edited
    QPushButton* Command5 = nullptr;  // "Clear" (key): empties Text10
    QPushButton* Command6 = nullptr;  // "Accept" (key): puts Text10 into the selected cell of the column clicked last
    QPushButton* Command7 = nullptr;  // "Clear" (option): empties Text11
    QPushButton* Command8 = nullptr;  // "Accept" (option): puts Text11 into the selected row of the list clicked last
    QCheckBox* Check1 = nullptr;      // "Link Lists": a click in a list selects the same row of its partner
    QPushButton* addopt = nullptr;     // "Add" (option): a new option named Text11
    QPushButton* Command9 = nullptr;   // "Add" (display): a new display mode named Text11
    QPushButton* Command10 = nullptr;  // "Remove" (option): drops the option selected in List8
    QPushButton* Command11 = nullptr;  // "Remove" (display): drops the display mode selected in List6
    QPushButton* Command12 = nullptr;  // "Help": how keys are written
    QPushButton* Command1 = nullptr;  // "Close"
    QPushButton* Command2 = nullptr;  // "Save Plugin"
    QPushButton* Command3 = nullptr;  // "Import Plugin"
    QPushButton* Command4 = nullptr;  // "Reset": an empty plugin

    int sellistB = 0;  // key column clicked last, 1..5 (0: none yet)
    int sellisT = 0;   // option/display list clicked last, 6..9 (0: none yet)
    bool updatingLists_ = false;  // list selections changed by code, not by the user

    // The constructor's steps.
    void createControls();  // in keyboard order: the focus chain follows creation
    void nameControls();    // accessible names and descriptions
    void layOutControls();
    void connectControls();
    void connectWriteThrough();
    QLabel* makeHeader(const char* name, const char* text);

    QListWidget* List(int n) const;        // List1 .. List9 by number
    QLabel* header(int textNumber) const;  // Text5 .. Text9, Text12 .. Text15 by number
    // Colour text ("&H00FFFFFF" white, "&H0000FFFF" yellow) of a header.
    void setHeaderColour(QLabel* header, const std::string& colourText);

    // Puts the plugin into the controls (at load, after a change from elsewhere).
    void showPlugin();
    void showHeaderFields();

    // Handlers of the buttons, by their captions.
    void Command1_Click();   // Close: asks, then hides the window (the plugin stays loaded)
    void Command2_Click();   // Save Plugin: needs a name; saveCheckedPlugin, then says so
    void Command3_Click();   // Import Plugin: importPlug of the chosen file
    void Command4_Click();   // Reset: empties the plugin and both edit boxes
    void addopt_Click();     // Add option
    void Command9_Click();   // Add display mode
    void Command10_Click();  // Remove option
    void Command11_Click();  // Remove display mode
    void Command7_Click();   // Clear option box
    void Command5_Click();   // Clear key box
    void Command8_Click();   // Accept option or display row
    void Command6_Click();   // Accept key cell
    void Command12_Click();  // Help on the key notation
    // A click in ListN: highlights its header, copies the row into the edit
    // box of its group (and, with Link Lists, selects the partner's row).
    void List_Click(int listNumber);
};

} // namespace kivalto
