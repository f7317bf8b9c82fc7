// savePLUG and importPlug: the editor's plugin file routines.
#include "app/windows/Snesmain.h"
#include "platform/textfield.h"
#include "plugins/pluginfile.h"
#include "plugins/windows/Editor.h"

namespace kivalto {

void Editor::savePLUG()
{
    plugin.fileSpec = fileSpecToSave(plugin.fileSpec);
    plugin.defaultDir = withTrailingBackslash(plugin.defaultDir);
    showPlugin();
    // A bare name: the plugin always goes to the Kivalto directory, even
    // when it was imported from elsewhere.
    app.fs.writeWhole(pluginFileName(plugin.pluginName), writePluginFile(plugin));
}

void Editor::importPlug(const std::string& path)
{
    if (path.empty())
        return;
    // Checked before anything is emptied, so a vanished file costs nothing.
    const auto data = app.fs.readText(path, kMaxTextFileBytes);
    if (!data) {
        app.dialogs.ok("The Plugin file " + path + " could not be opened.", app.title);
        return;
    }
    plugin.options.clear();
    plugin.displayModes.clear();
    const std::optional<std::string> name = pluginNameFromPath(path);
    if (!name) {
        showPlugin();
        app.dialogs.ok("Error Code 1", app.title);
        app.dialogs.beep();
        return;
    }
    plugin.pluginName = *name;
    bool cut = false;
    const PluginRead result = readPluginFile(data->bytes, plugin, &cut);
    showPlugin();
    if (cut || data->cut)
        app.noticeOversize(path);
    if (result == PluginRead::Incomplete)
        app.dialogs.ok("The Plugin you selected was not valid. Note that you cannot use plugins from version 2.",
                       app.title);
}

} // namespace kivalto
