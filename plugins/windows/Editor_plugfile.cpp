// savePLUG and importPlug: the editor's plugin file routines.
#include "app/windows/Snesmain.h"
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
    const std::optional<std::string> data = app.fs.readAll(path);
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
    const PluginRead result = readPluginFile(*data, plugin);
    showPlugin();
    if (result == PluginRead::Incomplete)
        app.dialogs.ok("The Plugin you selected was not valid. Note that you cannot use plugins from version 2.",
                       app.title);
}

} // namespace kivalto
