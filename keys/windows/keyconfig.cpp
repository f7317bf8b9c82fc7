// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/windows/keyconfig.h"

#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "keys/windows/padkeyboxes.h"
#include "platform/dospath.h"
#include "platform/textfield.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "plugins/pluginfile.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace kivalto {

namespace {

const char* const kLookupMissing =
    "A required file 'LOOKUP.DAT' was not found. Kivalto will not function correctly without it.";
const char* const kValidKeys = "All letters are valid. Numbers 0-9 will be converted to their NumPad equivalents so "
                               "that 8 will become up and 1 will become Ins. No other keys are valid.";
const char* const kPluginNotChanged =
    "The keys have been changed but the plugin for the emulator could not be found and so the keys in the plugin "
    "could not be changed. If you use SnesKey you must correct them using the plugin editor.";

// A file in a directory the user typed; a missing backslash is supplied.
std::string inFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : joinDos(folder, name);
}

} // namespace

keyconfig::keyconfig(App& a) : app(a)
{
    setObjectName("keyconfig");
    setWindowTitle("Configure Keys");
    createControls();
    layOut();
    orderTabs();
    connectControls();
}

void keyconfig::createEmulatorChoice()
{
    Frame1 = new QGroupBox("Emulator", this);
    Frame1->setObjectName("Frame1");
    Slider1 = new QSlider(Qt::Vertical, Frame1);
    Slider1->setObjectName("Slider1");
    Slider1->setRange(1, 3);
    Slider1->setPageStep(1);
    // Position 1 at the top, beside its label; the arrow keys follow.
    Slider1->setInvertedAppearance(true);
    Slider1->setInvertedControls(true);
    Slider1->setTickPosition(QSlider::TicksRight);
    Slider1->setAccessibleName("Emulator");
    auto* names = new QVBoxLayout;
    for (const char* n : {"ZSNES", "ESNES", "NLKE"}) {
        names->addWidget(new QLabel(n, Frame1));
        names->addStretch();
    }
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Slider1);
    frameLayout->addLayout(names);
}

void keyconfig::createControls()
{
    createEmulatorChoice();

    emucap = new QLabel(this);
    emucap->setObjectName("emucap");
    Text2 = makeEdit(this, "Text2");
    Text2->setToolTip("Enter the Path to the Selected Emulator");
    emucap->setBuddy(Text2);

    joypic1 = makePadPicture(this);

    Text1 = makePadKeyBoxes(this);

    Command3 = makeButton(this, "Command3", "Save Player &1 Keys");
    Command4 = makeButton(this, "Command4", "Save Player &2 Keys");
    Command2 = makeButton(this, "Command2", "&Reset");
    Command5 = makeButton(this, "Command5", "&What keys are Valid?");
    Command1 = makeButton(this, "Command1", "&Close");
}

void keyconfig::layOut()
{
    auto* pad = new QGridLayout;
    layOutPadKeyBoxes(pad, Text1, joypic1);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame1);
    top->addLayout(makeColumn({emucap, Text2, nullptr}), 1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(pad);
    main->addLayout(makeRow({Command3, Command4, Command2, Command5, Command1}));
}

// Tab order: emulator, directory, keys in slot order, then the buttons.
void keyconfig::orderTabs()
{
    QWidget* previous = Text2;
    setTabOrder(Slider1, Text2);
    for (QLineEdit* box : Text1) {
        setTabOrder(previous, box);
        previous = box;
    }
    for (QPushButton* b : {Command3, Command4, Command2, Command5, Command1}) {
        setTabOrder(previous, b);
        previous = b;
    }
}

void keyconfig::connectControls()
{
    connect(Slider1, &QSlider::valueChanged, this, &keyconfig::Slider1_Click);
    connectClicks(this, {{Command1, &keyconfig::Command1_Click},
                         {Command2, &keyconfig::Command2_Click},
                         {Command3, &keyconfig::Command3_Click},
                         {Command4, &keyconfig::Command4_Click},
                         {Command5, &keyconfig::Command5_Click}});
}

void keyconfig::Form_Load()
{
    const auto data = app.fs.readText("lookup.dat", kMaxTextFileBytes);
    if (!data || !readScanCodeTable(data->bytes, scanCodes))
        app.showError(kLookupMissing);
    else if (data->cut)
        app.noticeOversize("lookup.dat");
}

bool keyconfig::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

KeyEmulator keyconfig::selectedEmulator() const { return static_cast<KeyEmulator>(Slider1->value()); }

void keyconfig::Form_Activate() { Slider1_Click(); }

void keyconfig::showFor(KeyEmulator emu)
{
    Slider1->setValue(static_cast<int>(emu));
    showInFront(this);
    // Showing from the menu always activates the window.
    Form_Activate();
}

void keyconfig::Slider1_Click()
{
    emucap->setText(qs(emulatorCaption(selectedEmulator())));
    Text2->setText(qs(defaultEmulatorDir(selectedEmulator())));
}

void keyconfig::Command1_Click() { hide(); }

void keyconfig::Command2_Click()
{
    for (QLineEdit* box : Text1)
        box->clear();
}

void keyconfig::Command3_Click() { saveKeys(1); }

void keyconfig::Command4_Click() { saveKeys(2); }

void keyconfig::Command5_Click() { app.dialogs.ok(kValidKeys, app.title); }

void keyconfig::saveKeys(int player)
{
    PadKeys keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = bytes(Text1[i]->text());
    upperCaseKeys(keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
        Text1[i]->setText(qs(keys[i]));

    const KeyEmulator emu = selectedEmulator();
    const std::string keyFile = inFolder(bytes(Text2->text()), emulatorKeyFileName(emu));
    // The emulator's file is patched or rewritten from what was read, so
    // one longer than what is read would lose its end: it is left alone,
    // and so is everything else.
    const auto current = app.fs.readText(keyFile, kMaxTextFileBytes);
    if (current && current->cut) {
        app.showError(keyFileTooLargeError(keyFile));
        return;
    }
    if (!writeKeyFiles(emu, keys, player, keyFile, current ? std::optional(current->bytes) : std::nullopt)) {
        app.showError(keySaveError(player));
        return;
    }
    if (updatePlugin(emu, keys, player))
        app.showMessage(keySaveConfirmation(emu, player));
}

bool keyconfig::writeKeyFiles(KeyEmulator emu, const PadKeys& keys, int player, const std::string& keyFile,
                              const std::optional<std::string>& current)
{
    try {
        app.fs.writeWhole(keyRecordFileName(emu, player), keyRecordFileBytes(keys));
        // Everything is checked before the emulator's file is touched, so a
        // save that stops leaves that file as it was.
        const auto codes = scanCodesOfKeys(scanCodes, keys);
        if (!codes)
            return false;
        const auto change = planEmulatorFileChange(emu, player, *codes, current);
        if (!change)
            return false;
        if (change->inPlace)
            app.fs.patchInPlace(keyFile, change->offset, change->bytes);
        else
            app.fs.writeWhole(keyFile, change->bytes);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

bool keyconfig::updatePlugin(KeyEmulator emu, const PadKeys& keys, int player)
{
    const std::string path = inFolder(app.path(PathField::GUIDIr), emulatorPluginFileName(emu));
    // The plugin is checked here first: a missing or incomplete file would
    // otherwise bring the reader's own message and a half-loaded plugin
    // that must not be saved; one longer than what is read would be saved
    // without its end.
    const auto data = app.fs.readText(path, kMaxTextFileBytes);
    EmulatorPlugin probe;
    bool cut = false;
    if (!data || data->cut || readPluginFile(data->bytes, probe, &cut) != PluginRead::Complete || cut) {
        app.dialogs.ok(kPluginNotChanged, app.title);
        return false;
    }
    app.importPlug(path);
    applyKeysToPlugin(app.selection.plugin().keys, keys, player);
    app.selection.pluginChanged();
    try {
        app.savePLUG();
    } catch (const FileError&) {
        app.dialogs.ok(kPluginNotChanged, app.title);
        return false;
    }
    return true;
}

} // namespace kivalto
