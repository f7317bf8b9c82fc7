// SPDX-License-Identifier: GPL-3.0-or-later
// Main window handlers of the plugin catalogue: the plugin list and its
// preview, the system tree, selecting the current emulator, the directory
// Save button, opening the editor and the player 1 controller picture.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"
#include "platform/textfield.h"
#include "plugins/catalogue.h"
#include "plugins/pluginfile.h"
#include "plugins/windows/Editor.h"
#include "plugins/windows/addnew.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <functional>

namespace kivalto {

namespace {

constexpr int kKeyRole = Qt::UserRole;

QTreeWidgetItem* treeNode(const std::string& key, const std::string& caption, const QIcon& icon)
{
    auto* node = new QTreeWidgetItem;
    node->setText(0, qs(caption));
    node->setIcon(0, icon);
    node->setData(0, kKeyRole, qs(key));
    node->setData(0, Qt::AccessibleTextRole, qs(caption));
    return node;
}

std::string nodeKey(const QTreeWidgetItem* node) { return bytes(node->data(0, kKeyRole).toString()); }

// Enter on a list or tree does what a double-click or click does there.
void onEnter(QWidget* widget, QObject* receiver, const std::function<void()>& action)
{
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), widget, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, receiver, action);
    }
}

} // namespace

void Snesmain::connectPlugins()
{
    connect(Plugins, &FileListBox::Click, this, &Snesmain::Plugins_Click);
    connect(Plugins, &FileListBox::DblClick, this, &Snesmain::Plugins_DblClick);
    onEnter(Plugins, this, [this] {
        const int row = Plugins->currentIndex().row();
        if (row < 0)
            return;
        if (row != Plugins->ListIndex())
            Plugins->setListIndex(row);
        Plugins_DblClick();
    });
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    onEnter(TreeView1, this, [this] { TreeView1_NodeClick(TreeView1->currentItem()); });
    connect(addnewwiz, &QAction::triggered, this, &Snesmain::addnewwiz_Click);
    connect(refplug, &QAction::triggered, this, &Snesmain::refplug_Click);
    connect(emuplugedit, &QAction::triggered, this, &Snesmain::emuplugedit_Click);
    connect(Command1, &QPushButton::clicked, this, &Snesmain::Command1_Click);
    connect(Play1select, &QScrollBar::valueChanged, this, &Snesmain::Play1select_Change);
}

void Snesmain::buildPluginCatalogue()
{
    setEmulatorActive(false);
    if (Plugins->ListCount() == 0)
        app.showError("You have no plugins (XPL files) in the Kivalto directory, you can therefore use no emulators. "
                      "If you are running Kivalto from a shortcut ensure that the correct Kivalto path is specified "
                      "in PROPERTIES>START IN. The Kivalto directory is currently set to " +
                      app.fs.currentDir());
    else
        Plugins->setListIndex(0);

    TreeView1->clear();
    std::vector<QTreeWidgetItem*> roots;
    for (const SystemKind& kind : kSystemKinds) {
        roots.push_back(treeNode(kind.treeKey, kind.displayText, image2(kind.image)));
        TreeView1->addTopLevelItem(roots.back());
    }
    for (int i = 0; i < Plugins->ListCount(); ++i) {
        const std::string file = Plugins->List(i);
        const auto data = app.fs.readText(joinDos(app.fs.currentDir(), file), kMaxTextFileBytes);
        if (data && data->cut)
            app.noticeOversize(file);
        // An unreadable file, or one without ROM masks, matches no system.
        const std::string masks = data ? fileSpecField(data->bytes).value_or("") : "";
        for (std::size_t system : systemsForFileSpec(masks))
            roots[system]->addChild(treeNode(pluginNodeKey(file, kSystemKinds[system]), pluginNodeCaption(file),
                                             image2(kPluginNodeImage)));
    }
}

std::vector<std::string> Snesmain::pluginsFiledUnder(std::size_t systemKind) const
{
    std::vector<std::string> files;
    const QTreeWidgetItem* root = TreeView1->topLevelItem(static_cast<int>(systemKind));
    for (int i = 0; root && i < root->childCount(); ++i) {
        const std::string file = fileNameOfNodeKey(nodeKey(root->child(i)), nodeKey(root));
        if (!file.empty())
            files.push_back(file);
    }
    return files;
}

void Snesmain::Plugins_Click()
{
    const std::string file = Plugins->FileName();
    // Only the name is shown here; a file cut at the limits is reported
    // when the plugin is loaded.
    const auto data = app.fs.readText(file, kMaxTextFileBytes);
    const auto name = data ? emulatorNameField(data->bytes) : std::nullopt;
    EMUName->setText(qs(name.value_or(file)));
}

void Snesmain::Plugins_DblClick()
{
    setEmulatorActive(true);
    app.importPlug(Plugins->FileName());
    const EmulatorPlugin& plugin = app.selection.plugin();

    app.selection.takeChoicesFromPlugin();
    showChoiceLists();
    emit cheatTypesChosen(splitOptions(plugin.options).cheats);
    EMUName->setText(qs(plugin.emulatorName));
    Text2->setVisible(!plugin.frameskipSwitch.empty());
    Label6->setVisible(!plugin.frameskipSwitch.empty());

    if (app.selection.commandLineStart) {
        app.selection.commandLineStart = false;
        return;
    }
    if (File1->Pattern() != plugin.fileSpec) {
        File1->setPattern(plugin.fileSpec);
        if (!app.selection.rescanAfterLaunch)
            rescanTitles();
    }
}

void Snesmain::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    if (!node || !node->parent())
        return;
    try {
        const std::string file = fileNameOfNodeKey(nodeKey(node), nodeKey(node->parent()));
        // The tree is built once; a plugin deleted since then is ignored.
        if (file.empty() || !app.fs.fileExists(joinDos(Plugins->Path(), file)))
            return;
        Plugins->setFileName(file);
        Plugins->setPattern("*.xpl");
    } catch (const std::exception&) {
        // A failed selection leaves the tree as it is.
    }
}

void Snesmain::addnewwiz_Click() { app.addnew->start(); }

void Snesmain::refplug_Click() { Plugins->Refresh(); }

void Snesmain::emuplugedit_Click()
{
    setEmulatorActive(false);
    showInFront(app.Editor);
}

void Snesmain::Command1_Click()
{
    EmulatorPlugin& plugin = app.selection.plugin();
    plugin.defaultDir = app.selection.choices.emulatorDir;
    try {
        app.savePLUG();
    } catch (const FileError& e) {
        app.dialogs.ok("The new directory could not be saved to the plugin file " +
                           pluginFileName(plugin.pluginName) + ", which is left as it was: " + e.what(),
                       app.title);
        return;
    }
    app.dialogs.ok("The new directory has been saved.", app.title);
}

void Snesmain::Play1select_Change()
{
    const auto index = static_cast<std::size_t>(Play1select->value() - 1);
    if (index < ImageList1.size())
        play1pad->setPixmap(ImageList1[index]);
}

void Snesmain::setEmulatorActive(bool active)
{
    for (QWidget* w : {static_cast<QWidget*>(Run), static_cast<QWidget*>(SaveGPF), static_cast<QWidget*>(Command1)})
        w->setEnabled(active);
    Frame1->setTitle(active ? "Current Emulator" : "Current Emulator (Inactive)");
    // "&H00000000" black when active, "&H00000080" dark red when not. A
    // style sheet costs a restyle of the frame even when it is the same, and
    // a command-line start selects its plugin twice.
    const QString sheet = active ? "QGroupBox::title { color: #000000; }" : "QGroupBox::title { color: #800000; }";
    if (Frame1->styleSheet() != sheet)
        Frame1->setStyleSheet(sheet);
}

} // namespace kivalto
