// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Snesmain.h"

#include "app/windows/App.h"
#include "app/windows/Paths.h"
#include "app/windows/pictures.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/romscan.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kivalto {

namespace {

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

} // namespace

Snesmain::Snesmain(App& a) : app(a)
{
    setObjectName("Snesmain");
    ImageList1 = makePadPictures();
    ImageList2 = makeListIcons();
    buildControls();
    buildMenus();
    connectSelection();
    connect(QUIT, &QPushButton::clicked, this, &Snesmain::QUIT_Click);
    connect(SetPths, &QAction::triggered, this, &Snesmain::SetPths_Click);
    connectRoms();
    connectPlugins();
    connectLaunch();
    connectCheats();
    connectKeyconfig();
    connectKeys();
    connectJukebox();
    connectHelp();
    connectLibrary();
    nameControls();
}

// Every control answers to its design name, for tests and accessibility
// tools alike.
void Snesmain::nameControls()
{
    const std::pair<QObject*, const char*> controls[] = {
        {Dirtext, "Dirtext"},       {nextpreset, "nextpreset"}, {Command2, "Command2"},   {ChangeDir, "ChangeDir"},
        {ListView1, "ListView1"},   {File1, "File1"},           {Label1, "Label1"},       {Label2, "Label2"},
        {ROMNAME, "ROMNAME"},       {romimage, "romimage"},     {TreeView1, "TreeView1"}, {Plugins, "Plugins"},
        {Label7, "Label7"},         {Frame1, "Frame1"},         {EMUName, "EMUName"},     {Label4, "Label4"},
        {Text1, "Text1"},           {Command1, "Command1"},     {SSTab1, "SSTab1"},       {optionslist, "optionslist"},
        {Label5, "Label5"},         {List2, "List2"},           {Label6, "Label6"},       {Text2, "Text2"},
        {play1pad, "play1pad"},     {Play1select, "Play1select"}, {Play1keys, "Play1keys"}, {PLAY2Keys, "PLAY2Keys"},
        {SaveGPF, "SaveGPF"},       {Run, "Run"},               {QUIT, "QUIT"},           {romCatalogue, "romCatalogue"}};
    for (const auto& [control, name] : controls)
        control->setObjectName(name);
}

QIcon Snesmain::image2(int index) const
{
    if (index < 1 || index > static_cast<int>(ImageList2.size()))
        return {};
    return ImageList2[static_cast<std::size_t>(index - 1)];
}

// The control builders run in this order and add controls in keyboard
// order: a widget joins the window's focus chain when its layout does.
void Snesmain::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* grid = new QGridLayout(central);
    grid->addLayout(buildRomDirectoryRow(), 0, 0, 1, 2);
    grid->addLayout(buildRomLists(), 1, 0, 2, 1);
    grid->addLayout(buildEmulatorSide(), 1, 1);
    grid->addLayout(buildActions(), 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(920, 700);
}

QLayout* Snesmain::buildRomDirectoryRow()
{
    Dirtext = makeEdit(nullptr, "Dirtext");
    Dirtext->setToolTip("ROM Directory");
    Dirtext->setAccessibleName("ROM Directory");
    Dirtext->setReadOnly(true);
    nextpreset = makeButton(nullptr, "nextpreset", "Ne&xt");
    nextpreset->setToolTip("Next Preset ROM Directory");
    Command2 = makeButton(nullptr, "Command2", "?");
    Command2->setFixedWidth(Command2->fontMetrics().horizontalAdvance("??") + 24);
    Command2->setAccessibleName("About the ROM directory");
    ChangeDir = makeButton(nullptr, "ChangeDir", "Chan&ge Directory");
    QHBoxLayout* row = makeRow({makeBuddyLabel("ROM &Directory:", Dirtext), Dirtext, nextpreset, Command2, ChangeDir});
    row->setStretchFactor(Dirtext, 1);
    return row;
}

// The title list and the file list share one spot; one of them is hidden.
QLayout* Snesmain::buildRomLists()
{
    Label1 = new QLabel("Click To Select");
    Label2 = new QLabel("Double Click to Load ROM Settings");
    ListView1 = new QListView;
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName("ROM titles");
    ListView1->setUniformItemSizes(true);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    File1 = new FileListBox(app.fs);
    File1->setObjectName("File1");
    File1->setToolTip("Select a ROM. ");
    File1->setAccessibleName("ROM files");
    auto* lists = new QVBoxLayout;
    lists->addLayout(makeRow({Label1, nullptr, Label2}));
    lists->addWidget(ListView1, 1);
    lists->addWidget(File1, 1);
    Label1->setBuddy(ListView1);
    ROMNAME = makeEdit(nullptr, "ROMNAME");
    ROMNAME->setText("FILENAME (ROMNAME)");
    ROMNAME->setToolTip("ROM Filename (ROM Header)");
    ROMNAME->setReadOnly(true);
    lists->addWidget(makeBuddyLabel("Se&lected ROM:", ROMNAME));
    lists->addWidget(ROMNAME);
    romimage = new QLabel;
    romimage->setObjectName("romimage");
    romimage->setAccessibleName("ROM snapshot");
    romimage->setMinimumSize(256, 160);
    romimage->setFrameShape(QFrame::Box);
    romimage->setAlignment(Qt::AlignCenter);
    romimage->setScaledContents(false);
    lists->addWidget(romimage);
    return lists;
}

// Systems and their emulators above the current emulator's frame.
QLayout* Snesmain::buildEmulatorSide()
{
    auto* sys = new QVBoxLayout;
    TreeView1 = new QTreeWidget;
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setToolTip("Double-Click a console name to see the available emulators.");
    TreeView1->setAccessibleName("Systems and emulators");
    Label7 = new QLabel("Select an E&mulator");
    Plugins = new FileListBox(app.fs);
    Plugins->setObjectName("Plugins");
    Plugins->setPattern("*.XPL");
    Plugins->setToolTip("Select an Emulator");
    Plugins->setAccessibleName("Select an Emulator");
    Label7->setBuddy(Plugins);
    // Room for the eight systems without scrolling.
    TreeView1->setMinimumHeight(TreeView1->fontMetrics().height() * 12);
    sys->addWidget(TreeView1, 3);
    sys->addWidget(Label7);
    sys->addWidget(Plugins, 2);
    sys->addWidget(buildEmulatorFrame(), 0);
    return sys;
}

QWidget* Snesmain::buildEmulatorFrame()
{
    Frame1 = new QGroupBox("Current Emulator (Inactive)");
    Frame1->setObjectName("Frame1");
    auto* emu = new QGridLayout(Frame1);
    EMUName = new QLabel;
    EMUName->setObjectName("EMUName");
    Text1 = makeEdit(nullptr, "Text1");
    Text1->setToolTip("Set the Correct Directory");
    Label4 = makeBuddyLabel("D&irectory:", Text1);
    Command1 = makeButton(nullptr, "Command1", "S&ave");
    Command1->setToolTip("Save the altered directory permanantly to the Plugin fie.");
    emu->addWidget(EMUName, 0, 0, 1, 3);
    emu->addWidget(Label4, 1, 0);
    emu->addWidget(Text1, 1, 1);
    emu->addWidget(Command1, 1, 2);
    SSTab1 = new QTabWidget;
    SSTab1->addTab(buildOptionsTab(), "Set Emulator Options");
    emu->addWidget(SSTab1, 2, 0, 1, 3);
    emu->addLayout(buildControllerRow(), 3, 0, 1, 3);
    return Frame1;
}

QWidget* Snesmain::buildOptionsTab()
{
    auto* optTab = new QWidget;
    auto* optLay = new QGridLayout(optTab);
    optionslist = new QListWidget;
    optionslist->setObjectName("optionslist");
    optionslist->setSelectionMode(QAbstractItemView::MultiSelection);
    optionslist->setToolTip("Select the options that you wish to use.");
    optionslist->setAccessibleName("Select the Options to Enable");
    Label5 = makeBuddyLabel("Select the Options to E&nable", optionslist);
    List2 = new QListWidget;
    List2->setObjectName("List2");
    List2->setToolTip("X at the end is ModeX, S is Scanlines, 1 is VESA1. Default is VESA2.");
    List2->setAccessibleName("Display modes");
    Text2 = makeEdit(nullptr, "Text2");
    Label6 = makeBuddyLabel("Set a &Frameskip:", Text2);
    optLay->addWidget(Label5, 0, 0);
    optLay->addWidget(optionslist, 1, 0, 3, 1);
    optLay->addWidget(makeBuddyLabel("Displa&y mode:", List2), 0, 1, 1, 2);
    optLay->addWidget(List2, 1, 1, 1, 2);
    optLay->addWidget(Label6, 2, 1);
    optLay->addWidget(Text2, 2, 2);
    return optTab;
}

QLayout* Snesmain::buildControllerRow()
{
    play1pad = new QLabel;
    play1pad->setObjectName("play1pad");
    play1pad->setAccessibleName("Player 1 Contoller");
    Play1select = new QScrollBar(Qt::Vertical);
    Play1select->setObjectName("Play1select");
    Play1select->setRange(1, 4);
    Play1select->setValue(3);
    Play1select->setPageStep(1);
    Play1select->setToolTip("Player 1 Contoller");
    Play1select->setAccessibleName("Player 1 Contoller");
    Play1select->setFocusPolicy(Qt::StrongFocus);
    Play1keys = makeButton(nullptr, "Play1keys", "View &Keys/Buttons");
    PLAY2Keys = makeButton(nullptr, "PLAY2Keys", "View &Player 2 Keys");
    auto* ctl = new QHBoxLayout;
    ctl->addWidget(play1pad);
    ctl->addWidget(Play1select);
    ctl->addLayout(makeColumn({Play1keys, PLAY2Keys}));
    ctl->addStretch();
    return ctl;
}

QLayout* Snesmain::buildActions()
{
    SaveGPF = makeButton(nullptr, "SaveGPF", "Sa&ve ROM Settings");
    Run = makeButton(nullptr, "Run", "&Run");
    QUIT = makeButton(nullptr, "QUIT", "&Quit");
    for (auto* b : {Run, SaveGPF, Command1})
        b->setEnabled(false);
    return makeRow({nullptr, SaveGPF, Run, QUIT});
}

void Snesmain::buildMenus()
{
    QMenu* config = menuBar()->addMenu("&Config");
    config->setObjectName("MenuConfig");
    SetPths = menuItem(config, "SetPths", "Set Paths");
    dynROMs = menuItem(config, "dynROMs", "Dynamic ROMs", true);
    dynROMs->setChecked(true);
    menshowfile = menuItem(config, "menshowfile", "Show Filenames", true);
    MenuShorten = menuItem(config, "MenuShorten", "Shorten Long Filenames", true);

    QMenu* func = menuBar()->addMenu("F&unctions");
    func->setObjectName("MenuFunc");
    writerom = menuItem(func, "writerom", "Write ROM Names");
    QMenu* reconkey = func->addMenu("Reconfigure Keys");
    reconkey->setObjectName("reconkey");
    zcon = menuItem(reconkey, "zcon", "ZSNES");
    EScon = menuItem(reconkey, "EScon", "ESNES");
    nlkcon = menuItem(reconkey, "nlkcon", "NLKE");
    snapass = menuItem(func, "snapass", "Associate a Snapshot");
    SPCJuke = menuItem(func, "SPCJuke", "SPC Jukebox");
    showall = menuItem(func, "showall", "Show All Files");
    romLibrary = menuItem(func, "romLibrary", "ROM Library...");
    romLibrary->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));

    QMenu* opts = menuBar()->addMenu("&Options");
    opts->setObjectName("Menuopts");
    rundos = menuItem(opts, "rundos", "Run in DOS", true);
    runsnesk = menuItem(opts, "runsnesk", "Run SnesKey", true);
    runvesa = menuItem(opts, "runvesa", "Run VESA First", true);
    ROMMame = menuItem(opts, "ROMMame", "Mame ROM", true);

    QMenu* emus = menuBar()->addMenu("&Emulators");
    emus->setObjectName("Menuemu");
    addnewwiz = menuItem(emus, "addnewwiz", "Add New Emulator Wizard");
    emuplugedit = menuItem(emus, "emuplugedit", "Emulator Plugin Editor");
    refplug = menuItem(emus, "refplug", "Refresh Plugins List");

    QMenu* snesk = menuBar()->addMenu("&SnesKey");
    snesk->setObjectName("MenuSnesk");
    sneskconf = menuItem(snesk, "sneskconf", "Configure");
    sneskadv = menuItem(snesk, "sneskadv", "Advanced Support", true);
    sneskadv->setChecked(true);
    nonadvcon = menuItem(snesk, "nonadvcon", "Non-advanced Config");
    nonadvcon->setEnabled(false);
    nostest = menuItem(snesk, "nostest", "Test After Running", true);
    nostest->setChecked(true);

    QMenu* cheats = menuBar()->addMenu("Chea&ts");
    cheats->setObjectName("cheatmenu");
    chtcode = menuItem(cheats, "chtcode", "Enter a Cheat Code");
    chten = menuItem(cheats, "chten", "Enable Cheat", true);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("menuhelp");
    Aboutbox = menuItem(help, "Aboutbox", "About");
    tipstrt = menuItem(help, "tipstrt", "Tips on Startup", true);
    viewhelp = menuItem(help, "viewhelp", "View Help File");
}

void Snesmain::Form_Load()
{
    setWindowTitle(QString::fromStdString(app.title) +
                   QString(" v%1.%2.%3 by Tobin Vearle")
                       .arg(KIVALTO_VERSION_MAJOR)
                       .arg(KIVALTO_VERSION_MINOR)
                       .arg(KIVALTO_VERSION_PATCH));
    Play1select_Change();
    File1->setPattern("*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ");
    buildPluginCatalogue();
}

void Snesmain::applySavedOptions()
{
    const std::string dyn = app.option("Dynamic ROMs");
    dynROMs->setChecked(dyn == "1");
    if (dyn == "1")
        ScanRomDirectory(app);
    else
        LoadStaticRomList(app);
    // Any other stored value leaves the list shown as it is, unmarked.
    const std::string show = app.option("Show Filenames");
    if (show == "0" || show == "1")
        showFileNames(show == "1");
    else
        menshowfile->setChecked(false);
    nostest->setChecked(app.option("NOtest") == "1");
    MenuShorten->setChecked(app.option("MenuShorten") == "1");
}

std::vector<std::string> Snesmain::romFiles() const
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(File1->ListCount()));
    for (int i = 0; i < File1->ListCount(); ++i)
        names.push_back(File1->List(i));
    return names;
}

void Snesmain::setRomFolder(const std::string& folder)
{
    File1->setPath(folder);
    Dirtext->setText(qs(folder));
}

bool Snesmain::openRomFolder(const std::string& folder)
{
    const std::string pattern = File1->Pattern();
    romCatalogue->clear();
    try {
        setRomFolder(folder);
    } catch (const FileError&) {
        app.showError("The folder " + folder + " cannot be opened.");
        return false;
    }
    if (File1->Pattern() != pattern)
        File1->setPattern(pattern);
    ScanRomDirectory(app);
    return true;
}

bool Snesmain::emulatorActive() const { return Run->isEnabled(); }

void Snesmain::showReadyToRun()
{
    showInFront(this);
    Run->setFocus();
}

void Snesmain::QUIT_Click() { app.quit(); }

void Snesmain::closeEvent(QCloseEvent* event)
{
    event->accept();
    app.quit();
}

void Snesmain::SetPths_Click()
{
    showInFront(app.Paths);
}

} // namespace kivalto
