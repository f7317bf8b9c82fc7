#include "app/windows/Paths.h"

#include "platform/textfield.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/defaultbutton.h"
#include "platform/qt/text.h"
#include "plugins/pluginchecks.h"

#include <QGridLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace kivalto {

Paths::Paths(App& a) : app(a)
{
    setObjectName("Paths");
    setWindowTitle("Paths");
    auto make = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    ROMPath = make("ROMPath");
    snespath = make("snespath");
    GUIDIr = make("GUIDIr");
    unZipdir = make("unZipdir");
    vesadir = make("vesadir");
    skeydir = make("skeydir");
    GPFDir = make("GPFDir");
    auto label = [](const QString& text, QLineEdit* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    Command2 = new QPushButton("S&ave");
    Command1 = new QPushButton("&Back");
    Command3 = new QPushButton("&Info");
    Label2 = new QLabel("All paths must end with '\\'.");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label("&ROM Directory: ", ROMPath), 0, 0);
    grid->addWidget(label("Save ROM Settings &to:", GPFDir), 0, 1);
    grid->addWidget(Command3, 0, 2);
    grid->addWidget(ROMPath, 1, 0);
    grid->addWidget(GPFDir, 1, 1, 1, 2);
    grid->addWidget(label("&SPCPlay Directory (Optional)", snespath), 2, 0);
    grid->addWidget(snespath, 3, 0);
    grid->addWidget(label("&Kivalto Directory:", GUIDIr), 4, 0);
    grid->addWidget(GUIDIr, 5, 0);
    grid->addWidget(label("ROM &Unzip Directory containing PKUNZIP.EXE and/or GZIP.EXE only:", unZipdir), 6, 0, 1, 2);
    grid->addWidget(unZipdir, 7, 0);
    grid->addWidget(label("Full &Vesa 2 Path inc. EXE [optional]", vesadir), 8, 0);
    grid->addWidget(vesadir, 9, 0);
    grid->addWidget(label("SnesKe&y Directory: [optional]", skeydir), 10, 0);
    grid->addWidget(skeydir, 11, 0);
    grid->addWidget(Label2, 12, 0, 1, 3);
    grid->addWidget(Command2, 13, 1);
    grid->addWidget(Command1, 13, 2);
    grid->setColumnMinimumWidth(0, 280);

    connect(Command2, &QPushButton::clicked, this, &Paths::Command2_Click);
    makeDefaultButton(this, Command2);
    connect(Command1, &QPushButton::clicked, this, &Paths::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Paths::Command3_Click);
}

QLineEdit* Paths::field(PathField f) const
{
    QLineEdit* fields[] = {ROMPath, snespath, GUIDIr, unZipdir, vesadir, skeydir, GPFDir};
    return fields[static_cast<int>(f)];
}

std::string Paths::value(PathField f) const { return bytes(field(f)->text()); }

PathValues Paths::values() const
{
    PathValues v;
    for (int f = 0; f < PathFieldCount; ++f)
        v[static_cast<std::size_t>(f)] = value(static_cast<PathField>(f));
    return v;
}

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
        app.dialogs.ok(oversizeNotice("paths.dat"), app.title);
    // Every field is read, whatever the first one holds: a ROM folder that
    // cannot be used must not empty the others (a Save would write them so).
    setValues(file.values);
    if (file.read == 0)
        return;
    const std::string& rom = file.values[0];
    try {
        app.Snesmain->setRomFolder(rom);
    } catch (const FileError&) {
        // In the error window once start-up is over: a box would hold up
        // the start, and a command-line launch with it.
        const std::string text = "The ROM Directory \"" + rom +
                                 "\" in paths.dat cannot be used: it does not exist or cannot be read. The ROM list "
                                 "shows the Kivalto directory instead. Correct the ROM Directory in Set Paths and "
                                 "press Save.";
        QTimer::singleShot(0, this, [this, text] { app.showError(text); });
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
