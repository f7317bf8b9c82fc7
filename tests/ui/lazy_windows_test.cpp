// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that build their controls when first shown or used: start-up
// leaves them unbuilt, and what they show when built is what they would
// have shown had they been built at load.
#include "fixture.h"

#include "jukebox/windows/Jukebox.h"
#include "keys/windows/keyview.h"
#include "plugins/plugin.h"
#include "plugins/windows/Editor.h"
#include "plugins/windows/addnew.h"
#include "roms/windows/chpath.h"

namespace kivalto {
namespace {

class LazyWindows : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\paths.dat", "C:\\ROMS\\\r\n");
        writeFile("C:\\KIVALTO\\presets.dat", "C:\\A\r\nC:\\B\r\n");
        writeFile("C:\\ROMS\\HOME.SMC", "x");
        writeFile("C:\\A\\ALPHA.SMC", "x");
        writeFile("C:\\B\\BETA.SMC", "x");
    }
};

TEST_F(LazyWindows, StartUpLeavesThemUnbuiltAndShowingBuildsThem)
{
    startup();
    const std::pair<LazyWindow*, const char*> windows[] = {
        {app.Editor, "Text1"},     {app.chpath, "Dir1"},    {app.Jukebox, "Picture1"},
        {app.keyview, "Label13"},  {app.addnew, "Command2"}};
    for (const auto& [window, control] : windows) {
        EXPECT_FALSE(window->isBuilt()) << window->objectName().toStdString();
        EXPECT_EQ(window->findChild<QWidget*>(control), nullptr);
        window->show();
        EXPECT_TRUE(window->isBuilt());
        EXPECT_NE(window->findChild<QWidget*>(control), nullptr) << control;
        window->hide();
    }
    // The load step read the presets even though the window was never built.
    EXPECT_EQ(app.chpath->presetCount(), 2);
}

TEST_F(LazyWindows, EditorBuiltLateShowsThePluginAsItIsThen)
{
    startup();
    app.selection.plugin().pluginName = "LATE";
    app.selection.plugin().emulatorName = "Late Emulator";
    app.selection.pluginChanged();
    app.Editor->show();
    EXPECT_EQ(ctl<QLineEdit>(*app.Editor, "Text1")->text(), "LATE");
    EXPECT_EQ(ctl<QLineEdit>(*app.Editor, "Text2")->text(), "Late Emulator");
}

TEST_F(LazyWindows, PresetsWindowBuiltLateStartsOnTheFolderOfItsLoad)
{
    startup();
    // The main window's Next steps through the presets of a window never shown.
    ctl<QPushButton>(main(), "nextpreset")->click();
    EXPECT_EQ(ctl<FileListBox>(main(), "File1")->Path(), "C:\\B");
    EXPECT_EQ(ctl<QLineEdit>(*app.chpath, "Text1")->text(), "2");
}

TEST_F(LazyWindows, PresetsWindowShownFirstIsOnTheLoadedRomFolder)
{
    startup();
    app.chpath->show();
    EXPECT_EQ(ctl<DirListBox>(*app.chpath, "Dir1")->Path(), "C:\\ROMS");
    EXPECT_EQ(ctl<QLineEdit>(*app.chpath, "Text1")->text(), "1");
}

} // namespace
} // namespace kivalto
