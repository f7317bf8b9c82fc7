// SPDX-License-Identifier: GPL-3.0-or-later
#include "jukebox/windows/Jukebox.h"

#include "app/pathsettings.h"
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace kivalto {

namespace {

const char* const kCaption = "SPC-Jukebox";

// A picture that acts as a button: reachable by Tab, pressed with Space,
// and named for screen readers by its caption.
QToolButton* pictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap, const QString& caption)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(pixmap));
    b->setIconSize(QSize(32, 32));
    b->setText(caption);
    const QString plain = QString(caption).remove('&');
    b->setToolTip(plain);
    b->setAccessibleName(plain);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoRaise(true);
    return b;
}

} // namespace

Jukebox::Jukebox(App& a) : app(a)
{
    setObjectName("Jukebox");
    setWindowTitle(kCaption);
}

void Jukebox::buildControls()
{
    createControls();
    layOut();
    orderTabs();
    connectControls();
}

void Jukebox::createControls()
{
    Check1 = new QCheckBox("&Stereo");
    Check1->setObjectName("Check1");
    Check2 = new QCheckBox("&Advanced Effects");
    Check2->setObjectName("Check2");
    Check3 = new QCheckBox("&8 Bit Sound");
    Check3->setObjectName("Check3");
    Check2->setChecked(true);
    Check3->setChecked(true);
    Option1 = new QRadioButton("&22 KHz");
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("&44 KHz");
    Option2->setObjectName("Option2");
    Option2->setChecked(true);

    HScroll1 = new QScrollBar(Qt::Horizontal);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setRange(0, 100);
    HScroll1->setValue(75);
    HScroll1->setPageStep(10);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setAccessibleName("Volume");

    Text1 = new QLineEdit("  0:00");
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setAccessibleName("Play time");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);

    Picture1 = pictureButton(this, "Picture1", QStyle::SP_MediaPlay, "&Play");
    Picture2 = pictureButton(this, "Picture2", QStyle::SP_DialogCloseButton, "&Close");
    Image1 = pictureButton(this, "Image1", QStyle::SP_MediaStop, "Stop the C&lock");
}

void Jukebox::layOut()
{
    auto* sound = new QGroupBox("Sound");
    sound->setLayout(makeColumn({Check1, Check2, Check3}));
    auto* rate = new QGroupBox("Sample Rate");
    rate->setLayout(makeColumn({Option1, Option2}));

    auto* volume = new QGridLayout;
    volume->addWidget(makeBuddyLabel("&Volume", HScroll1), 0, 0, 1, 2, Qt::AlignHCenter);
    volume->addWidget(HScroll1, 1, 0, 1, 2);
    volume->addWidget(new QLabel("Low"), 2, 0, Qt::AlignLeft);
    volume->addWidget(new QLabel("High"), 2, 1, Qt::AlignRight);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(makeRow({sound, rate}));
    lay->addLayout(volume);
    lay->addLayout(makeRow({makeBuddyLabel("Play &time", Text1), Text1, Image1}));
    lay->addLayout(makeRow({Picture1, nullptr, Picture2}));
}

void Jukebox::orderTabs()
{
    QWidget* previous = Check1;
    for (QWidget* next : std::initializer_list<QWidget*>{Check2, Check3, Option1, Option2, HScroll1, Text1, Image1,
                                                         Picture1, Picture2}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void Jukebox::connectControls()
{
    connectClicks(this, {{Picture1, &Jukebox::Picture1_Click},
                         {Picture2, &Jukebox::Picture2_Click},
                         {Image1, &Jukebox::Image1_Click}});
    connect(Timer1, &QTimer::timeout, this, &Jukebox::Timer1_Timer);
}

SpcPlaySettings Jukebox::settings() const
{
    SpcPlaySettings s;
    s.stereo = Check1->isChecked();
    s.advancedEffects = Check2->isChecked();
    s.eightBit = Check3->isChecked();
    s.khz22 = Option1->isChecked();
    s.khz44 = Option2->isChecked();
    s.volume = HScroll1->value();
    return s;
}

void Jukebox::Picture1_Click()
{
    const std::string spcDir = app.path(PathField::snespath);
    const std::string file = ChooseFileToOpen(app, "Playable Files|*.SPC;*.ZST", spcDir);
    if (file.empty())
        return;
    if (auto problem = spcPlayProblem(spcDir, file, settings())) {
        app.dialogs.ok(*problem, app.title);
        return;
    }
    const std::string commandLine = buildSpcPlayCommand(spcDir, file, settings());

    playCounter = 0;
    Text1->setText("  0:00");
    Timer1->start();
    setWindowTitle("Press enter to stop playing.");
    // The new song replaces the one playing.
    player.reset();
    StartResult started;
    player = app.process.startStoppable(commandLine, app.fs.currentDir(), ShowMode::Hidden, started);
    if (!started.ok) {
        Timer1->stop();
        // Nothing is playing, so the caption must not tell the user to stop it.
        setWindowTitle(kCaption);
        app.dialogs.ok("An error has occurred. Check that the SPCplay path is correct.", app.title);
    }
}

void Jukebox::Picture2_Click()
{
    Timer1->stop();
    hide();
}

void Jukebox::Image1_Click()
{
    Timer1->stop();
    setWindowTitle(kCaption);
}

// The player runs without a window, so the key its caption asks for is
// taken here: Enter stops it and the clock.
void Jukebox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || !player) {
        QWidget::keyPressEvent(event);
        return;
    }
    player.reset();
    Timer1->stop();
    setWindowTitle(kCaption);
}

void Jukebox::Timer1_Timer()
{
    ++playCounter;
    Text1->setText(qs(playClockText(playCounter)));
}

} // namespace kivalto
