// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Paths.h"

#include "platform/textfield.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/defaultbutton.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "plugins/pluginchecks.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kivalto {

namespace {
struct Labelled {
    const char* label;
    QLineEdit* field;
    int labelColumns;
};

// Stacks fields in the first column from `row` on, each below its label;
// returns the row after the last field.
int addBelowLabels(QGridLayout* grid, int row, std::initializer_list<Labelled> fields)
{
    for (const auto& [label, field, labelColumns] : fields) {
        grid->addWidget(makeBuddyLabel(label, field), row, 0, 1, labelColumns);
        grid->addWidget(field, row + 1, 0);
        row += 2;
    }
    return row;
}
} // namespace

Paths::Paths(App& a) : app(a)
{
    setObjectName("Paths");
    setWindowTitle("Paths");
    createControls();
    layOut();
    connectControls();
    // The settings in force start as the empty fields, until Form_Load.
    app.pathSettings = PathValues{};
}

// The fields are the window's first children, so Tab visits them in
// PathField order before the buttons; the rest joins through the layout.
void Paths::createControls()
{
    ROMPath = makeEdit(this, "ROMPath");
    snespath = makeEdit(this, "snespath");
    GUIDIr = makeEdit(this, "GUIDIr");
    unZipdir = makeEdit(this, "unZipdir");
    vesadir = makeEdit(this, "vesadir");
    skeydir = makeEdit(this, "skeydir");
    GPFDir = makeEdit(this, "GPFDir");
    Command2 = makeButton(nullptr, "Command2", "S&ave");
    Command1 = makeButton(nullptr, "Command1", "&Back");
    Command3 = makeButton(nullptr, "Command3", "&Info");
    Label2 = new QLabel("All paths must end with '\\'.");
    Label2->setObjectName("Label2");
}

// ROM Directory and Save ROM Settings side by side with Info on top; the
// other fields below, then the note and Save and Back.
void Paths::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(makeBuddyLabel("&ROM Directory: ", ROMPath), 0, 0);
    grid->addWidget(makeBuddyLabel("Save ROM Settings &to:", GPFDir), 0, 1);
    grid->addWidget(Command3, 0, 2);
    grid->addWidget(ROMPath, 1, 0);
    grid->addWidget(GPFDir, 1, 1, 1, 2);
    const int row = addBelowLabels(grid, 2,
                                   {{"&SPCPlay Directory (Optional)", snespath, 1},
                                    {"&Kivalto Directory:", GUIDIr, 1},
                                    {"ROM &Unzip Directory containing PKUNZIP.EXE and/or GZIP.EXE only:", unZipdir, 2},
                                    {"Full &Vesa 2 Path inc. EXE [optional]", vesadir, 1},
                                    {"SnesKe&y Directory: [optional]", skeydir, 1}});
    grid->addWidget(Label2, row, 0, 1, 3);
    grid->addWidget(Command2, row + 1, 1);
    grid->addWidget(Command1, row + 1, 2);
    grid->setColumnMinimumWidth(0, 280);
}

void Paths::connectControls()
{
    // The fields are the settings in force: each change counts at once.
    for (int f = 0; f < PathFieldCount; ++f)
        connect(field(static_cast<PathField>(f)), &QLineEdit::textChanged, this,
                [this, f](const QString& text) { app.pathSettings[static_cast<std::size_t>(f)] = bytes(text); });
    connectClicks(this, {{Command2, &Paths::Command2_Click},
                         {Command1, &Paths::Command1_Click},
                         {Command3, &Paths::Command3_Click}});
    // Enter in any field saves.
    makeDefaultButton(this, Command2);
}

QLineEdit* Paths::field(PathField f) const
{
    QLineEdit* fields[] = {ROMPath, snespath, GUIDIr, unZipdir, vesadir, skeydir, GPFDir};
    return fields[static_cast<int>(f)];
}

PathValues Paths::values() const { return app.pathSettings; }

void Paths::setValues(const PathValues& v)
{
    for (int f = 0; f < PathFieldCount; ++f)
        field(static_cast<PathField>(f))->setText(qs(v[static_cast<std::size_t>(f)]));
}

void Paths::Form_Load()
{
    const auto data = app.fs.readText("paths.dat", kMaxTextFileBytes);
    if (!data || data->bytes.empty())
        return;
    const PathsFile file = readPathsFile(data->bytes);
    if (data->cut || file.cut)
        app.noticeOversize("paths.dat");
    // Every field is read, whatever the first one holds: a ROM folder that
    // cannot be used must not empty the others (a Save would write them so).
    setValues(file.values);
    if (file.read == 0)
        return;
    const std::string& rom = file.values[0];
    try {
        app.Snesmain->setRomFolder(rom);
    } catch (const FileError&) {
        app.showError("The ROM Directory \"" + rom +
                      "\" in paths.dat cannot be used: it does not exist or cannot be read. The ROM list shows the "
                      "Kivalto directory instead. Correct the ROM Directory in Set Paths and press Save.");
    }
}

void Paths::Command2_Click()
{
    PathValues v = values();
    // A value the reader would split or unquote shifts every later field
    // at the next start: warn first, and Cancel writes nothing.
    std::vector<UnreadableValue> unreadable;
    for (int f = 0; f < PathFieldCount; ++f)
        if (breaksFieldReading(v[static_cast<std::size_t>(f)]))
            unreadable.push_back({pathFieldLabel(static_cast<PathField>(f)), v[static_cast<std::size_t>(f)]});
    if (!unreadable.empty() && app.dialogs.messageBox({unreadableValuesWarning(unreadable, "the paths"), app.title,
                                                       Buttons::OkCancel, Icon::Exclamation, 2}) != Answer::Ok)
        return;
    upperCasePaths(v);
    addTrailingBackslashes(v);
    setValues(v);
    try {
        app.fs.writeWhole("paths.dat", writePathsFile(v));
    } catch (const FileError& e) {
        app.dialogs.ok("The paths could not be saved: " + std::string(e.what()) +
                       " Check that the Kivalto directory is writable; the paths stay in force until Kivalto ends.");
    }
}

void Paths::Command1_Click()
{
    PathValues v = values();
    addTrailingBackslashes(v);
    setValues(v);
    hide();
}

void Paths::Command3_Click()
{
    app.dialogs.ok("If you leave this blank, the settings will be saved to the ROM directory as in previous versions.",
                   app.title);
}

} // namespace kivalto
