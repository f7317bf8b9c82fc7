// SPDX-License-Identifier: GPL-3.0-or-later
// Window `keyconfig` ("Configure Keys"): the twelve pad keys of ZSNES,
// ESNES or NLKE, written into the emulator's key file, a key record file
// and the emulator's plugin.
#pragma once

#include "keys/keyreconfig.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace kivalto {

struct App;

class keyconfig : public QWidget {
    Q_OBJECT
public:
    explicit keyconfig(App& app);

    // Reads lookup.dat.
    void Form_Load();
    // Shows the window for `emu`'s keys, active.
    void showFor(KeyEmulator emu);
    // What lookup.dat gave; entries it did not hold stay 0.
    const ScanCodeTable& scanCodeTable() const { return scanCodes; }

protected:
    bool event(QEvent* e) override;

private:
    App& app;

    QGroupBox* Frame1 = nullptr;  // "Emulator"
    QSlider* Slider1 = nullptr;   // 1 ZSNES, 2 ESNES, 3 NLKE
    QLabel* emucap = nullptr;     // "<emulator> Path:", Text2's label
    QLineEdit* Text2 = nullptr;   // emulator directory
    std::array<QLineEdit*, kPadKeyCount> Text1{};  // pad keys, PadKeySlot order
    QLabel* joypic1 = nullptr;    // pad picture
    QPushButton* Command3 = nullptr;  // Save Player 1 Keys
    QPushButton* Command4 = nullptr;  // Save Player 2 Keys
    QPushButton* Command2 = nullptr;  // Reset
    QPushButton* Command5 = nullptr;  // What keys are Valid?
    QPushButton* Command1 = nullptr;  // Close

    ScanCodeTable scanCodes;

    // Every activation shows the selected emulator's default directory.
    void Form_Activate();
    void Slider1_Click();   // emulator chosen: its path caption and directory
    void Command1_Click();  // Close
    void Command2_Click();  // Reset: empties the key boxes
    void Command3_Click();  // Save Player 1 Keys
    void Command4_Click();  // Save Player 2 Keys
    void Command5_Click();  // What keys are Valid?

    KeyEmulator selectedEmulator() const;

    void createEmulatorChoice();  // Frame1 with Slider1 and the emulator names
    void createControls();
    void layOut();
    void orderTabs();
    void connectControls();

    void saveKeys(int player);
    // Writes the key record file, then the keys into the emulator's key
    // file (keyFile, whose bytes were `current`); false when a key has no
    // scan code, the emulator's file has no place for them or a file could
    // not be written.
    bool writeKeyFiles(KeyEmulator emu, const PadKeys& keys, int player, const std::string& keyFile,
                       const std::optional<std::string>& current);
    // Writes the keys into the emulator's plugin; false when that failed
    // and the user has been told.
    bool updatePlugin(KeyEmulator emu, const PadKeys& keys, int player);
};

} // namespace kivalto
