// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "plugins/pluginfile.h"

using namespace kivalto;

namespace {

class PluginFileWindow : public test::KivaltoTest {
protected:
    void SetUp() override { startup(); }
    EmulatorPlugin& plugin() { return app.selection.plugin(); }
    void import(const std::string& path)
    {
        app.importPlug(path);
    }
};

} // namespace

TEST_F(PluginFileWindow, ImportFromElsewhereThenSaveIntoKivaltoFolder)
{
    EmulatorPlugin p;
    p.emulatorName = "ZSNES v1.36";
    p.fileSpec = "*.SMC";
    p.defaultDir = "C:\\ZSNES";
    p.options = {{"Sound", "-s"}};
    const std::string original = writePluginFile(p);
    writeFile("C:\\DOWNLOAD\\zsnes.xpl", original);
    plugin().options = {{"Stale", "-x"}};

    import("C:\\DOWNLOAD\\zsnes.xpl");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(plugin().pluginName, "ZSNES");
    ASSERT_EQ(plugin().options.size(), 1u);
    EXPECT_EQ(plugin().options[0].name, "Sound");

    app.savePLUG();
    EXPECT_EQ(plugin().defaultDir, "C:\\ZSNES\\");
    p.defaultDir = "C:\\ZSNES\\";
    for (auto& row : p.keys.cells)
        row.fill("");  // unset keys were read back empty
    EXPECT_EQ(readFile("C:\\KIVALTO\\ZSNES.XPL"), writePluginFile(p));
    EXPECT_EQ(readFile("C:\\DOWNLOAD\\zsnes.xpl"), original);
}

TEST_F(PluginFileWindow, SaveReplacesASystemNameByItsMasks)
{
    plugin() = EmulatorPlugin{};
    plugin().pluginName = "GENS";
    plugin().fileSpec = "MEGA DRIVE";
    app.savePLUG();
    EXPECT_EQ(plugin().fileSpec, "*.smd;*.bin;*.zip;*.1;*.GZ");
    const std::string text = readFile("C:\\KIVALTO\\GENS.XPL");
    EXPECT_EQ(text.substr(0, text.find("ENDOPTS")), "\r\n*.smd;*.bin;*.zip;*.1;*.GZ\r\n\r\n\\\r\n\r\n\r\n");

    plugin().fileSpec = "mega drive";
    app.savePLUG();
    EXPECT_EQ(readFile("C:\\KIVALTO\\GENS.XPL").substr(0, 14), "\r\nmega drive\r\n");
}

TEST_F(PluginFileWindow, FailedSaveReachesTheCaller)
{
    plugin().pluginName = "MISSING\\X";
    EXPECT_THROW(app.savePLUG(), FileError);
}

TEST_F(PluginFileWindow, ImportMessages)
{
    import("");
    EXPECT_TRUE(dialogs.boxes.empty());

    // Header only: the version 2 message, the header is kept.
    writeFile("C:\\KIVALTO\\HALF.XPL", "Half\r\n*.gb\r\n");
    plugin().options = {{"Stale", "-x"}};
    import("half.xpl");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "The Plugin you selected was not valid. Note that you cannot use plugins from version 2.");
    EXPECT_EQ(plugin().pluginName, "HALF");
    EXPECT_EQ(plugin().fileSpec, "*.gb");
    EXPECT_TRUE(plugin().options.empty());

    // 100 backslashes: "Error Code 1" and a beep; the lists are emptied, the
    // rest is left.
    plugin().options = {{"Stale", "-x"}};
    std::string deep = "C:\\KIVALTO";
    for (int i = 0; i < 98; ++i)
        deep += "\\.";
    import(deep + "\\HALF.XPL");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "Error Code 1");
    EXPECT_EQ(dialogs.boxes[1].title, "Kivalto");
    EXPECT_EQ(dialogs.boxes[1].icon, Icon::None);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(plugin().options.empty());
    EXPECT_EQ(plugin().pluginName, "HALF");

    // A missing file is reported and changes nothing.
    plugin().options = {{"Kept", "-k"}};
    import("C:\\NOWHERE\\A.XPL");
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[2].text, "The Plugin file C:\\NOWHERE\\A.XPL could not be opened.");
    EXPECT_EQ(plugin().options.size(), 1u);
}
