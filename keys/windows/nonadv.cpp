// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/windows/nonadv.h"

#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "keys/sneskey.h"
#include "keys/windows/sneskeycon.h"
#include "platform/qt/defaultbutton.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "platform/textfield.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

namespace kivalto {

namespace {

const char* const kHelp =
    "This window has appeared because you chose to disable advanced SnesKey support. This means that you must map "
    "the buttons on your controller to the appropriate keys by hand. To map a button to a key click on the "
    "corresponding box in the MAP TO list. Enter the key into the text box beneath and press ACCEPT. See VALID "
    "KEYS to see which keys are available.";

constexpr const char* kMappingFilter = "*.SKS|*.SKS";

} // namespace

nonadv::nonadv(App& a) : app(a)
{
    setObjectName("nonadv");
    setWindowTitle("Set SnesKey Mappings");
    createControls();
    layOut();
    connectControls();
}

void nonadv::createControls()
{
    // Made without a parent: the layout adopts them in its own order, which
    // is also the order screen readers read the window in.
    std::tie(buttonsHeading_, List1) =
        makeHeadedList(nullptr, "List1", "Available Buttons", "These are the buttons to map keys to.");
    std::tie(keysHeading_, List2) =
        makeHeadedList(nullptr, "List2", "Map To", "These are the keys the buttons will map to.");
    Text3 = makeEdit(nullptr, "Text3");
    Text3->setToolTip("Enter the key to map to, then press accept.");
    Command4 = makeButton(nullptr, "Command4", "&Accept");
    Command3 = makeButton(nullptr, "Command3", "&Valid Keys");
    Command2 = makeButton(nullptr, "Command2", "&Help");
    Command5 = makeButton(nullptr, "Command5", "&Load");
    Command6 = makeButton(nullptr, "Command6", "&Save");
    Command1 = makeButton(nullptr, "Command1", "&Close");
}

void nonadv::layOut()
{
    auto* v = new QVBoxLayout(this);
    v->addLayout(makeHeadedColumns({{buttonsHeading_, List1}, {keysHeading_, List2}}));
    v->addLayout(makeRow({makeBuddyLabel("&Key:", Text3), Text3, Command4}));
    v->addLayout(makeRow({Command3, Command2, Command5, Command6, Command1}));
}

void nonadv::connectControls()
{
    connect(List1, &QListWidget::currentRowChanged, this, &nonadv::List1_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &nonadv::List2_Click);
    connectClicks(this, {{Command4, &nonadv::Command4_Click},
                         {Command3, &nonadv::Command3_Click},
                         {Command2, &nonadv::Command2_Click},
                         {Command5, &nonadv::Command5_Click},
                         {Command6, &nonadv::Command6_Click},
                         {Command1, &nonadv::Command1_Click}});
    // Enter in the key box accepts.
    makeDefaultButton(this, Command4);
    connect(Text3, &QLineEdit::returnPressed, this, &nonadv::Command4_Click);
}

void nonadv::Form_Load()
{
    // The configuration window restores its profile before this window
    // exists, so the lists are filled from it here.
    if (app.sneskeycon)
        setButtons(app.sneskeycon->buttonNames());
}

void nonadv::setButtons(const std::vector<std::string>& buttons)
{
    List1->clear();
    List2->clear();
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        List1->addItem(qs(buttons[k]));
        List2->addItem(QString::number(k));
    }
}

std::vector<std::string> nonadv::keys() const { return listTexts(List2); }

bool nonadv::event(QEvent* e)
{
    // The window also becomes active again when a file dialog or message
    // box over it closes; only the activation that follows an opening
    // selects the first button, so the user's pick survives those.
    if (e->type() == QEvent::Show && !e->spontaneous())
        opening_ = true;
    if (e->type() == QEvent::WindowActivate && opening_) {
        opening_ = false;
        Form_Activate();
    }
    return QWidget::event(e);
}

void nonadv::showAtFirstButton()
{
    showInFront(this);
    // The window may already be the active one, or be shown without the
    // activation that would choose the first button.
    Form_Activate();
}

void nonadv::Form_Activate()
{
    if (List1->count() == 0)
        return;
    List1->setCurrentRow(0);
    List1_Click();
}

void nonadv::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0 || row >= List2->count())
        return;
    List2->setCurrentRow(row);
    List2_Click();
}

void nonadv::List2_Click()
{
    if (QListWidgetItem* item = List2->currentItem())
        Text3->setText(item->text());
}

void nonadv::Command4_Click()
{
    if (QListWidgetItem* item = List2->currentItem())
        item->setText(qs(toUpper(bytes(Text3->text()))));
}

void nonadv::Command3_Click() { app.dialogs.ok(kSnesKeyNamesHelp, app.title); }

void nonadv::Command2_Click() { app.dialogs.ok(kHelp, app.title); }

void nonadv::Command5_Click()
{
    const std::string name = ChooseFileToOpen(app, kMappingFilter, app.path(PathField::GUIDIr));
    if (name.empty())
        return;
    const auto data = app.fs.readText(name, kMaxTextFileBytes);
    if (!data) {
        app.dialogs.ok("The mapping file " + name + " could not be read.", app.title);
        return;
    }
    std::vector<std::string> loaded;
    bool cut = false;
    try {
        loaded = readMappingFile(data->bytes, &cut);
    } catch (const MappingFileError& e) {
        app.dialogs.ok("The mapping file " + name + " is not valid. " + e.what() + " Nothing was changed.",
                       app.title);
        return;
    }
    if (loaded.size() > static_cast<std::size_t>(List2->count())) {
        app.dialogs.ok("The mapping file " + name + " holds " + std::to_string(loaded.size()) +
                           " keys, but the controller has only " + std::to_string(List2->count()) +
                           " buttons. Nothing was changed.",
                       app.title);
        return;
    }
    if (cut || data->cut)
        app.noticeOversize(name);
    for (std::size_t i = 0; i < loaded.size(); ++i)
        List2->item(static_cast<int>(i))->setText(qs(loaded[i]));
    List2_Click();
}

void nonadv::Command6_Click()
{
    const std::string name = ChooseFileToSave(app, kMappingFilter, app.path(PathField::GUIDIr));
    if (name.empty())
        return;
    try {
        app.fs.writeWhole(name, writeMappingFile(keys()));
    } catch (const FileError& e) {
        app.dialogs.ok("The mapping file " + name + " could not be saved: " + e.what(), app.title);
    }
}

void nonadv::Command1_Click() { hide(); }

} // namespace kivalto
