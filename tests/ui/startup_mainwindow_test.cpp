// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's make-up: captions, hints, check marks and keyboard use.
#include "app/windows/Paths.h"
#include "app/windows/Splash.h"
#include "roms/windows/chpath.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"
#include "ui/windows/frmTip.h"
#include "fixture.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

using namespace kivalto;
using MainWindow = test::KivaltoTest;

namespace {
QString plain(QString text) { return text.remove('&'); }

struct MenuRow {
    const char* name;
    const char* caption;
    int checked;  // 1 checked, 0 not, -1 set by its own Part at start-up
    bool enabled;
};
} // namespace

TEST_F(MainWindow, MenuBarCaptionsAndDesignStates)
{
    startup();
    Snesmain& m = main();
    QStringList menus;
    for (QAction* a : m.menuBar()->actions())
        menus << a->menu()->objectName() + "=" + plain(a->text());
    EXPECT_EQ(menus.join(","), "MenuConfig=Config,MenuFunc=Functions,Menuopts=Options,Menuemu=Emulators,"
                               "MenuSnesk=SnesKey,cheatmenu=Cheats,menuhelp=Help");
    // Check marks of the four options come from the store (all on here).
    const std::vector<MenuRow> rows{
        {"SetPths", "Set Paths", 0, true},
        {"dynROMs", "Dynamic ROMs", 1, true},
        {"menshowfile", "Show Filenames", 1, true},
        {"MenuShorten", "Shorten Long Filenames", 1, true},
        {"writerom", "Write ROM Names", 0, true},
        {"zcon", "ZSNES", 0, true},
        {"EScon", "ESNES", 0, true},
        {"nlkcon", "NLKE", 0, true},
        {"snapass", "Associate a Snapshot", 0, true},
        {"SPCJuke", "SPC Jukebox", 0, true},
        {"showall", "Show All Files", 0, true},
        {"rundos", "Run in DOS", 0, true},
        {"runsnesk", "Run SnesKey", 0, true},
        {"runvesa", "Run VESA First", 0, true},
        {"ROMMame", "Mame ROM", 0, true},
        {"addnewwiz", "Add New Emulator Wizard", 0, true},
        {"emuplugedit", "Emulator Plugin Editor", 0, true},
        {"refplug", "Refresh Plugins List", 0, true},
        {"sneskconf", "Configure", 0, true},
        {"sneskadv", "Advanced Support", 1, true},
        {"nonadvcon", "Non-advanced Config", 0, false},
        {"nostest", "Test After Running", 1, true},
        {"chtcode", "Enter a Cheat Code", 0, true},
        {"chten", "Enable Cheat", 0, true},
        {"Aboutbox", "About", 0, true},
        {"tipstrt", "Tips on Startup", -1, true},
        {"viewhelp", "View Help File", 0, true},
    };
    for (const MenuRow& r : rows) {
        QAction* a = m.findChild<QAction*>(r.name);
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(plain(a->text()), r.caption) << r.name;
        if (r.checked == 1) {
            EXPECT_TRUE(a->isCheckable()) << r.name;
        }
        if (r.checked >= 0) {
            EXPECT_EQ(a->isChecked(), r.checked == 1) << r.name;
        }
        EXPECT_EQ(a->isEnabled(), r.enabled) << r.name;
    }
    EXPECT_EQ(plain(m.findChild<QMenu*>("reconkey")->title()), "Reconfigure Keys");
}

TEST_F(MainWindow, ControlsCarryTheirDesignTexts)
{
    startup();
    Snesmain& m = main();
    EXPECT_EQ(m.windowTitle(), "Kivalto v3.4.0 by Tobin Vearle");
    EXPECT_EQ(ctl<QLineEdit>(m, "Dirtext")->toolTip(), "ROM Directory");
    EXPECT_EQ(ctl<QPushButton>(m, "nextpreset")->text().remove('&'), "Next");
    EXPECT_EQ(ctl<QPushButton>(m, "nextpreset")->toolTip(), "Next Preset ROM Directory");
    EXPECT_EQ(ctl<QPushButton>(m, "Command2")->text(), "?");
    EXPECT_EQ(ctl<QPushButton>(m, "ChangeDir")->text().remove('&'), "Change Directory");
    EXPECT_EQ(ctl<QLabel>(m, "Label1")->text(), "Click To Select");
    EXPECT_EQ(ctl<QLabel>(m, "Label2")->text(), "Double Click to Load ROM Settings");
    EXPECT_EQ(ctl<FileListBox>(m, "File1")->toolTip(), "Select a ROM. ");
    EXPECT_EQ(ctl<FileListBox>(m, "File1")->Pattern(), "*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ");
    EXPECT_EQ(ctl<QLineEdit>(m, "ROMNAME")->toolTip(), "ROM Filename (ROM Header)");
    EXPECT_EQ(ctl<QTreeWidget>(m, "TreeView1")->toolTip(), "Double-Click a console name to see the available emulators.");
    EXPECT_EQ(ctl<FileListBox>(m, "Plugins")->Pattern(), "*.XPL");
    EXPECT_EQ(plain(ctl<QLabel>(m, "Label7")->text()), "Select an Emulator");
    EXPECT_EQ(ctl<QGroupBox>(m, "Frame1")->title(), "Current Emulator (Inactive)");
    EXPECT_EQ(plain(ctl<QLabel>(m, "Label4")->text()), "Directory:");
    EXPECT_EQ(ctl<QLineEdit>(m, "Text1")->toolTip(), "Set the Correct Directory");
    EXPECT_EQ(ctl<QPushButton>(m, "Command1")->text().remove('&'), "Save");
    EXPECT_EQ(ctl<QPushButton>(m, "Command1")->toolTip(), "Save the altered directory permanantly to the Plugin fie.");
    EXPECT_EQ(ctl<QTabWidget>(m, "SSTab1")->tabText(0), "Set Emulator Options");
    EXPECT_EQ(ctl<QListWidget>(m, "optionslist")->toolTip(), "Select the options that you wish to use.");
    EXPECT_EQ(plain(ctl<QLabel>(m, "Label5")->text()), "Select the Options to Enable");
    EXPECT_EQ(ctl<QListWidget>(m, "List2")->toolTip(), "X at the end is ModeX, S is Scanlines, 1 is VESA1. Default is VESA2.");
    EXPECT_EQ(plain(ctl<QLabel>(m, "Label6")->text()), "Set a Frameskip:");
    EXPECT_EQ(ctl<QScrollBar>(m, "Play1select")->toolTip(), "Player 1 Contoller");
    EXPECT_EQ(ctl<QPushButton>(m, "Play1keys")->text().remove('&'), "View Keys/Buttons");
    EXPECT_EQ(ctl<QPushButton>(m, "PLAY2Keys")->text().remove('&'), "View Player 2 Keys");
    EXPECT_EQ(ctl<QPushButton>(m, "SaveGPF")->text().remove('&'), "Save ROM Settings");
    EXPECT_EQ(ctl<QPushButton>(m, "Run")->text().remove('&'), "Run");
    EXPECT_EQ(ctl<QPushButton>(m, "QUIT")->text().remove('&'), "Quit");
    EXPECT_EQ(app.selection.headerPositions, (std::vector<std::string>{"33217", "32705", "65985", "29889"}));
}

TEST_F(MainWindow, EveryControlIsReachableByKeyboardAndNamed)
{
    startup();
    for (QWidget* top : std::initializer_list<QWidget*>{&main(), app.Paths, app.chpath, app.frmTip, app.errorfrm,
                                                        app.mesage, app.Splash}) {
        top->show();
        for (QLineEdit* e : top->findChildren<QLineEdit*>()) {
            if (!e->isVisibleTo(top) || e->parent()->inherits("QAbstractSpinBox") || e->parent()->inherits("QComboBox"))
                continue;
            bool labelled = false;
            for (QLabel* l : top->findChildren<QLabel*>())
                labelled = labelled || l->buddy() == e;
            EXPECT_TRUE(labelled || !e->accessibleName().isEmpty()) << e->objectName().toStdString();
            EXPECT_TRUE(e->focusPolicy() & Qt::TabFocus) << e->objectName().toStdString();
        }
        for (QAbstractItemView* v : top->findChildren<QAbstractItemView*>()) {
            if (!v->isVisibleTo(top))
                continue;
            EXPECT_FALSE(v->accessibleName().isEmpty()) << v->objectName().toStdString();
            EXPECT_TRUE(v->focusPolicy() & Qt::TabFocus) << v->objectName().toStdString();
        }
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(top) || b->inherits("QTabBar"))
                continue;
            EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << b->text().toStdString();
            EXPECT_FALSE(b->text().isEmpty() && b->accessibleName().isEmpty()) << b->objectName().toStdString();
        }
        EXPECT_TRUE(ctl<QScrollBar>(main(), "Play1select")->focusPolicy() & Qt::TabFocus);
    }
}

TEST_F(MainWindow, MnemonicsDoNotClash)
{
    startup();
    for (QWidget* top : std::initializer_list<QWidget*>{&main(), app.Paths, app.chpath, app.frmTip, app.errorfrm,
                                                        app.mesage, app.Splash}) {
        QMap<QChar, QString> used;
        auto take = [&](const QString& text) {
            const int amp = text.indexOf('&');
            if (amp < 0 || amp + 1 >= text.size())
                return;
            const QChar key = text.at(amp + 1).toLower();
            EXPECT_FALSE(used.contains(key)) << text.toStdString() << " and " << used.value(key).toStdString();
            used.insert(key, text);
        };
        if (top == &main())
            for (QAction* a : main().menuBar()->actions())
                take(a->text());
        for (QLabel* l : top->findChildren<QLabel*>())
            take(l->text());
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
            take(b->text());
    }
}

// Renders the main window and the paths window; KIVALTO_SCREENSHOT=<folder>
// keeps the pictures for a look at the layout.
TEST_F(MainWindow, LayoutRendersAtItsDefaultSize)
{
    startup();
    const QString folder = qEnvironmentVariable("KIVALTO_SCREENSHOT");
    for (QWidget* w : std::initializer_list<QWidget*>{&main(), app.Paths, app.errorfrm, app.Splash}) {
        w->show();
        QApplication::processEvents();
        const QPixmap shot = w->grab();
        EXPECT_FALSE(shot.isNull());
        EXPECT_GE(shot.width(), w->minimumSizeHint().width());
        if (!folder.isEmpty())
            shot.save(folder + "/" + w->objectName() + ".png");
    }
}

TEST_F(MainWindow, EnterInAFileListActsAsADoubleClick)
{
    writeFile("C:\\KIVALTO\\B.SMC", "x");
    startup();
    FileListBox& list = *ctl<FileListBox>(main(), "File1");
    list.setPattern("*.SMC");
    int clicks = 0, doubles = 0;
    QObject::connect(&list, &FileListBox::Click, [&] { ++clicks; });
    QObject::connect(&list, &FileListBox::DblClick, [&] { ++doubles; });
    list.setCurrentIndex(list.model()->index(0, 0));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&list, &enter);
    EXPECT_EQ(list.FileName(), "B.SMC");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}
