// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/windows/chpath.h"

#include "platform/textfield.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "roms/presets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
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
} // namespace

chpath::chpath(App& a) : app(a)
{
    setObjectName("chpath");
    setWindowTitle("Change ROM Path");
    resize(360, 420);
}

// The controls are made without a parent: the layout adopts them in its
// own order, which is the order of the window's children.
void chpath::buildControls()
{
    createFolderChoice();
    createPresetControls();
    layOut();
    // Tab goes down the window and along the preset row, then to OK and Cancel.
    setTabChain({Drive1, Dir1, Image1, Text1, Image2, Command3, Command2, Command1});
    connectControls();
    try {
        Dir1->setPath(startFolder_);
    } catch (const FileError&) {
    }
    {
        // Showing the drive of Dir1 must not move Dir1 to that drive's root.
        const QSignalBlocker quiet(Drive1);
        Drive1->setDrive(Dir1->Path());
    }
}

void chpath::createFolderChoice()
{
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
}

void chpath::createPresetControls()
{
    Text1 = makeEdit(nullptr, "Text1");
    Text1->setText("1");
    Text1->setMaximumWidth(60);
    Label1 = makeBuddyLabel("&Preset", Text1);
    Label1->setObjectName("Label1");
    Image1 = pictureButton(QStyle::SP_ArrowLeft, "Previous Preset", "Image1");
    Image2 = pictureButton(QStyle::SP_ArrowRight, "Next Preset", "Image2");
    Command3 = makeButton(nullptr, "Command3", "&Save Preset");
    Command2 = makeButton(nullptr, "Command2", "&OK");
    Command1 = makeButton(nullptr, "Command1", "&Cancel");
    Command2->setDefault(true);
}

void chpath::layOut()
{
    auto* presetRow = makeRow({Label1, Image1, Text1, Image2, Command3});
    presetRow->addStretch(1);
    auto* buttons = makeRow({nullptr, Command2, Command1});
    buttons->setStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Drive1);
    layout->addWidget(DirPath);
    layout->addWidget(Dir1, 1);
    layout->addLayout(presetRow);
    layout->addLayout(buttons);
}

void chpath::connectControls()
{
    connect(Dir1, &DirListBox::Change, this, [this] {
        DirPath->setText(qs(Dir1->Path()));
        Dir1->setAccessibleDescription(qs(Dir1->Path()));
    });
    connect(Drive1, &DriveListBox::Change, this, &chpath::Drive1_Change);
    connect(Text1, &QLineEdit::textChanged, this, &chpath::Text1_Change);
    connectClicks(this, {{Image1, &chpath::Image1_Click},
                         {Image2, &chpath::Image2_Click},
                         {Command3, &chpath::Command3_Click},
                         {Command2, &chpath::Command2_Click},
                         {Command1, &chpath::Command1_Click}});
}

void chpath::Form_Load()
{
    startFolder_ = app.selection.romFolder();
    // No file or an unreadable one: no presets, silently.
    if (const auto data = app.fs.readText("presets.dat", kMaxTextFileBytes)) {
        bool cut = data->cut;
        presets_ = parsePresets(data->bytes, &cut);
        if (cut || data->cut)
            app.noticeOversize("presets.dat");
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
            Dir1->setPath(presets_[static_cast<std::size_t>(n - 1)]);
        } catch (const FileError&) {
        }
    }
}

void chpath::Image1_Click() { setPresetNumber(previousPreset(presetNumberShown())); }

void chpath::Image2_Click() { setPresetNumber(nextPreset(presetNumberShown(), presetCount())); }

void chpath::stepToNextPreset()
{
    ensureBuilt();
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
    storePreset(presets_, presetNumberShown(), Dir1->Path());
    try {
        app.fs.writeWhole("presets.dat", presetsBytes(presets_));
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
    ensureBuilt();
    if (openRomFolder && openRomFolder(Dir1->Path()))
        hide();
}

void chpath::openFolder(const std::string& folder)
{
    ensureBuilt();
    try {
        Dir1->setPath(folder);
    } catch (const FileError&) {
        app.showError("The folder " + folder + " cannot be opened.");
        return;
    }
    okay();
}

} // namespace kivalto
