#include "roms/windows/chpath.h"

#include "platform/textfield.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/text.h"
#include "roms/presets.h"
#include "roms/windows/romcataloguemodel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace kivalto {

namespace {
QToolButton* pictureButton(QStyle::StandardPixmap picture, const QString& tip, const char* name)
{
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setIcon(b->style()->standardIcon(picture));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoRaise(true);
    return b;
}

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}
} // namespace

chpath::chpath(App& a) : app(a)
{
    setObjectName("chpath");
    setWindowTitle("Change ROM Path");

    Drive1 = new DriveListBox(app.fs);
    Drive1->setObjectName("Drive1");
    Drive1->setAccessibleName("Drive");
    Dir1 = new DirListBox(app.fs);
    Dir1->setObjectName("Dir1");
    Dir1->setAccessibleName("Directory");
    // The list shows only ".." and sub-folders: the folder it is on is
    // shown above it, and told to screen readers with the list.
    DirPath = new QLabel;
    DirPath->setObjectName("DirPath");
    DirPath->setTextFormat(Qt::PlainText);
    DirPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    DirPath->setWordWrap(true);
    connect(Dir1, &DirListBox::Change, this, [this] {
        DirPath->setText(qs(Dir1->Path()));
        Dir1->setAccessibleDescription(qs(Dir1->Path()));
    });
    Label1 = new QLabel("&Preset");
    Label1->setObjectName("Label1");
    Text1 = new QLineEdit("1");
    Text1->setObjectName("Text1");
    Text1->setMaximumWidth(60);
    Label1->setBuddy(Text1);
    Image1 = pictureButton(QStyle::SP_ArrowLeft, "Previous Preset", "Image1");
    Image2 = pictureButton(QStyle::SP_ArrowRight, "Next Preset", "Image2");
    List1 = new QListWidget;
    List1->setObjectName("List1");
    List1->setAccessibleName("Presets");
    List1->hide();
    Command3 = button("&Save Preset", "Command3");
    Command2 = button("&OK", "Command2");
    Command1 = button("&Cancel", "Command1");
    Command2->setDefault(true);

    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(Label1);
    presetRow->addWidget(Image1);
    presetRow->addWidget(Text1);
    presetRow->addWidget(Image2);
    presetRow->addWidget(Command3);
    presetRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(DirPath);
    layout->addWidget(Dir1, 1);
    layout->addLayout(presetRow);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Image1);
    setTabOrder(Image1, Text1);
    setTabOrder(Text1, Image2);
    setTabOrder(Image2, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Command1);
    resize(360, 420);

    connect(Drive1, &DriveListBox::Change, this, &chpath::Drive1_Change);
    connect(Text1, &QLineEdit::textChanged, this, &chpath::Text1_Change);
    connect(Image1, &QToolButton::clicked, this, &chpath::Image1_Click);
    connect(Image2, &QToolButton::clicked, this, &chpath::Image2_Click);
    connect(Command3, &QPushButton::clicked, this, &chpath::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &chpath::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &chpath::Command1_Click);
}

void chpath::Form_Load()
{
    try {
        Dir1->setPath(app.Snesmain->romFolder());
    } catch (const FileError&) {
    }
    {
        // Showing the drive of Dir1 must not move Dir1 to that drive's root.
        const QSignalBlocker quiet(Drive1);
        Drive1->setDrive(Dir1->Path());
    }
    // No file or an unreadable one: no presets, silently.
    if (const auto data = app.fs.readText("presets.dat", kMaxTextFileBytes)) {
        bool cut = data->cut;
        for (const std::string& p : parsePresets(data->bytes, &cut))
            List1->addItem(qs(p));
        if (cut || data->cut)
            app.dialogs.ok(oversizeNotice("presets.dat"), app.title);
    }
}

void chpath::Drive1_Change()
{
    try {
        Dir1->setPath(Drive1->Drive());  // a bare "C:" is that drive's current directory
    } catch (const FileError&) {
    }
}

int chpath::presetNumberShown() const { return presetNumber(bytes(Text1->text()), presetCount()); }

std::vector<std::string> chpath::presets() const
{
    std::vector<std::string> out;
    for (int i = 0; i < List1->count(); ++i)
        out.push_back(bytes(List1->item(i)->text()));
    return out;
}

void chpath::setPresetNumber(int n) { Text1->setText(QString::number(n)); }

void chpath::Text1_Change()
{
    if (changing_)
        return;
    const int n = presetNumberShown();
    const QString shown = QString::number(n);
    if (Text1->text() != shown) {
        // Corrected text is selected, so the next key typed replaces it.
        changing_ = true;
        Text1->setText(shown);
        Text1->selectAll();
        changing_ = false;
    }
    if (n <= presetCount()) {
        try {
            Dir1->setPath(bytes(List1->item(n - 1)->text()));
        } catch (const FileError&) {
        }
    }
}

void chpath::Image1_Click() { setPresetNumber(previousPreset(presetNumberShown())); }

void chpath::Image2_Click() { setPresetNumber(nextPreset(presetNumberShown(), presetCount())); }

void chpath::stepToNextPreset()
{
    // Stepping on from the only preset lands on it again: the box text does
    // not change, but Dir1 must still go back to that preset.
    const QString next = QString::number(cyclePreset(presetNumberShown(), presetCount()));
    if (Text1->text() == next)
        Text1_Change();
    else
        Text1->setText(next);
}

void chpath::Command3_Click()
{
    std::vector<std::string> all = presets();
    storePreset(all, presetNumberShown(), Dir1->Path());
    List1->clear();
    for (const std::string& p : all)
        List1->addItem(qs(p));
    try {
        app.fs.writeWhole("presets.dat", presetsBytes(all));
    } catch (const FileError& e) {
        app.dialogs.ok("The preset could not be saved to presets.dat in the Kivalto directory (" +
                           std::string(e.what()) + "). It can be used until Kivalto is closed.",
                       app.title);
    }
}

void chpath::Command2_Click() { okay(); }

void chpath::Command1_Click() { hide(); }

void chpath::okay()
{
    if (app.Snesmain->openRomFolder(Dir1->Path()))
        hide();
}

void chpath::openFolder(const std::string& folder)
{
    try {
        Dir1->setPath(folder);
    } catch (const FileError&) {
        app.showError("The folder " + folder + " cannot be opened.");
        return;
    }
    okay();
}

} // namespace kivalto
