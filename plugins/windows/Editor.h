// The plugin editor. It owns the one loaded EmulatorPlugin, visible or not:
// `plugin` is authoritative, the controls show it and every edit in them
// is written through to it at once.
#pragma once

#include "app/windows/App.h"
#include "plugins/plugin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

namespace kivalto {

class Editor : public QWidget {
    Q_OBJECT
public:
    explicit Editor(App& app);
    App& app;

    // The one loaded plugin.
    EmulatorPlugin plugin;

    // Header fields
    QLineEdit* Text1 = nullptr;   // pluginName
    QLineEdit* Text2 = nullptr;   // emulatorName
    QComboBox* Combo1 = nullptr;  // fileSpec
    QLineEdit* Text3 = nullptr;   // frameskipSwitch
    QLineEdit* Text16 = nullptr;  // defaultDir
    QLineEdit* Text17 = nullptr;  // fixedSwitches
    QLineEdit* Text18 = nullptr;  // exeName
    // Option and display lists with their headers
    QListWidget* List6 = nullptr;  // display names
    QListWidget* List7 = nullptr;  // display switches
    QListWidget* List8 = nullptr;  // option names
    QListWidget* List9 = nullptr;  // option switches
    QLabel* Text12 = nullptr;
    QLabel* Text13 = nullptr;
    QLabel* Text14 = nullptr;
    QLabel* Text15 = nullptr;
    // Key columns, headers and row labels
    std::array<QListWidget*, 5> keyLists{};  // List1 .. List5
    std::array<QLabel*, 5> keyHeaders{};     // Text5 .. Text9
    QListWidget* Text4 = nullptr;            // row labels
    // Working controls
    QLineEdit* Text10 = nullptr;  // key cell edit box
    QLineEdit* Text11 = nullptr;  // option/display edit box
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* addopt = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command1 = nullptr;  // Close
    QPushButton* Command2 = nullptr;  // Save Plugin
    QPushButton* Command3 = nullptr;  // Import Plugin
    QPushButton* Command4 = nullptr;  // Reset

    int sellistB = 0;  // key column clicked last, 1..5
    int sellisT = 0;   // option/display list clicked last, 6..9

    QListWidget* List(int n) const;  // List1 .. List9 by number

    void Form_Load();
    // Puts `plugin` into the controls (after a load or a change from elsewhere).
    void showPlugin();

    // Writes `plugin` to pluginName + ".XPL" in the Kivalto directory after
    // the ROM-mask and directory rules. Throws FileError; the old file stays.
    void savePLUG();
    // Loads the plugin file at the DOS path (empty: nothing to load).
    void importPlug(const std::string& path);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void addopt_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command7_Click();
    void Command5_Click();
    void Command8_Click();
    void Command6_Click();
    void Command12_Click();
    void List_Click(int listNumber);

    // Colour text ("&H00FFFFFF" white, "&H0000FFFF" yellow) of header
    // TextN: 5..9 key columns, 12..15 option and display lists.
    std::string headerColour(int textNumber) const;
    // The editable ROM masks box with the system names, initial text "*.*"
    // (shared with the wizard).
    static QComboBox* makeFileSpecCombo(QWidget* parent);
    // Warns about values that would not read back, then savePLUG; reports
    // a failed write. True when the file was written.
    bool saveCheckedPlugin();

private:
    QLabel* header(int textNumber) const;
    void setHeaderColour(QLabel* header, const std::string& colourText);
    void showHeaderFields();
    void connectWriteThrough();
    bool updatingLists_ = false;  // list selections changed by code, not by the user
};

} // namespace kivalto
