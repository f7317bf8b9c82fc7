// SPDX-License-Identifier: GPL-3.0-or-later
// Window `chpath` ("Change ROM Path"): browse to a ROM directory or step
// through the presets of presets.dat, and make the choice the ROM
// directory of the main window. Its controls are built when it is first
// shown or first used; the load step only reads the presets and notes the
// folder Dir1 starts on.
#pragma once

#include "app/windows/App.h"
#include "platform/qt/lazywindow.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kivalto {

class DirListBox;
class DriveListBox;

class chpath : public LazyWindow {
    Q_OBJECT
public:
    explicit chpath(App& app);

    // Runs once when the start-up load creates the window.
    void Form_Load();
    // Makes Dir1's folder the ROM directory, rescans and hides the window.
    void okay();
    // How okay opens a folder as the ROM folder (the main window's
    // business, set by the start-up); false: it could not, and told why.
    std::function<bool(const std::string&)> openRomFolder;
    // Opens `folder` as if chosen here and confirmed (the ROM list's
    // folder entries and "UP"); reports a folder that cannot be opened.
    void openFolder(const std::string& folder);

    // The main window's Next button: the next preset, wrapping to 1.
    void stepToNextPreset();

    // The ROM folders of presets.dat, preset n at [n - 1].
    int presetCount() const { return static_cast<int>(presets_.size()); }
    const std::vector<std::string>& presets() const { return presets_; }

protected:
    void buildControls() override;

private:
    int presetNumberShown() const;  // n as the box holds it
    void Drive1_Change();   // a drive picked: Dir1 goes to its current folder
    void Text1_Change();    // n typed: kept in range, Dir1 goes to preset n
    void Image1_Click();    // Previous Preset
    void Image2_Click();    // Next Preset
    void Command3_Click();  // Save Preset: Dir1's folder becomes preset n
    void Command2_Click();  // OK
    void Command1_Click();  // Cancel

    void createFolderChoice();    // Drive1, Dir1 and DirPath
    void createPresetControls();  // Label1 to Command1
    void layOut();
    void connectControls();

    void setPresetNumber(int n);

    App& app;
    DriveListBox* Drive1 = nullptr;   // "Drive"
    DirListBox* Dir1 = nullptr;       // "Directory": the folder chosen
    QLabel* DirPath = nullptr;        // the folder Dir1 is on
    QLabel* Label1 = nullptr;         // "Preset", Text1's label
    QLineEdit* Text1 = nullptr;       // the preset number n
    QToolButton* Image1 = nullptr;    // "Previous Preset"
    QToolButton* Image2 = nullptr;    // "Next Preset"
    QPushButton* Command3 = nullptr;  // "Save Preset"
    QPushButton* Command2 = nullptr;  // "OK"
    QPushButton* Command1 = nullptr;  // "Cancel"

    bool changing_ = false;
    std::string startFolder_;           // the ROM folder at load: Dir1's first folder
    std::vector<std::string> presets_;  // the ROM folders of presets.dat, preset n at [n - 1]
};

} // namespace kivalto
