// Huge settings files and a settings store that cannot be written, through
// the real start-up and menus.
#include "fixture.h"

#include "platform/textfield.h"
#include "platform/qt/qtplatform.h"
#include "roms/windows/chpath.h"
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
    startup();
    EXPECT_EQ(app.chpath->presetCount(), 32767);
    ASSERT_EQ(app.frmTip->tipRound.tips().size(), 1u);
    EXPECT_EQ(app.frmTip->tipRound.tips()[0].size(), kMaxFieldBytes);
    std::vector<std::string> notices;
    for (const auto& box : dialogs.boxes)
        if (box.text.find("is larger than Kivalto reads") != std::string::npos)
            notices.push_back(box.text.substr(0, box.text.find(" is larger")));
    EXPECT_EQ(notices, (std::vector<std::string>{"The file presets.dat", "The file TIPOFDAY.TXT"}));
}

TEST_F(HostileFiles, AnOptionTheStoreCannotKeepIsReported)
{
    startup();
    settings.failWrites = true;
    ctl<QAction>(main(), "dynROMs")->trigger();
    EXPECT_EQ(dialogs.lastText().rfind("The setting \"Dynamic ROMs\" could not be saved", 0), 0u) << dialogs.lastText();
    EXPECT_FALSE(QtSettingsStore("/dev/null/kivalto").save("kivalto", "Options", "NOtest", "0"));
}
