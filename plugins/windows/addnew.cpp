#include "plugins/windows/addnew.h"

#include "app/windows/Snesmain.h"
#include "platform/qt/text.h"
#include "plugins/windows/Editor.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QVBoxLayout>
#include <array>

namespace kivalto {

namespace {

// Prompt shown while the step counter holds the index.
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

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Combo1 = Editor::makeFileSpecCombo(this);
    Combo1->setObjectName("Combo1");
    Label2 = new QLabel("S&witch:", this);
    Label2->setObjectName("Label2");
    Text3 = new QLineEdit(this);
    Text3->setObjectName("Text3");
    Label2->setBuddy(Text3);
    Label1->setBuddy(Text1);
    Text2 = new QLineEdit("0", this);
    Text2->setObjectName("Text2");
    Text2->hide();
    Command1 = new QPushButton("&Store", this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton("&Next >>", this);
    Command2->setObjectName("Command2");
    Command2->setDefault(true);
    Command3 = new QPushButton("&Cancel", this);
    Command3->setObjectName("Command3");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    auto* page = new QVBoxLayout(this);
    page->addWidget(Label1);
    page->addWidget(Text1);
    page->addWidget(Combo1);
    page->addWidget(Label2);
    page->addWidget(Text3);
    page->addStretch();
    page->addLayout(buttons);

    Text1->hide();
    Combo1->hide();
    showStoreBoxes(false);

    connect(Command1, &QPushButton::clicked, this, &addnew::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &addnew::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &addnew::Command3_Click);
}

void addnew::Form_Load()
{
    connect(app.Snesmain->addnewwiz, &QAction::triggered, app.Snesmain, &Snesmain::addnewwiz_Click);
}

int addnew::step() const { return Text2->text().toInt(); }

void addnew::setStep(int s)
{
    Text2->setText(QString::number(s));
    Label1->setText(kPrompts[static_cast<std::size_t>(s)]);
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
    EmulatorPlugin& p = app.Editor->plugin;
    p.keys.clear();
    p.options.clear();
    p.displayModes.clear();
    app.Editor->showPlugin();
    setStep(0);
    Command2->setText("&Next >>");
    Text1->hide();
    Combo1->hide();
    showStoreBoxes(false);  // a run cancelled in steps 7 to 9 left them shown
    Label1->setBuddy(Text1);
    show();
    fitPrompt();
    raise();
    activateWindow();
}

void addnew::Command2_Click()
{
    const int s = step();
    EmulatorPlugin& p = app.Editor->plugin;
    if (s >= 1 && s <= 6)
        p.*kStepFields[static_cast<std::size_t>(s)] = bytes(Text1->text());
    switch (s) {
    case 0:
        Text1->show();
        Text1->clear();
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        Text1->clear();
        break;
    case 6:
    case 7:
    case 8:
        Text1->clear();
        Text3->clear();
        showStoreBoxes(true);
        break;
    case 9:
        Text1->clear();
        Text3->clear();
        Text1->hide();
        showStoreBoxes(false);
        Combo1->show();
        Label1->setBuddy(Combo1);
        break;
    case 10:
        p.fileSpec = bytes(Combo1->currentText());
        Text1->clear();
        Text1->hide();
        Combo1->hide();
        Label1->setBuddy(Text1);
        Command2->setText("&Finish");
        break;
    case 11:
        // A plugin that was not written keeps the wizard open to try again.
        if (app.Editor->saveCheckedPlugin())
            hide();
        return;
    default:
        return;
    }
    app.Editor->showPlugin();
    setStep(s + 1);
    fitPrompt();
    if (Text1->isVisibleTo(this))
        Text1->setFocus();
    else if (Combo1->isVisibleTo(this))
        Combo1->setFocus();
}

void addnew::Command1_Click()
{
    EmulatorPlugin& p = app.Editor->plugin;
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
    app.Editor->showPlugin();
    Text1->setFocus();
}

void addnew::Command3_Click() { hide(); }

// The main window's menu command that starts the wizard.
void Snesmain::addnewwiz_Click() { app.addnew->start(); }

} // namespace kivalto
