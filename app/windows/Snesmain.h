// SPDX-License-Identifier: GPL-3.0-or-later
// The main window. Its handlers are spread over the subsystem folders:
// app/windows/Snesmain.cpp (controls, menus, saved options, quit), roms/windows
// (ROM lists, snapshots, presets buttons), plugins/windows (catalogue and
// selection), launch/windows (run, per-ROM settings, command line, cheats),
// keys/windows (key menus), jukebox/windows, ui/windows (help menu),
// library/windows (the ROM Library menu item and going to a Library ROM).
#pragma once

#include "plugins/plugin.h"

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kivalto {

struct App;
class FileListBox;
struct LaunchScript;
struct LibraryRow;
struct ParsedRomSettings;
class RomCatalogueModel;

class Snesmain : public QMainWindow {
    Q_OBJECT
public:
    explicit Snesmain(App& app);

    // What the start-up, other windows and the ROM scan ask of the main
    // window. Everything else happens through its own controls.
    QIcon image2(int index) const;  // tree and list icons by their 1-based index
    // The title list's entries: the RomCatalogue as shown.
    RomCatalogueModel& catalogue() const { return *romCatalogue; }
    // The ROM files that the file list shows, in its order.
    std::vector<std::string> romFiles() const;
    // Points the file list and the ROM directory box at `folder`; throws
    // FileError (nothing changes).
    void setRomFolder(const std::string& folder);
    // Opens `folder` as the ROM folder and lists its titles; reports a
    // folder that cannot be opened and returns false.
    bool openRomFolder(const std::string& folder);
    // Position (from 1) of the title entry clicked last; 0 for none.
    int clickedTitle() const { return selectedItem; }
    // Marks "Tips on Startup" in the Help menu.
    void markTipsOnStartup(bool on);
    // Puts the saved options into the menus and fills the ROM list.
    void applySavedOptions();
    // Whether a plugin has been selected as the current emulator (Run is
    // enabled).
    bool emulatorActive() const;

    // Run by the start-up once the window is made: the caption with the
    // version, the controller picture, the ROM file pattern and the plugin
    // catalogue.
    void Form_Load();
    // The command-line start, run by the start-up: a ROM path on the command
    // line whose settings load is launched at once.
    void CheckCOMMAND();
    // Loads the selected ROM's saved settings, as a double-click on it does;
    // true when every value was read.
    bool loadGPF();
    // Writes the SnesKey driver file sneskey.ini, as a launch with Run
    // SnesKey checked does.
    void sneskmake();

signals:
    // A plugin became the current emulator; `cheats` are its cheat types
    // (options whose name starts with "#"), for the cheat window.
    void cheatTypesChosen(const std::vector<PluginOption>& cheats);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    App& app;  // the running program: services, the selection and the other windows

    // Handlers, named after the control and its event; the window's own
    // connections call them. The menu items' design names and captions are
    // listed with the items below.
    void QUIT_Click();     // "Quit": ends the program at once
    void SetPths_Click();  // "Set Paths": shows the Paths window

    // roms/windows
    void dynROMs_Click();      // saves the option; switched off, first writes the list to static.dat
    void menshowfile_Click();  // saves the option and shows the file list or the title list
    void showall_Click();      // the file list with the pattern *.*
    void MenuShorten_Click();  // saves the option
    void ListView1_Click(int position);  // a title clicked: selects its file, shows name and snapshot
    void ListView1_DblClick();           // a title: its settings; a folder or "UP": opens it
    void File1_Click();                  // a file clicked: its name, title and snapshot
    void refreshSnapshot();              // the selected file's BMP or JPG picture, or none
    void snapass_Click();                // copies a chosen picture beside the ROM as its snapshot
    void writerom_Click();               // file names and titles into LONGROM.TXT
    void nextpreset_Click();             // "Next": opens the next preset ROM folder
    void Command2_Click();               // "?": explains the ROM directory row
    void ChangeDir_Click();              // "Change Directory": shows chpath
    void rescanTitles();                 // the title list built again from the ROM folder
    // Shows the file list (true) or the title list, with the menu mark to match.
    void showFileNames(bool files);
    // Selects a ROM of the ROM folder as a click on it in the list shown
    // does; false when the file list does not list it.
    bool selectRomFile(const std::string& file);

    // plugins/windows
    // Selects the first plugin (or reports that there is none) and files
    // every plugin under its systems in the tree.
    void buildPluginCatalogue();
    void Plugins_Click();     // a plugin file clicked: its emulator's name
    void Plugins_DblClick();  // selects the plugin as the current emulator
    // Selects a plugin by its file name as a double-click does, marks it
    // selected and lists all plugins again.
    void selectPluginByName(const std::string& name);
    void TreeView1_NodeClick(QTreeWidgetItem* node);  // a system opens, an emulator is selected
    void refplug_Click();       // lists the plugin files again
    void emuplugedit_Click();   // shows the plugin editor; the emulator becomes inactive
    void Command1_Click();      // "Save": the emulator directory into the plugin file
    void Play1select_Change();  // the controller picture follows the choice
    void addnewwiz_Click();     // starts the Add New Emulator wizard
    // "Current Emulator" with Run, Save ROM Settings and Save enabled, or
    // "(Inactive)" without them.
    void setEmulatorActive(bool active);
    // The plugin files the tree files under a system, given as its index into
    // kSystemKinds, in the tree's order.
    std::vector<std::string> pluginsFiledUnder(std::size_t systemKind) const;

    // launch/windows
    void Run_Click();  // "Run": reports a missing ROM, else launches it
    // Launches the selected ROM with the selection's plugin and choices.
    void runPLugin();
    // Writes the batch file and starts it; false after reporting a failure.
    bool startLaunchScript(const LaunchScript& script);
    void SaveGPF_Click();   // "Save ROM Settings": the choices into the ROM's settings file
    void File1_DblClick();  // loads the ROM's saved settings
    // Puts loaded settings into the controls; true when every value was read.
    bool applyRomSettings(const ParsedRomSettings& parsed, const std::string& file);
    // Selects the plugin that the command line's settings file names; true
    // when it did.
    bool commandGPF();
    void chtcode_Click();  // "Enter a Cheat Code": shows the cheat window

    // keys/windows
    void zcon_Click();       // Reconfigure Keys > "ZSNES"
    void EScon_Click();      // Reconfigure Keys > "ESNES"
    void nlkcon_Click();     // Reconfigure Keys > "NLKE"
    void sneskconf_Click();  // "Configure": shows the SnesKey window
    void sneskadv_Click();   // "Advanced Support" off: the manual mapping, and its menu item enabled
    void nonadvcon_Click();  // "Non-advanced Config": shows the manual mapping
    void nostest_Click();    // "Test After Running": saves the option NOtest
    void Play1keys_Click();  // "View Keys/Buttons": player 1's chosen controller
    void PLAY2Keys_Click();  // "View Player 2 Keys"

    // jukebox/windows
    void SPCJuke_Click();  // "SPC Jukebox": shows the jukebox

    // library/windows
    void romLibrary_Click();  // "ROM Library...": opens the Library window, made on first use
    // Takes the window to a Library ROM with what it already does (open the
    // folder, select a plugin, click the ROM, load its settings); false
    // after reporting why it cannot.
    bool goToLibraryRom(const LibraryRow& rom, const std::string& dataName);
    // Brings the window to the front with Run focused, one press away.
    void showReadyToRun();

    // ui/windows
    void Aboutbox_Click();  // "About": shows the splash window
    void tipstrt_Click();   // "Tips on Startup": saves the option
    void viewhelp_Click();  // "View Help File": opens Kivalto.chm

    // Controls keep their design names, which are also their object names.
    // ROM directory
    QLineEdit* Dirtext = nullptr;       // the current ROM folder (read-only)
    QPushButton* nextpreset = nullptr;  // "Next": the next preset ROM folder
    QPushButton* Command2 = nullptr;    // "?": explains the ROM directory row
    QPushButton* ChangeDir = nullptr;   // "Change Directory": opens chpath
    // ROM lists, one shown at a time in the same spot
    QListView* ListView1 = nullptr;             // ROM titles from the headers, then folders and "UP"
    RomCatalogueModel* romCatalogue = nullptr;  // the model of ListView1
    FileListBox* File1 = nullptr;               // ROM files; its folder and pattern are the ROM folder's
    QLabel* Label1 = nullptr;                   // "Click To Select"
    QLabel* Label2 = nullptr;                   // "Double Click to Load ROM Settings"
    // Selected ROM
    QLineEdit* ROMNAME = nullptr;  // "FILENAME (ROMNAME)" of the clicked ROM
    QLabel* romimage = nullptr;    // the ROM's snapshot picture
    // Systems and emulators
    QTreeWidget* TreeView1 = nullptr;  // systems with their emulators' plugins
    FileListBox* Plugins = nullptr;    // plugin files (*.XPL) of the Kivalto folder
    QLabel* Label7 = nullptr;          // "Select an Emulator"
    // Current emulator
    QGroupBox* Frame1 = nullptr;      // "Current Emulator (Inactive)" until a plugin is selected
    QLabel* EMUName = nullptr;        // the selected emulator's name
    QLabel* Label4 = nullptr;         // "Directory:"
    QLineEdit* Text1 = nullptr;       // the emulator's folder for this launch
    QPushButton* Command1 = nullptr;  // "Save": writes Text1 into the plugin file
    // Emulator options
    QTabWidget* SSTab1 = nullptr;       // "Set Emulator Options"
    QListWidget* optionslist = nullptr; // the plugin's options; each row carries its switch
    QLabel* Label5 = nullptr;           // "Select the Options to Enable"
    QListWidget* List2 = nullptr;       // display modes; each row carries its switch
    QLabel* Label6 = nullptr;           // "Set a Frameskip:"
    QLineEdit* Text2 = nullptr;         // the frameskip value
    // Controller
    QLabel* play1pad = nullptr;        // picture of the chosen controller
    QScrollBar* Play1select = nullptr; // controller: 1 player 1 keys, 2 to 4 the 2, 4 and 6 button pads
    QPushButton* Play1keys = nullptr;  // "View Keys/Buttons"
    QPushButton* PLAY2Keys = nullptr;  // "View Player 2 Keys"
    // Actions
    QPushButton* SaveGPF = nullptr;  // "Save ROM Settings"
    QPushButton* Run = nullptr;      // "Run"
    QPushButton* QUIT = nullptr;     // "Quit"
    // Not shown
    std::vector<QPixmap> ImageList1;  // controller pictures, index 1..4 at [0..3]
    std::vector<QIcon> ImageList2;    // tree and list icons, index 1..12 at [0..11]

    // Menu items, by menu. A check mark is the item's on/off value.
    // Config
    QAction* SetPths = nullptr;      // "Set Paths": shows the Paths window
    QAction* dynROMs = nullptr;      // "Dynamic ROMs": scan the ROM folder at start (else static.dat)
    QAction* menshowfile = nullptr;  // "Show Filenames": the file list instead of the titles
    QAction* MenuShorten = nullptr;  // "Shorten Long Filenames" in the launch
    // Functions
    QAction* writerom = nullptr;  // "Write ROM Names": file names and titles into LONGROM.TXT
    QAction* zcon = nullptr;      // Reconfigure Keys > "ZSNES"
    QAction* EScon = nullptr;     // Reconfigure Keys > "ESNES"
    QAction* nlkcon = nullptr;    // Reconfigure Keys > "NLKE"
    QAction* snapass = nullptr;   // "Associate a Snapshot" with the selected ROM
    QAction* SPCJuke = nullptr;   // "SPC Jukebox"
    QAction* showall = nullptr;   // "Show All Files": the file list with the pattern *.*
    QAction* romLibrary = nullptr;  // "ROM Library..." (Ctrl+L)
    // Options: carried into the launch
    QAction* rundos = nullptr;    // "Run in DOS": MS-DOS mode instead of a DOS box
    QAction* runsnesk = nullptr;  // "Run SnesKey": the driver before the emulator
    QAction* runvesa = nullptr;   // "Run VESA First"
    QAction* ROMMame = nullptr;   // "Mame ROM": a ZIP is passed as it is, not unpacked
    // Emulators
    QAction* addnewwiz = nullptr;    // "Add New Emulator Wizard"
    QAction* emuplugedit = nullptr;  // "Emulator Plugin Editor"
    QAction* refplug = nullptr;      // "Refresh Plugins List"
    // SnesKey
    QAction* sneskconf = nullptr;  // "Configure": the SnesKey window
    QAction* sneskadv = nullptr;   // "Advanced Support": the profile's keys (else the manual mapping)
    QAction* nonadvcon = nullptr;  // "Non-advanced Config": the manual mapping, while Advanced is off
    // "Test After Running": checked, the launch runs SnesKey's test
    // (sneskey /x) too. Despite the name (and its settings key "NOtest"),
    // checked means the test is on.
    QAction* nostest = nullptr;
    // Cheats
    QAction* chtcode = nullptr;  // "Enter a Cheat Code"
    QAction* chten = nullptr;    // "Enable Cheat": the cheat goes into the launch
    // Help
    QAction* Aboutbox = nullptr;  // "About"
    QAction* tipstrt = nullptr;   // "Tips on Startup"
    QAction* viewhelp = nullptr;  // "View Help File"

    int selectedItem = 0;  // position (from 1) of the last clicked ListView1 entry

    // The window's make-up, built once by the constructor in keyboard order.
    void buildControls();
    QLayout* buildRomDirectoryRow();
    QLayout* buildRomLists();
    QLayout* buildEmulatorSide();
    QWidget* buildEmulatorFrame();
    QWidget* buildOptionsTab();
    QLayout* buildControllerRow();
    QLayout* buildActions();
    void buildMenus();
    void nameControls();  // every control's object name is its design name
    // Each subsystem wires its own controls' signals to its handlers.
    void connectRoms();
    void connectPlugins();
    void connectLaunch();
    void connectCheats();
    void connectKeyconfig();
    void connectKeys();
    void connectJukebox();
    void connectHelp();
    void connectLibrary();
    // The choices of the controls go to the selection as they change.
    void connectSelection();
    void takeChoicesFromLists();
    // Shows the selection's emulator directory, options and display modes.
    void showChoiceLists();
    bool showingChoices_ = false;  // the lists are being filled from the selection
};

} // namespace kivalto
