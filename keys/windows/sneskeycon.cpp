// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/windows/sneskeycon.h"

#include "app/windows/App.h"
#include "keys/sneskey.h"
#include "keys/windows/nonadv.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "platform/textfield.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

namespace kivalto {

namespace {

const char* const kHelp =
    "First you must select what controller you wish to use with SnesKey. Custom reads the file CUSTOM.SKP in the "
    "Kivalto Directory. Instructions for making a custom controller are contained in that file. Once you have "
    "selected a controller, a list of available buttons will appear. You can map these onto any of the buttons on "
    "the MAP TO list. Select RUN SNESKEY from the OPTIONS menu to activate it. The buttons will then automatically "
    "be mapped onto the appropriate keys as specified in the Plugin, unless advanced support is de-selected in "
    "which case you must set the keys yourself. You can select to map the controller to either player 1 or player "
    "2 keys. Be aware that if you are using a controller attached to the joystick port with SnesKey that you must "
    "select the keyboard from the slider on the main screen to stop the emulator trying to use that controller as "
    "well. You need SnesKey for DOS.";

const char* const kTemplateError = "The required SnesKey template was not found in the Kivalto directory or it "
                                   "was corrupt. The filename is ";

constexpr const char* kSetupFile = "SnesKey.dat";

} // namespace

sneskeycon::sneskeycon(App& a) : app(a)
{
    setObjectName("sneskeycon");
    setWindowTitle("SnesKey Configuration");
    createControls();
    layOut();
    connectControls();
}

void sneskeycon::createControls()
{
    // Made without a parent: the layout adopts them in its own order, which
    // is also the order screen readers read the window in.
    Combo1 = new QComboBox;
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName("Please select your controller:");
    Combo1->lineEdit()->setAccessibleName("Please select your controller:");

    std::tie(Text2, List2) =
        makeHeadedList(nullptr, "List2", "&Available Buttons", "Click here to select this button.");
    Text2->setObjectName("Text2");
    std::tie(Text1, List1) =
        makeHeadedList(nullptr, "List1", "&Map To", "Click here to map the selected button to this key.");
    Text1->setObjectName("Text1");
    for (const char* slot : {"A", "B", "TR", "TL", "Y", "X", "Start", "Select"})
        List1->addItem(slot);

    Option1 = new QRadioButton("Player &1 Keys");
    Option1->setObjectName("Option1");
    Option1->setToolTip("Map to player 1 keys.");
    Option1->setChecked(true);
    Option2 = new QRadioButton("Player &2 Keys");
    Option2->setObjectName("Option2");
    Option2->setToolTip("Map to player 2 keys.");
    Command1 = makeButton(nullptr, "Command1", "&Done");
    Command1->setToolTip("Save these settings.");
    Command2 = makeButton(nullptr, "Command2", "&Help");
}

void sneskeycon::layOut()
{
    auto* note = new QLabel("If you are using a controller attached to the joystick port, please select the keyboard "
                            "from the slider on the main screen.");
    note->setWordWrap(true);

    auto* v = new QVBoxLayout(this);
    v->addWidget(makeBuddyLabel("&Please select your controller:", Combo1));
    v->addWidget(Combo1);
    v->addLayout(makeHeadedColumns({{Text2, List2}, {Text1, List1}}));
    v->addLayout(makeRow({Option1, Option2}));
    v->addWidget(note);
    v->addLayout(makeRow({Command1, Command2}));
}

void sneskeycon::connectControls()
{
    connect(Combo1, &QComboBox::activated, this, &sneskeycon::Combo1_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &sneskeycon::List2_Click);
    connect(List1, &QListWidget::currentRowChanged, this, &sneskeycon::List1_Click);
    connectClicks(this, {{Command1, &sneskeycon::Command1_Click}, {Command2, &sneskeycon::Command2_Click}});
}

void sneskeycon::Form_Load()
{
    for (const auto& name : app.fs.listFiles(app.fs.currentDir(), "*.SKP"))
        Combo1->addItem(qs(name.size() > 4 ? name.substr(0, name.size() - 4) : std::string()));
    // No controller is chosen until the user or SnesKey.dat chooses one.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    restoreSetup();
}

void sneskeycon::restoreSetup()
{
    const auto data = app.fs.readText(kSetupFile, kMaxTextFileBytes);
    if (!data)
        return;
    const StoredSnesKeySetup stored = readSnesKeyDat(data->bytes);
    if (stored.cut || data->cut)
        app.noticeOversize(kSetupFile);
    if (!stored.controllerName)
        return;
    Combo1->setEditText(qs(*stored.controllerName));
    if (!stored.playerTwo)
        return;
    (*stored.playerTwo ? Option2 : Option1)->setChecked(true);
    Combo1_Click();
    // Slots beyond the profile's buttons have no button to belong to.
    for (std::size_t i = 0; i < stored.buttonSlots.size() && i < List4.size(); ++i)
        List4[i] = stored.buttonSlots[i];
}

void sneskeycon::Combo1_Click()
{
    List4.clear();
    List2->clear();
    List3.clear();
    const std::string fileName = bytes(Combo1->currentText()) + ".SKP";
    ControllerProfile profile;
    const auto data = app.fs.readText(fileName, kMaxTextFileBytes);
    bool cut = false;
    const bool complete = data && readControllerProfile(data->bytes, profile, &cut);
    if (data && (cut || data->cut))
        app.noticeOversize(fileName);
    List3 = profile.driverLines;
    for (std::size_t n = 0; n < profile.buttons.size(); ++n) {
        List2->addItem(qs(profile.buttons[n]));
        List4.push_back(std::to_string(n));
    }
    if (app.nonadv)
        app.nonadv->setButtons(profile.buttons);
    markLoadedController();
    if (!complete)
        app.showError(kTemplateError + fileName);
}

// An editable box whose text matches none of its rows "picks" the matching
// row when it loses the focus, which would reload the profile over the
// user's mapping. Marking the loaded profile's row prevents that; the text
// keeps its stored spelling.
void sneskeycon::markLoadedController()
{
    const QString name = Combo1->currentText();
    const int row = Combo1->findText(name, Qt::MatchFixedString);
    if (row < 0 || row == Combo1->currentIndex())
        return;
    const QSignalBlocker quiet(Combo1);
    Combo1->setCurrentIndex(row);
    Combo1->setEditText(name);
}

bool sneskeycon::playerOne() const { return Option1->isChecked(); }

std::vector<std::string> sneskeycon::buttonNames() const { return listTexts(List2); }

DriverFileInput sneskeycon::profileInput() const
{
    DriverFileInput in;
    in.driverLines = List3;
    in.buttons = buttonNames();
    in.buttonSlots = List4;
    return in;
}

void sneskeycon::List2_Click()
{
    const int button = List2->currentRow();
    if (button < 0 || button >= static_cast<int>(List4.size()))
        return;
    const std::string& slot = List4[static_cast<std::size_t>(button)];
    long index = -1;
    try {
        index = parseNumber(slot);
    } catch (const std::invalid_argument&) {
    }
    List1->setCurrentRow(index >= 0 && index < List1->count() ? static_cast<int>(index) : -1);
}

void sneskeycon::List1_Click()
{
    const int button = List2->currentRow();
    const int slot = List1->currentRow();
    // Without a selected button there is nothing to map.
    if (button < 0 || button >= static_cast<int>(List4.size()) || slot < 0)
        return;
    List4[static_cast<std::size_t>(button)] = std::to_string(slot);
}

void sneskeycon::Command1_Click()
{
    const SnesKeySetup setup{bytes(Combo1->currentText()), Option2->isChecked(), List4};
    try {
        app.fs.writeWhole(kSetupFile, writeSnesKeyDat(setup));
    } catch (const FileError& e) {
        app.dialogs.ok(std::string("The SnesKey settings could not be saved: ") + e.what());
        return;
    }
    hide();
}

void sneskeycon::Command2_Click() { app.dialogs.ok(kHelp, app.title); }

} // namespace kivalto
