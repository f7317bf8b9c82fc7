// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/windows/addnew.h"

#include "app/windows/App.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "plugins/plugin.h"
#include "plugins/windows/pluginform.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

namespace kivalto {

namespace {

// The prompt of each step.
const std::array<const char*, 12> kPrompts = {
    "This Wizard will step you through the process of creating a Plugin. Click 'Next' to continue. You may like "
    "to have the plugin editor open to see what this wizard is doing.",
    "Plugin Filename without extension.",
    "Emulator name and version.",
    "Enter the switch for a frameskip, e.g. '-f n'. If unavailable leave blank.",
    "Enter the Default directory for this emulator.",
    "Enter any switches to always use.",
    "Enter emulator EXE name, e.g. 'ZSNES.EXE'",
    "Enter all options not to do with controller or display resolution. Enter the option in the top box, and the "
    "switch in the bottom box. Press STORE to enter it, press NEXT when done.",
    "Enter all cheat code switches. Enter the cheat code name in the top box, and the switch in the bottom box. "
    "Press STORE to enter it, press NEXT when done.",
    "Enter all the available display resolutions. Enter the resolution in the top box, and the switch in the "
    "bottom box. Press STORE to enter it, press NEXT when done. Use an 'X' at the end to signify modeX, S to show "
    "Scanlines, and 1 if VESA1. Nothing at the end shows VESA2.",
    "Select or enter the filespec for the emulator. If you select an emulator from the list the text will be "
    "replaced with the appropriate filespec.",
    "You must use the plugin editor to set the keys.",
};
// The step whose button reads "Finish" and saves the plugin.
constexpr int kFinishStep = static_cast<int>(kPrompts.size()) - 1;

// Header field each of steps 1 to 6 takes from the top box.
const std::array<std::string EmulatorPlugin::*, 7> kStepFields = {
    nullptr,
    &EmulatorPlugin::pluginName,
    &EmulatorPlugin::emulatorName,
    &EmulatorPlugin::frameskipSwitch,
    &EmulatorPlugin::defaultDir,
    &EmulatorPlugin::fixedSwitches,
    &EmulatorPlugin::exeName,
};

} // namespace

addnew::addnew(App& a) : app(a)
{
    setObjectName("addnew");
    setWindowTitle("Add New Plugin Wizard");
}

void addnew::buildControls()
{
    createControls();
    layOutControls();
    showBoxesOf(0);
    connectClicks(this, {{Command1, &addnew::Command1_Click},
                         {Command2, &addnew::Command2_Click},
                         {Command3, &addnew::Command3_Click}});
}

void addnew::createControls()
{
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    Text1 = makeEdit(this, "Text1");
    Combo1 = makeFileSpecCombo(this, "Combo1");
    // Made before its buddy, as it reads before it.
    Label2 = new QLabel("S&witch:", this);
    Label2->setObjectName("Label2");
    Text3 = makeEdit(this, "Text3");
    Label2->setBuddy(Text3);
    Label1->setBuddy(Text1);
    Command1 = makeButton(this, "Command1", "&Store");
    Command2 = makeButton(this, "Command2", "&Next >>");
    Command2->setDefault(true);
    Command3 = makeButton(this, "Command3", "&Cancel");
}

void addnew::layOutControls()
{
    auto* page = makeColumn({Label1, Text1, Combo1, Label2, Text3, nullptr});
    page->addLayout(makeRow({Command1, nullptr, Command2, Command3}));
    setLayout(page);
}

int addnew::step() const { return step_; }

void addnew::setStep(int s)
{
    step_ = s;
    Label1->setText(kPrompts[static_cast<std::size_t>(s)]);
    showBoxesOf(s);
}

// Steps 1 to 9 are answered in the top box, 7 to 9 with a switch as well
// (stored as often as the user likes), step 10 in the ROM masks box.
void addnew::showBoxesOf(int s)
{
    Text1->setVisible(s >= 1 && s <= 9);
    showStoreBoxes(s >= 7 && s <= 9);
    Combo1->setVisible(s == 10);
    Label1->setBuddy(s == 10 ? static_cast<QWidget*>(Combo1) : Text1);
    Command2->setText(s == kFinishStep ? "&Finish" : "&Next >>");
}

// A window's minimum size ignores how tall a wrapped label must be at its
// width, so a longer prompt would lose lines: the window grows to fit it.
void addnew::fitPrompt()
{
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void addnew::showStoreBoxes(bool on)
{
    Label2->setVisible(on);
    Text3->setVisible(on);
    Command1->setVisible(on);
}

void addnew::start()
{
    EmulatorPlugin& p = app.selection.plugin();
    p.keys.clear();
    p.options.clear();
    p.displayModes.clear();
    app.selection.pluginChanged();
    ensureBuilt();
    setStep(0);  // hides the boxes a run cancelled in steps 7 to 10 left shown
    show();
    fitPrompt();
    raise();
    activateWindow();
}

// The header field of steps 1 to 6, the ROM masks of step 10; the lists
// are filled by Store.
void addnew::takeAnswerOf(int s)
{
    EmulatorPlugin& p = app.selection.plugin();
    if (s >= 1 && s <= 6)
        p.*kStepFields[static_cast<std::size_t>(s)] = bytes(Text1->text());
    else if (s == 10)
        p.fileSpec = bytes(Combo1->currentText());
}

void addnew::focusAnswerBox()
{
    if (Text1->isVisibleTo(this))
        Text1->setFocus();
    else if (Combo1->isVisibleTo(this))
        Combo1->setFocus();
}

// A plugin that was not written keeps the wizard open to try again.
void addnew::finish()
{
    if (saveCheckedPlugin(app))
        hide();
}

void addnew::Command2_Click()
{
    const int s = step();
    if (s == kFinishStep) {
        finish();
        return;
    }
    takeAnswerOf(s);
    Text1->clear();
    if (s >= 6)
        Text3->clear();  // the switch box, used from step 7
    app.selection.pluginChanged();
    setStep(s + 1);
    fitPrompt();
    focusAnswerBox();
}

void addnew::Command1_Click()
{
    EmulatorPlugin& p = app.selection.plugin();
    std::string name = bytes(Text1->text());
    std::string switchText = bytes(Text3->text());
    switch (step()) {
    case 7: p.options.push_back({name, switchText}); break;
    case 8: p.options.push_back({"#" + name, switchText}); break;
    case 9: p.displayModes.push_back({name, switchText}); break;
    default: break;
    }
    Text1->clear();
    Text3->clear();
    app.selection.pluginChanged();
    Text1->setFocus();
}

void addnew::Command3_Click() { hide(); }

} // namespace kivalto
