// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/windows/Editor.h"

#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "keys/sneskey.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "plugins/plugin.h"
#include "plugins/windows/pluginform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace kivalto {

namespace {

const char* const kWhite = "&H00FFFFFF";
const char* const kYellow = "&H0000FFFF";
const char* const kNewSwitch = "Put Switch Here";

// "&H00BBGGRR": a zero byte, then blue, green and red.
QColor colourFromText(const std::string& text)
{
    unsigned long v = std::stoul(text.substr(2), nullptr, 16);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

// The row the user has selected, or -1 (a current row is not enough: it
// may be left over without a selection).
int selectedRow(const QListWidget* list)
{
    int row = list->currentRow();
    return row >= 0 && list->item(row)->isSelected() ? row : -1;
}

template <typename Entry>
std::vector<std::string> column(const std::vector<Entry>& entries, bool names)
{
    std::vector<std::string> out;
    for (const auto& e : entries)
        out.push_back(names ? e.name : e.switchText);
    return out;
}

// Header TextN of list ListN, and the partner list that Link Lists
// selects along with it (0: none).
int headerNumberOf(int listNumber)
{
    static const int optionHeaders[] = {15, 14, 12, 13};  // List6 .. List9
    return listNumber <= 5 ? listNumber + 4 : optionHeaders[listNumber - 6];
}

int partnerOf(int listNumber)
{
    static const int partners[] = {7, 6, 9, 8};  // List6 .. List9
    return listNumber <= 5 ? 0 : partners[listNumber - 6];
}

} // namespace

Editor::Editor(App& a) : app(a), plugin(a.selection.plugin())
{
    setObjectName("Editor");
    setWindowTitle("Plugin Editor");
    // Shows the change once the controls are there; until then they have
    // nothing to show it in.
    app.selection.setPluginObserver([this] {
        if (isBuilt())
            showPlugin();
    });
}

Editor::~Editor() { app.selection.setPluginObserver({}); }

void Editor::buildControls()
{
    createControls();
    nameControls();
    layOutControls();

    // The EXE example is only a hint: saved as a value it would name no
    // program.
    Text18->setPlaceholderText("Filename e.g. ZSNES.EXE");
    // The plugin's fields, and 13 rows in each key column.
    showPlugin();

    connectControls();
}

QLabel* Editor::makeHeader(const char* name, const char* text)
{
    auto* h = new QLabel(text, this);
    h->setObjectName(name);
    h->setAutoFillBackground(true);
    setHeaderColour(h, kWhite);
    return h;
}

void Editor::createControls()
{
    Text1 = makeEdit(this, "Text1");
    Text2 = makeEdit(this, "Text2");
    Combo1 = makeFileSpecCombo(this, "Combo1");
    Combo1->setToolTip("If you select a machine from the list, the filespec will be produced when you save the plugin.");
    Text3 = makeEdit(this, "Text3");
    Text16 = makeEdit(this, "Text16");
    Text17 = makeEdit(this, "Text17");
    Text18 = makeEdit(this, "Text18");

    Text12 = makeHeader("Text12", "Options ");
    Text13 = makeHeader("Text13", "Switches");
    List8 = makeList(this, "List8");
    List9 = makeList(this, "List9");
    Text15 = makeHeader("Text15", "Display Options");
    Text14 = makeHeader("Text14", "Switches");
    List6 = makeList(this, "List6");
    List7 = makeList(this, "List7");
    Text11 = makeEdit(this, "Text11");
    Command7 = makeButton(this, "Command7", "&Clear");
    Command8 = makeButton(this, "Command8", "&Accept");
    Check1 = new QCheckBox("Lin&k Lists", this);
    Check1->setObjectName("Check1");
    addopt = makeButton(this, "addopt", "Add");
    Command10 = makeButton(this, "Command10", "Re&move");
    Command9 = makeButton(this, "Command9", "Add");
    Command11 = makeButton(this, "Command11", "Remo&ve");

    Command12 = makeButton(this, "Command12", "&Help");
    Text4 = makeList(this, "Text4", kKeyRows);
    Text4->setFocusPolicy(Qt::NoFocus);
    Text4->setSelectionMode(QAbstractItemView::NoSelection);
    for (const char* label : kKeyRowLabels)
        Text4->addItem(label);
    const char* const keyHeaderTexts[5] = {"Player 1 Keys", "Player 2 Keys", "2 Button Pad", "4 Button Pad",
                                           "6 Button Pad"};
    for (std::size_t c = 0; c < 5; ++c) {
        keyHeaders[c] = makeHeader(("Text" + std::to_string(c + 5)).c_str(), keyHeaderTexts[c]);
        keyLists[c] = makeList(this, ("List" + std::to_string(c + 1)).c_str(), kKeyRows);
    }
    Text10 = makeEdit(this, "Text10");
    Command5 = makeButton(this, "Command5", "C&lear");
    Command6 = makeButton(this, "Command6", "Acce&pt");

    Command2 = makeButton(this, "Command2", "Save Pl&ugin");
    Command3 = makeButton(this, "Command3", "&Import Plugin");
    Command4 = makeButton(this, "Command4", "Rese&t");
    Command1 = makeButton(this, "Command1", "Close");
}

void Editor::nameControls()
{
    // Buttons that share a caption are told apart for assistive technology.
    const std::pair<QPushButton*, const char*> buttonNames[] = {
        {addopt, "Add option"},         {Command10, "Remove option"},
        {Command9, "Add display mode"}, {Command11, "Remove display mode"},
        {Command7, "Clear option"},     {Command8, "Accept option"},
        {Command5, "Clear key"},        {Command6, "Accept key"}};
    for (const auto& [b, name] : buttonNames)
        b->setAccessibleName(name);

    // Lists are named by their headers for assistive technology.
    Text4->setAccessibleName("Key rows");
    for (int n = 1; n <= 9; ++n)
        List(n)->setAccessibleName(header(headerNumberOf(n))->text().trimmed());
    List9->setAccessibleDescription("Switches of the options");
    List7->setAccessibleDescription("Switches of the display options");
}

// Each part joins the page as soon as it is built: labels made here join
// the window in reading order.
void Editor::layOutControls()
{
    auto* page = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    addLabelledRow(fields, 0, "&Filename: (No EXT)", Text1);
    addLabelledRow(fields, 1, "&Emulator Name:", Text2);
    addLabelledRow(fields, 2, "File&Spec:", Combo1);
    addLabelledRow(fields, 3, "F&rameskip: (e.g. -F n)", Text3);
    addLabelledRow(fields, 4, "&Default Directory", Text16);
    addLabelledRow(fields, 5, "&Non-optional:", Text17);
    addLabelledRow(fields, 6, "Filename (E&XE):", Text18);
    page->addLayout(fields);

    auto* lists = new QGridLayout;
    lists->addWidget(Text12, 0, 0);
    lists->addWidget(Text13, 0, 1);
    lists->addWidget(Text15, 0, 3);
    lists->addWidget(Text14, 0, 4);
    lists->addWidget(List8, 1, 0);
    lists->addWidget(List9, 1, 1);
    lists->addLayout(makeColumn({addopt, Command10, nullptr}), 1, 2);
    lists->addWidget(List6, 1, 3);
    lists->addWidget(List7, 1, 4);
    lists->addLayout(makeColumn({Command9, Command11, nullptr}), 1, 5);
    QHBoxLayout* optionEdit = makeRow({makeBuddyLabel("&Options:", Text11), Text11, Command7, Command8, Check1});
    optionEdit->setStretchFactor(Text11, 1);
    lists->addLayout(optionEdit, 2, 0, 1, 6);
    page->addLayout(lists);

    auto* keys = new QGridLayout;
    keys->addWidget(Command12, 0, 0);
    keys->addWidget(Text4, 1, 0);
    for (std::size_t c = 0; c < 5; ++c) {
        keys->addWidget(keyHeaders[c], 0, static_cast<int>(c) + 1);
        keys->addWidget(keyLists[c], 1, static_cast<int>(c) + 1);
    }
    QHBoxLayout* keyEdit = makeRow({makeBuddyLabel("&Buttons/Keys:", Text10), Text10, Command5, Command6});
    keyEdit->setStretchFactor(Text10, 1);
    keys->addLayout(keyEdit, 2, 0, 1, 6);
    page->addLayout(keys);

    page->addLayout(makeRow({Command2, Command3, Command4, nullptr, Command1}));
}

void Editor::connectControls()
{
    connectWriteThrough();
    for (int n = 1; n <= 9; ++n) {
        QListWidget* l = List(n);
        connect(l, &QListWidget::itemClicked, this, [this, n] {
            if (!updatingLists_)
                List_Click(n);
        });
        connect(l, &QListWidget::currentRowChanged, this, [this, n](int row) {
            if (!updatingLists_ && row >= 0)
                List_Click(n);
        });
    }
    connectClicks(this, {{Command1, &Editor::Command1_Click},
                         {Command2, &Editor::Command2_Click},
                         {Command3, &Editor::Command3_Click},
                         {Command4, &Editor::Command4_Click},
                         {addopt, &Editor::addopt_Click},
                         {Command9, &Editor::Command9_Click},
                         {Command10, &Editor::Command10_Click},
                         {Command11, &Editor::Command11_Click},
                         {Command7, &Editor::Command7_Click},
                         {Command5, &Editor::Command5_Click},
                         {Command8, &Editor::Command8_Click},
                         {Command6, &Editor::Command6_Click},
                         {Command12, &Editor::Command12_Click}});
}

// Only the user's edits are written through (textEdited, not textChanged):
// showing the plugin must never change it.
void Editor::connectWriteThrough()
{
    auto bind = [this](QLineEdit* box, std::string EmulatorPlugin::*field) {
        connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) { plugin.*field = bytes(text); });
    };
    bind(Text1, &EmulatorPlugin::pluginName);
    bind(Text2, &EmulatorPlugin::emulatorName);
    bind(Text3, &EmulatorPlugin::frameskipSwitch);
    bind(Text16, &EmulatorPlugin::defaultDir);
    bind(Text17, &EmulatorPlugin::fixedSwitches);
    bind(Text18, &EmulatorPlugin::exeName);
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { plugin.fileSpec = bytes(text); });
    connect(Combo1, &QComboBox::textActivated, this, [this](const QString& text) { plugin.fileSpec = bytes(text); });
}

QListWidget* Editor::List(int n) const
{
    if (n >= 1 && n <= 5)
        return keyLists[static_cast<std::size_t>(n - 1)];
    switch (n) {
    case 6: return List6;
    case 7: return List7;
    case 8: return List8;
    case 9: return List9;
    default: return nullptr;
    }
}

QLabel* Editor::header(int n) const
{
    if (n >= 5 && n <= 9)
        return keyHeaders[static_cast<std::size_t>(n - 5)];
    switch (n) {
    case 12: return Text12;
    case 13: return Text13;
    case 14: return Text14;
    case 15: return Text15;
    default: return nullptr;
    }
}

void Editor::setHeaderColour(QLabel* h, const std::string& colourText)
{
    QPalette pal = h->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    pal.setColor(QPalette::WindowText, colourFromText(colourText));
    h->setPalette(pal);
}

void Editor::showHeaderFields()
{
    Text1->setText(qs(plugin.pluginName));
    Text2->setText(qs(plugin.emulatorName));
    Combo1->setEditText(qs(plugin.fileSpec));
    Text3->setText(qs(plugin.frameskipSwitch));
    Text16->setText(qs(plugin.defaultDir));
    Text17->setText(qs(plugin.fixedSwitches));
    Text18->setText(qs(plugin.exeName));
}

void Editor::showPlugin()
{
    updatingLists_ = true;
    showHeaderFields();
    setListTexts(List8, column(plugin.options, true));
    setListTexts(List9, column(plugin.options, false));
    setListTexts(List6, column(plugin.displayModes, true));
    setListTexts(List7, column(plugin.displayModes, false));
    for (int c = 0; c < kKeyColumns; ++c) {
        std::vector<std::string> cells;
        for (int row = 0; row < kKeyRows; ++row)
            cells.push_back(plugin.keys.at(row, static_cast<KeyColumn>(c)));
        setListTexts(List(c + 1), cells);
    }
    updatingLists_ = false;
}

void Editor::Command1_Click()
{
    if (app.dialogs.messageBox({"Exit Plugin Editor: All unsaved data will be lost.", app.title, Buttons::OkCancel,
                                Icon::Exclamation, 1}) == Answer::Ok)
        hide();
}

void Editor::Command2_Click()
{
    if (plugin.pluginName.empty()) {
        app.dialogs.ok("You must specify a filename.");
        return;
    }
    if (saveCheckedPlugin(app))
        app.showMessage("Your Plugin has been saved.");
}

void Editor::Command3_Click()
{
    // A cancelled dialog returns no file name, and importPlug does nothing.
    app.importPlug(ChooseFileToOpen(app, "Plugins (XPL)|*.XPL", app.path(PathField::GUIDIr)));
}

void Editor::Command4_Click()
{
    plugin = EmulatorPlugin{};
    plugin.fileSpec = "*.*";
    Text10->clear();
    Text11->clear();
    showPlugin();
}

namespace {

// Adds an entry with a placeholder switch at the end of a name list and its
// switch list.
template <typename Entry>
void addRow(std::vector<Entry>& entries, QListWidget* names, QListWidget* switches, const std::string& name)
{
    entries.push_back({name, kNewSwitch});
    names->addItem(qs(name));
    switches->addItem(kNewSwitch);
}

// Removes row `row` of a name list and its switch list, and the entry.
template <typename Entry>
void removeRow(std::vector<Entry>& entries, QListWidget* names, QListWidget* switches, int row)
{
    if (row < 0 || row >= static_cast<int>(entries.size()))
        return;
    entries.erase(entries.begin() + row);
    delete names->takeItem(row);
    delete switches->takeItem(row);
    // No row stays selected, so a second Remove needs a new choice.
    names->clearSelection();
    switches->clearSelection();
}

} // namespace

void Editor::addopt_Click()
{
    addRow(plugin.options, List8, List9, bytes(Text11->text()));
    app.dialogs.ok("A new option has been created.");
}

void Editor::Command9_Click()
{
    addRow(plugin.displayModes, List6, List7, bytes(Text11->text()));
    app.dialogs.ok("A new display option has been created.");
}

void Editor::Command10_Click()
{
    updatingLists_ = true;
    removeRow(plugin.options, List8, List9, selectedRow(List8));
    updatingLists_ = false;
}

void Editor::Command11_Click()
{
    updatingLists_ = true;
    removeRow(plugin.displayModes, List6, List7, selectedRow(List6));
    updatingLists_ = false;
}

void Editor::Command7_Click() { Text11->clear(); }
void Editor::Command5_Click() { Text10->clear(); }

void Editor::Command8_Click()
{
    QListWidget* list = List(sellisT);
    if (!list || sellisT < 6)
        return;
    int row = selectedRow(list);
    std::string text = bytes(Text11->text());
    auto set = [&](auto& entries, bool name) {
        if (row < 0 || row >= static_cast<int>(entries.size()))
            return;
        (name ? entries[static_cast<std::size_t>(row)].name : entries[static_cast<std::size_t>(row)].switchText) = text;
        list->item(row)->setText(qs(text));
    };
    switch (sellisT) {
    case 6: set(plugin.displayModes, true); break;
    case 7: set(plugin.displayModes, false); break;
    case 8: set(plugin.options, true); break;
    case 9: set(plugin.options, false); break;
    }
}

void Editor::Command6_Click()
{
    QListWidget* list = List(sellistB);
    if (!list || sellistB > 5)
        return;
    int row = selectedRow(list);
    if (row < 0 || row >= kKeyRows)
        return;
    std::string text = bytes(Text10->text());
    plugin.keys.at(row, static_cast<KeyColumn>(sellistB - 1)) = text;
    list->item(row)->setText(qs(text));
}

void Editor::Command12_Click() { app.dialogs.ok(kSnesKeyNamesHelp); }

void Editor::List_Click(int n)
{
    QListWidget* list = List(n);
    if (!list)
        return;
    const bool keys = n <= 5;  // key columns, or option and display lists
    for (int h : keys ? std::vector<int>{5, 6, 7, 8, 9} : std::vector<int>{12, 13, 14, 15})
        setHeaderColour(header(h), kWhite);
    setHeaderColour(header(headerNumberOf(n)), kYellow);

    int row = list->currentRow();
    if (partnerOf(n) && Check1->isChecked() && row >= 0) {
        QListWidget* partner = List(partnerOf(n));
        if (row < partner->count()) {
            updatingLists_ = true;
            partner->setCurrentRow(row);
            updatingLists_ = false;
        }
    }
    if (row >= 0)
        (keys ? Text10 : Text11)->setText(list->item(row)->text());
    (keys ? sellistB : sellisT) = n;
}

} // namespace kivalto
