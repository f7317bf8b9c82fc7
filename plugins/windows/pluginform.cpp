// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/windows/pluginform.h"

#include "app/windows/App.h"
#include "platform/dosfs.h"
#include "plugins/pluginchecks.h"

#include <QComboBox>
#include <QLineEdit>

namespace kivalto {

QComboBox* makeFileSpecCombo(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems({"NES", "SNES", "MASTER SYSTEM", "MEGA DRIVE", "GAME GEAR", "GAMEBOY", "PC ENGINE"});
    box->setEditText("*.*");
    // An editable box would be read out by its text; it and its text field
    // are named for what they hold.
    box->setAccessibleName("FileSpec");
    box->lineEdit()->setAccessibleName("FileSpec");
    return box;
}

// Saving tells the selection that the plugin changed (a system name becomes
// its masks, the directory gains its '\'), so the editor shows the result.
bool saveCheckedPlugin(App& app)
{
    const EmulatorPlugin& plugin = app.selection.plugin();
    const std::string warning = unreadableValuesWarning(findUnreadableValues(plugin));
    if (!warning.empty() &&
        app.dialogs.messageBox({warning, app.title, Buttons::OkCancel, Icon::Exclamation, 2}) != Answer::Ok)
        return false;
    try {
        app.savePLUG();
    } catch (const FileError& e) {
        app.dialogs.ok("The plugin " + plugin.pluginName + ".XPL could not be saved: " + e.what() +
                       " Any earlier file of that name is unchanged.");
        return false;
    }
    return true;
}

} // namespace kivalto
