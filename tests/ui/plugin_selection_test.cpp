// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"
#include "app/windows/pictures.h"

#include "launch/windows/chtcodefrm.h"
#include "plugins/pluginfile.h"
#include "plugins/windows/Editor.h"
#include "roms/windows/romcataloguemodel.h"
#include "ui/windows/errorfrm.h"

#include <QComboBox>
#include <QLineEdit>

using namespace kivalto;

namespace {

const char* const kInvalid = "The Plugin you selected was not valid. Note that you cannot use plugins from version 2.";

class PluginSelection : public test::KivaltoTest {
protected:
    static EmulatorPlugin plugin(const std::string& name, const std::string& masks, const std::string& frameskip = "")
    {
        EmulatorPlugin p;
        p.emulatorName = name + " v1";
        p.fileSpec = masks;
        p.frameskipSwitch = frameskip;
        p.defaultDir = "C:\\" + name + "\\";
        p.exeName = name + ".EXE";
        return p;
    }
    void install(const std::string& file, const EmulatorPlugin& p) { writeFile("C:\\KIVALTO\\" + file, writePluginFile(p)); }
    void select(const std::string& file)
    {
        ctl<FileListBox>(main(), "Plugins")->setFileName(file);
        ctl<FileListBox>(main(), "Plugins")->setPattern("*.XPL");
    }
    QTreeWidgetItem* root(const std::string& key)
    {
        for (int i = 0; i < ctl<QTreeWidget>(main(), "TreeView1")->topLevelItemCount(); ++i)
            if (ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i)->data(0, Qt::UserRole).toString().toStdString() == key)
                return ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i);
        return nullptr;
    }
    std::vector<std::string> children(const std::string& key)
    {
        std::vector<std::string> out;
        QTreeWidgetItem* r = root(key);
        for (int i = 0; r && i < r->childCount(); ++i)
            out.push_back(r->child(i)->data(0, Qt::UserRole).toString().toStdString() + "|" +
                          r->child(i)->text(0).toStdString());
        return out;
    }
    std::vector<std::string> texts(QListWidget* list, int role = Qt::DisplayRole)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->data(role).toString().toStdString());
        return out;
    }
    EmulatorPlugin& loaded() { return app.selection.plugin(); }
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(PluginSelection, NoPluginsShowsErrorAndOnlySystemNodes)
{
    startup();
    ASSERT_EQ(ctl<QTreeWidget>(main(), "TreeView1")->topLevelItemCount(), 8);
    // Windows loaded later in the start-up may report into the same window:
    // run the main window's load step again to see its own report.
    app.errorfrm->hide();
    main().Form_Load();
    EXPECT_EQ(app.errorfrm->text(),
              "You have no plugins (XPL files) in the Kivalto directory, you can therefore use no emulators. If you are "
              "running Kivalto from a shortcut ensure that the correct Kivalto path is specified in PROPERTIES>START "
              "IN. The Kivalto directory is currently set to C:\\KIVALTO");
    EXPECT_FALSE(app.errorfrm->isHidden());
    ASSERT_EQ(ctl<QTreeWidget>(main(), "TreeView1")->topLevelItemCount(), 8);
    Texts captions;
    for (int i = 0; i < 8; ++i) {
        captions.push_back(ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i)->text(0).toStdString());
        EXPECT_EQ(ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i)->childCount(), 0);
    }
    EXPECT_EQ(captions, (Texts{"SNES", "NES", "GAMEBOY", "MEGA DRIVE", "MASTER SYSTEM", "GAME GEAR", "PC ENGINE",
                               "OTHER"}));
    EXPECT_EQ(root("MEGA")->text(0).toStdString(), "MEGA DRIVE");
    EXPECT_FALSE(ctl<QPushButton>(main(), "Run")->isEnabled());
    EXPECT_EQ(ctl<QGroupBox>(main(), "Frame1")->title().toStdString(), "Current Emulator (Inactive)");
}

TEST_F(PluginSelection, TreeFilesPluginsUnderTheirSystems)
{
    install("BOTH.XPL", plugin("BOTH", "*.nes;*.smc;*.zip"));
    install("GENS.XPL", plugin("GENS", "*.smd;*.bin;*.zip;*.1;*.GZ"));
    install("ANY.XPL", plugin("ANY", "*.*"));
    writeFile("C:\\KIVALTO\\EMPTY.XPL", "");
    startup();
    EXPECT_EQ(children("SNES"), Texts{"BOTH.XPLSNES|BOTH"});
    EXPECT_EQ(children("NES"), Texts{"BOTH.XPLNES|BOTH"});
    EXPECT_EQ(children("MEGA"), Texts{"GENS.XPLMEGA|GENS"});
    EXPECT_EQ(children("OTHER"), (Texts{"ANY.XPLOTHER|ANY", "EMPTY.XPLOTHER|EMPTY"}));
    EXPECT_TRUE(children("GAMEBOY").empty());
    EXPECT_EQ(root("MEGA")->icon(0).cacheKey(), main().image2(6).cacheKey());
    EXPECT_EQ(root("OTHER")->icon(0).cacheKey(), main().image2(2).cacheKey());
    EXPECT_EQ(root("MEGA")->child(0)->icon(0).cacheKey(), main().image2(3).cacheKey());
    // Start-up highlights the first plugin and previews it only.
    EXPECT_EQ(ctl<QLabel>(main(), "EMUName")->text().toStdString(), "ANY v1");
    EXPECT_FALSE(ctl<QPushButton>(main(), "Run")->isEnabled());

    // An unreadable plugin previews as its file name.
    ctl<FileListBox>(main(), "Plugins")->setListIndex(2);
    EXPECT_EQ(ctl<QLabel>(main(), "EMUName")->text().toStdString(), "EMPTY.XPL");
}

TEST_F(PluginSelection, TreeClickSelectsThePluginAndListsAllAgain)
{
    install("ZSNES.XPL", plugin("ZSNES", "*.SMC;*.SFC"));
    install("GENS.XPL", plugin("GENS", "*.smd"));
    startup();
    clickTreeNode(root("SNES"));  // a system node does nothing
    EXPECT_FALSE(ctl<QPushButton>(main(), "Run")->isEnabled());

    QTreeWidgetItem* node = root("SNES")->child(0);
    EXPECT_EQ(node->data(0, Qt::AccessibleTextRole).toString().toStdString(), "ZSNES");
    clickTreeNode(node);
    EXPECT_EQ(loaded().pluginName, "ZSNES");
    EXPECT_EQ(ctl<QLabel>(main(), "EMUName")->text().toStdString(), "ZSNES v1");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Text1")->text().toStdString(), "C:\\ZSNES\\");
    EXPECT_TRUE(ctl<QPushButton>(main(), "Run")->isEnabled());
    EXPECT_TRUE(ctl<QPushButton>(main(), "SaveGPF")->isEnabled());
    EXPECT_TRUE(ctl<QPushButton>(main(), "Command1")->isEnabled());
    EXPECT_EQ(ctl<QGroupBox>(main(), "Frame1")->title().toStdString(), "Current Emulator");
    EXPECT_EQ(ctl<FileListBox>(main(), "Plugins")->Pattern(), "*.xpl");
    EXPECT_EQ(ctl<FileListBox>(main(), "Plugins")->ListCount(), 2);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.SMC;*.SFC");
    EXPECT_TRUE(app.Editor->isHidden());

    // A plugin deleted after the tree was built is ignored.
    std::filesystem::remove(host("C:\\KIVALTO\\GENS.XPL"));
    clickTreeNode(root("MEGA")->child(0));
    EXPECT_EQ(loaded().pluginName, "ZSNES");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PluginSelection, SplitsOptionsAndCheatsKeepingEachSwitch)
{
    EmulatorPlugin p = plugin("NLKE", "*.SMC");
    p.options = {{"Sound", "-s"}, {"#Pro Action Replay", "-par"}, {"Stereo", "-st"}, {"", "-e"}};
    p.displayModes = {{"320x240X", "-m1"}, {"640x480", "-m2"}};
    install("NLKE.XPL", p);
    startup();
    ctl<QLineEdit>(*app.chtcodefrm, "Text1")->setText("7E0BCF28");
    ctl<QComboBox>(*app.chtcodefrm, "Combo1")->setEditText("-old");
    select("NLKE.XPL");

    EXPECT_EQ(texts(ctl<QListWidget>(main(), "optionslist")), (Texts{"Sound", "Stereo", ""}));
    EXPECT_EQ(texts(ctl<QListWidget>(main(), "optionslist"), Qt::UserRole), (Texts{"-s", "-st", "-e"}));
    EXPECT_EQ(texts(ctl<QListWidget>(main(), "List2")), (Texts{"320x240X", "640x480"}));
    EXPECT_EQ(texts(ctl<QListWidget>(main(), "List2"), Qt::UserRole), (Texts{"-m1", "-m2"}));
    auto* cheatTypes = ctl<QComboBox>(*app.chtcodefrm, "Combo1");
    ASSERT_EQ(cheatTypes->count(), 1);
    EXPECT_EQ(cheatTypes->itemText(0).toStdString(), "Pro Action Replay");
    EXPECT_EQ(cheatTypes->currentText().toStdString(), "");
    EXPECT_EQ(ctl<QLineEdit>(*app.chtcodefrm, "Text1")->text().toStdString(), "7E0BCF28");

    // Another selection replaces the lists rather than adding to them.
    select("NLKE.XPL");
    EXPECT_EQ(ctl<QListWidget>(main(), "optionslist")->count(), 3);
    ASSERT_EQ(cheatTypes->count(), 1);
    // The picked type's switch is the one the plugin gave it.
    cheatTypes->setCurrentIndex(0);
    emit cheatTypes->activated(0);
    ctl<QPushButton>(*app.chtcodefrm, "Command1")->click();  // "Done"
    EXPECT_EQ(cheatTypes->currentText().toStdString(), "-par");
}

TEST_F(PluginSelection, RescansOnlyWhenThePatternChanges)
{
    install("GENS.XPL", plugin("GENS", "*.smd;*.bin"));
    startup();
    int scans = 0;
    QObject::connect(&main().catalogue(), &QAbstractItemModel::modelReset, [&] { ++scans; });
    select("GENS.XPL");
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.smd;*.bin");
    select("GENS.XPL");
    EXPECT_EQ(scans, 1);

    // The command-line start suppresses one rescan and pattern change.
    ctl<FileListBox>(main(), "File1")->setPattern("*.*");
    app.selection.commandLineStart = true;
    select("GENS.XPL");
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.*");
    EXPECT_FALSE(app.selection.commandLineStart);
    EXPECT_TRUE(ctl<QPushButton>(main(), "Run")->isEnabled());
    select("GENS.XPL");
    EXPECT_EQ(scans, 2);
}

TEST_F(PluginSelection, FrameskipBoxFollowsThePlugin)
{
    install("PLAIN.XPL", plugin("PLAIN", "*.SMC"));
    install("SKIP.XPL", plugin("SKIP", "*.SMC", "-F n"));
    startup();
    select("PLAIN.XPL");
    EXPECT_TRUE(ctl<QLineEdit>(main(), "Text2")->isHidden());
    EXPECT_TRUE(ctl<QLabel>(main(), "Label6")->isHidden());
    select("SKIP.XPL");
    EXPECT_FALSE(ctl<QLineEdit>(main(), "Text2")->isHidden());
    EXPECT_FALSE(ctl<QLabel>(main(), "Label6")->isHidden());
}

TEST_F(PluginSelection, InvalidPluginStillFillsTheWindowFromWhatWasRead)
{
    // Header and options but no ENDOPTS: the older layout.
    writeFile("C:\\KIVALTO\\OLD.XPL", "Old Emu\r\n*.nes\r\n\r\nC:\\OLD\\\r\n\r\nOLD.EXE\r\nTurbo\r\n-t\r\n");
    startup();
    select("OLD.XPL");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, kInvalid);
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, Icon::None);
    EXPECT_EQ(loaded().pluginName, "OLD");
    EXPECT_EQ(texts(ctl<QListWidget>(main(), "optionslist")), Texts{"Turbo"});
    EXPECT_EQ(ctl<QLabel>(main(), "EMUName")->text().toStdString(), "Old Emu");
    EXPECT_TRUE(ctl<QPushButton>(main(), "Run")->isEnabled());
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Pattern(), "*.nes");
}

TEST_F(PluginSelection, DirectorySaveWritesThePluginWithBackslash)
{
    EmulatorPlugin p = plugin("ZSNES", "*.SMC");
    p.options = {{"Sound", "-s"}};
    install("ZSNES.XPL", p);
    startup();
    select("ZSNES.XPL");
    ctl<QLineEdit>(main(), "Text1")->setText("C:\\EMU\\ZSNES");
    ctl<QPushButton>(main(), "Command1")->click();  // "Save": the directory into the plugin file
    EXPECT_EQ(dialogs.lastText(), "The new directory has been saved.");
    EXPECT_EQ(loaded().defaultDir, "C:\\EMU\\ZSNES\\");
    EXPECT_EQ(ctl<QLineEdit>(main(), "Text1")->text().toStdString(), "C:\\EMU\\ZSNES");
    p.defaultDir = "C:\\EMU\\ZSNES\\";
    for (auto& row : p.keys.cells)
        row.fill("");  // unset keys were read back empty
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), writePluginFile(p));
}

TEST_F(PluginSelection, DirectorySaveReportsAFileThatCannotBeWritten)
{
    install("ZSNES.XPL", plugin("ZSNES", "*.SMC"));
    startup();
    select("ZSNES.XPL");
    // The plugin's place is taken by a folder with content: the rename fails.
    std::filesystem::remove(host("C:\\KIVALTO\\ZSNES.XPL"));
    writeFile("C:\\KIVALTO\\ZSNES.XPL\\KEEP.TXT", "keep");
    ctl<QLineEdit>(main(), "Text1")->setText("C:\\NEW\\");
    ctl<QPushButton>(main(), "Command1")->click();  // "Save"
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text.rfind("The new directory could not be saved to the plugin file ZSNES.XPL, which "
                                          "is left as it was: ",
                                          0),
              0u);
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL\\KEEP.TXT"), "keep");
}

TEST_F(PluginSelection, EditorMenuMakesTheEmulatorInactive)
{
    install("ZSNES.XPL", plugin("ZSNES", "*.SMC"));
    startup();
    select("ZSNES.XPL");
    ctl<QAction>(main(), "emuplugedit")->trigger();
    EXPECT_FALSE(ctl<QPushButton>(main(), "Run")->isEnabled());
    EXPECT_FALSE(ctl<QPushButton>(main(), "SaveGPF")->isEnabled());
    EXPECT_FALSE(ctl<QPushButton>(main(), "Command1")->isEnabled());
    EXPECT_EQ(ctl<QGroupBox>(main(), "Frame1")->title().toStdString(), "Current Emulator (Inactive)");
    EXPECT_NE(ctl<QGroupBox>(main(), "Frame1")->styleSheet().indexOf("#800000"), -1);
    EXPECT_FALSE(app.Editor->isHidden());
    app.Editor->hide();
    EXPECT_FALSE(ctl<QPushButton>(main(), "Run")->isEnabled());
}

TEST_F(PluginSelection, RefreshFromTheMenuListsNewAndDeletedPluginsButKeepsTheTree)
{
    install("GONE.XPL", plugin("GONE", "*.SMC"));
    startup();
    install("LATE.XPL", plugin("LATE", "*.SMC"));
    std::filesystem::remove(host("C:\\KIVALTO\\GONE.XPL"));
    ctl<QAction>(main(), "refplug")->trigger();
    ASSERT_EQ(ctl<FileListBox>(main(), "Plugins")->ListCount(), 1);
    EXPECT_EQ(ctl<FileListBox>(main(), "Plugins")->List(0), "LATE.XPL");
    EXPECT_EQ(children("SNES").size(), 1u);
}

TEST_F(PluginSelection, ControllerPictureFollowsTheSelector)
{
    startup();
    for (int value : {1, 4, 2}) {
        ctl<QScrollBar>(main(), "Play1select")->setValue(value);
        EXPECT_EQ(ctl<QLabel>(main(), "play1pad")->pixmap().toImage(), makePadPictures()[static_cast<std::size_t>(value - 1)].toImage());
    }
}
