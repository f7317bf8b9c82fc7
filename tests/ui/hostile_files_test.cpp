// SPDX-License-Identifier: GPL-3.0-or-later
// Huge settings files and a settings store that cannot be written, through
// the real start-up and menus.
#include "fixture.h"

#include "platform/textfield.h"
#include "platform/qt/qtplatform.h"
#include "roms/windows/chpath.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/frmTip.h"

using namespace kivalto;
using HostileFiles = test::KivaltoTest;

TEST_F(HostileFiles, StartUpReadsTheFirstPartOfHugeFilesAndSaysSoOnce)
{
    std::string emptyLines;
    for (int i = 0; i < 1024 * 1024; ++i)
        emptyLines += "\r\n";
    writeFile("C:\\KIVALTO\\presets.dat", emptyLines);
    writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", std::string(2 * 1024 * 1024, 'x'));
    writeFile("C:\\KIVALTO\\BIG.XPL", std::string(2 * 1024 * 1024, 'x'));
    writeFile("C:\\KIVALTO\\SnesKey.dat", emptyLines);
    std::string codes;
    for (int i = 0; i < 94; ++i)
        codes += "30\r\n";
    writeFile("C:\\KIVALTO\\lookup.dat", codes + emptyLines);
    startup();
    EXPECT_EQ(app.chpath->presetCount(), 32767);
    ASSERT_EQ(app.frmTip->tips().size(), 1u);
    EXPECT_EQ(app.frmTip->tips()[0].size(), kMaxFieldBytes);
    // Shown together once the main window is up, each file once.
    EXPECT_TRUE(dialogs.boxes.empty());
    std::vector<std::string> notices;
    const std::string shown = app.errorfrm->text();
    for (std::size_t at = shown.find("The file "); at != std::string::npos; at = shown.find("The file ", at + 1))
        notices.push_back(shown.substr(at, shown.find(" is larger", at) - at));
    EXPECT_EQ(notices, (std::vector<std::string>{"The file BIG.XPL", "The file presets.dat", "The file lookup.dat",
                                                 "The file SnesKey.dat", "The file TIPOFDAY.TXT"}));
}

TEST_F(HostileFiles, AnOptionTheStoreCannotKeepIsReported)
{
    startup();
    settings.failWrites = true;
    ctl<QAction>(main(), "dynROMs")->trigger();
    EXPECT_EQ(dialogs.lastText().rfind("The setting \"Dynamic ROMs\" could not be saved", 0), 0u) << dialogs.lastText();
    EXPECT_FALSE(QtSettingsStore("/dev/null/kivalto").save("kivalto", "Options", "NOtest", "0"));
}
