// The main window. Its handlers are spread over the subsystem folders:
// app/windows/Snesmain.cpp (make-up, load step, quit), roms/windows
// (ROM lists, snapshots, presets buttons), plugins/windows (catalogue and
// selection), launch/windows (run, per-ROM settings, command line, cheats),
// keys/windows (key menus), jukebox/windows, ui/windows (help menu).
#pragma once

#include "app/windows/App.h"
#include "launch/launchvalues.h"
#include "platform/qt/listcontrols.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace kivalto {

class RomCatalogueModel;

class Snesmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Snesmain(App& app);

    App& app;

    // ROM directory
    QLineEdit* Dirtext = nullptr;
    QPushButton* nextpreset = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* ChangeDir = nullptr;
    // ROM lists
    QListView* ListView1 = nullptr;
    RomCatalogueModel* romCatalogue = nullptr;  // the model of ListView1
    FileListBox* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    // Selected ROM
    QLineEdit* ROMNAME = nullptr;
    QLabel* romimage = nullptr;
    // Systems and emulators
    QTreeWidget* TreeView1 = nullptr;
    FileListBox* Plugins = nullptr;
    QLabel* Label7 = nullptr;
    // Current emulator
    QGroupBox* Frame1 = nullptr;
    QLabel* EMUName = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    // Emulator options
    QTabWidget* SSTab1 = nullptr;
    QListWidget* optionslist = nullptr;
    QLabel* Label5 = nullptr;
    QListWidget* List2 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text2 = nullptr;
    // Controller
    QLabel* play1pad = nullptr;
    QScrollBar* Play1select = nullptr;
    QPushButton* Play1keys = nullptr;
    QPushButton* PLAY2Keys = nullptr;
    // Actions
    QPushButton* SaveGPF = nullptr;
    QPushButton* Run = nullptr;
    QPushButton* QUIT = nullptr;
    // Not shown
    std::vector<std::string> Headerlst{"33217", "32705", "65985", "29889"};
    DirListBox* Dir1 = nullptr;
    std::vector<QPixmap> ImageList1;  // controller pictures, index 1..4 at [0..3]
    std::vector<QIcon> ImageList2;    // tree and list icons, index 1..12 at [0..11]

    // Menu items
    QAction* SetPths = nullptr;
    QAction* dynROMs = nullptr;
    QAction* menshowfile = nullptr;
    QAction* MenuShorten = nullptr;
    QAction* writerom = nullptr;
    QAction* zcon = nullptr;
    QAction* EScon = nullptr;
    QAction* nlkcon = nullptr;
    QAction* snapass = nullptr;
    QAction* SPCJuke = nullptr;
    QAction* showall = nullptr;
    QAction* rundos = nullptr;
    QAction* runsnesk = nullptr;
    QAction* runvesa = nullptr;
    QAction* ROMMame = nullptr;
    QAction* addnewwiz = nullptr;
    QAction* emuplugedit = nullptr;
    QAction* refplug = nullptr;
    QAction* sneskconf = nullptr;
    QAction* sneskadv = nullptr;
    QAction* nonadvcon = nullptr;
    QAction* nostest = nullptr;
    QAction* chtcode = nullptr;
    QAction* chten = nullptr;
    QAction* Aboutbox = nullptr;
    QAction* tipstrt = nullptr;
    QAction* viewhelp = nullptr;

    // Window-level values
    int selectedItem = 0;           // position (from 1) of the last clicked ListView1 entry
    bool commandLineStart = false;  // the next plugin selection neither sets the pattern nor rescans
    bool settingsLoaded = false;    // set by loadGPF on success
    ValueOrigins launchOrigins;     // launch values loaded from a settings file

    QIcon image2(int index) const;  // ImageList2 by its 1-based index

    // Load step (start-up step 1).
    void Form_Load();
    void QUIT_Click();
    void SetPths_Click();

    // roms/windows
    void dynROMs_Click();
    void menshowfile_Click();
    void showall_Click();
    void MenuShorten_Click();
    void ROMMame_Click();
    void ListView1_Click(int position);
    void ListView1_DblClick();
    void File1_Click();
    void refreshSnapshot();
    void snapass_Click();
    void writerom_Click();
    void nextpreset_Click();
    void Command2_Click();
    void ChangeDir_Click();

    // plugins/windows
    void buildPluginCatalogue();  // load step 4 to 6
    void Plugins_Click();
    void Plugins_DblClick();
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void refplug_Click();
    void emuplugedit_Click();
    void Command1_Click();
    void Play1select_Change();
    void addnewwiz_Click();
    void setEmulatorActive(bool active);

    // launch/windows
    void Run_Click();
    void runPLugin();
    void rundos_Click();
    void runsnesk_Click();
    void runvesa_Click();
    void SaveGPF_Click();
    void File1_DblClick();
    void loadGPF();
    void CheckCOMMAND();
    void commandGPF();
    void chtcode_Click();
    void chten_Click();

    // keys/windows
    void zcon_Click();
    void EScon_Click();
    void nlkcon_Click();
    void sneskconf_Click();
    void sneskadv_Click();
    void nonadvcon_Click();
    void nostest_Click();
    void Play1keys_Click();
    void PLAY2Keys_Click();
    void sneskmake();

    // jukebox/windows
    void SPCJuke_Click();

    // ui/windows
    void Aboutbox_Click();
    void tipstrt_Click();
    void viewhelp_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    // Each subsystem wires its own controls' signals to its handlers.
    void connectRoms();
    void connectPlugins();
    void connectLaunch();
    void connectCheats();
    void connectKeyconfig();
    void connectKeys();
    void connectJukebox();
    void connectHelp();
};

} // namespace kivalto
