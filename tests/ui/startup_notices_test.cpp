// SPDX-License-Identifier: GPL-3.0-or-later
// Notices found while starting wait in the error window: a command-line
// start reaches its launch with no one pressing OK, and each notice is
// shown once the main window is up.
#include "fixture.h"

#include "app/windows/Splash.h"
#include "keys/keyreconfig.h"
#include "platform/textfield.h"
#include "roms/romcatalogue.h"
#include "ui/windows/errorfrm.h"

#include <cstdio>
#include <functional>

using namespace kivalto;
using test::crlf;

namespace {

std::string plugin(const std::string& name)
{
    std::string keys;
    for (int i = 0; i < 65; ++i)
        keys += "\r\n";
    return crlf({name, "*.SMC;*.ZIP", "-f n", "C:\\EMU\\TEST\\", "-fixed", "TEST.EXE", "ENDOPTS", "ENDDISP"}) + keys;
}

// Past the 1 MiB a text file is read to; one line, as a stranger's file may be.
const std::string kHuge(kMaxTextFileBytes + 100, 'x');

class WaitingNotices : public test::KivaltoTest {
protected:
    // A Kivalto folder whose command line names a ROM with saved settings.
    void prepare()
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "KIVALTO");
        writeFile("C:\\KIVALTO\\TEST.XPL", plugin("Test Emulator"));
        writeFile("C:\\KIVALTO\\paths.dat", paths);
        writeFile("C:\\KIVALTO\\sneswin.pit", "program=snesexec.bat\r\n");
        writeFile("C:\\KIVALTO\\snesdos.pit", "program=snesexec.bat\r\n");
        std::string codes;
        for (int i = 0; i < 94; ++i)
            codes += "30\r\n";
        writeFile("C:\\KIVALTO\\lookup.dat", codes);
        const std::string gpf = crlf({"TEST.XPL", "False", "False", "False", "False", " 1 ", "False", "False", "False",
                                      "", "", "", "False", "False"});
        writeFile("C:\\GPF\\MARIO.GPF", gpf);
        writeFile("C:\\ROMS\\MARIO.GPF", gpf);
        writeFile("C:\\ROMS\\MARIO.SMC", std::string(70000, '\0'));
        app.commandLine = "C:\\ROMS\\MARIO.SMC";
    }
    // The executable's start: program folder, entry routine, splash timer.
    void start(const ProgramFolder& folder, const std::optional<std::string>& programDos)
    {
        prepareProgramFolder(app, folder, programDos);
        entryRoutine(app);
        waitForStartupLoad();
    }
    void reset()
    {
        destroyWindows(app);
        dialogs.boxes.clear();
        process.calls.clear();
        settings = MemorySettingsStore();
    }
    std::string errorText() const { return app.errorfrm->text(); }

    const std::string paths =
        crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "C:\\UNZIP\\", "", "C:\\SNESKEY\\", "C:\\GPF\\"});
    const ProgramFolder here{root / "KIVALTO", ""};
};

} // namespace

TEST_F(WaitingNotices, ACommandLineStartLaunchesWhileEachNoticeWaitsInTheErrorWindow)
{
    struct Case {
        const char* notice;  // how the notice begins
        std::function<void()> arrange;
        ProgramFolder folder;
        std::optional<std::string> programDos = "C:\\KIVALTO";
    };
    const Case cases[] = {
        {"The file paths.dat is larger than Kivalto reads",
         [&] { writeFile("C:\\KIVALTO\\paths.dat", paths + kHuge); }, here},
        {"The paths file paths.dat could not be written in C:\\KIVALTO: C:\\KIVALTO\\paths.dat is a folder.",
         [&] {
             std::filesystem::remove(host("C:\\KIVALTO\\paths.dat"));
             makeFolder("C:\\KIVALTO\\paths.dat");
         },
         here},
        {"The launch template sneswin.pit could not be copied",
         [&] { std::filesystem::remove(host("C:\\KIVALTO\\sneswin.pit")); }, here},
        {"The per-user folder could not be made. Kivalto runs from", [] {},
         ProgramFolder{root / "KIVALTO", "The per-user folder could not be made."}},
        {"The Kivalto directory", [] {}, here, std::nullopt},
        {"The file presets.dat is larger", [&] { writeFile("C:\\KIVALTO\\presets.dat", kHuge); }, here},
        {"The file TIPOFDAY.TXT is larger", [&] { writeFile("C:\\KIVALTO\\TIPOFDAY.TXT", kHuge); }, here},
        {"The file BIG.XPL is larger", [&] { writeFile("C:\\KIVALTO\\BIG.XPL", kHuge); }, here},
        {"The file SnesKey.dat is larger",
         [&] { writeFile("C:\\KIVALTO\\SnesKey.dat", "PAD\r\nFalse\r\n 0 \r\n0\r\n" + kHuge); }, here},
        {"The file PAD.SKP is larger",
         [&] {
             writeFile("C:\\KIVALTO\\SnesKey.dat", "PAD\r\nFalse\r\n 0 \r\n0\r\n");
             writeFile("C:\\KIVALTO\\PAD.SKP", "BUTS\r\nFire\r\nDONEBUTS\r\n" + kHuge);
         },
         here},
        {"The file lookup.dat is larger",
         [&] { writeFile("C:\\KIVALTO\\lookup.dat", readFile("C:\\KIVALTO\\lookup.dat") + kHuge); }, here},
        {"The file static.dat is larger",
         [&] {
             settings.save(app.settingsApp, "Options", "Dynamic ROMs", "0");
             writeFile("C:\\KIVALTO\\static.dat", kHuge);
         },
         here},
        {"The ROM Directory \"C:\\NOWHERE\\\" in paths.dat cannot be used",
         [&] { writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\NOWHERE\\", "", "C:\\KIVALTO\\", "", "", "",
                                                         "C:\\GPF\\"})); },
         here},
    };
    for (const Case& c : cases) {
        reset();
        prepare();
        c.arrange();
        start(c.folder, c.programDos);
        EXPECT_TRUE(dialogs.boxes.empty()) << c.notice << "\nbox: " << dialogs.lastText();
        EXPECT_EQ(process.calls.size(), 1u) << c.notice;
        EXPECT_TRUE(main().isVisible()) << c.notice;
        EXPECT_TRUE(app.errorfrm->isVisible()) << c.notice;
        EXPECT_NE(errorText().find(c.notice), std::string::npos) << c.notice << "\nshown: " << errorText();
        EXPECT_FALSE(app.startupNotices.collecting());
    }
}

TEST_F(WaitingNotices, AFolderBeyondTheListWaitsTooAndSeveralNoticesShowTogether)
{
    prepare();
    char name[16];
    for (std::size_t i = 0; i < kMaxRomEntries; ++i) {
        std::snprintf(name, sizeof name, "%05zu.ZIP", i);
        std::ofstream(host("C:\\ROMS") / name);
    }
    std::filesystem::remove(host("C:\\KIVALTO\\snesdos.pit"));
    start(here, "C:\\KIVALTO");
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.lastText();
    EXPECT_EQ(process.calls.size(), 1u);
    // Found twice (the start's scan and the plugin's), shown once, after the
    // template notice found before it.
    EXPECT_EQ(errorText(), "The launch template snesdos.pit could not be copied to snesdos.pif: Cannot read "
                           "C:\\KIVALTO\\snesdos.pit. Games cannot be started until it is restored in the Kivalto "
                           "directory.\n\nThis folder holds more entries than the ROM list can show: only the first "
                           "32 767 entries are listed.");
}

TEST_F(WaitingNotices, AfterStartingTheSameNoticesAreBoxesAgain)
{
    prepare();
    app.commandLine.clear();
    writeFile("C:\\KIVALTO\\BIG.XPL", plugin("Big") + kHuge);
    start(here, "C:\\KIVALTO");
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(errorText(), oversizeNotice("BIG.XPL"));
    // Loading the plugin is the user's doing: its notice is a box.
    app.importPlug("C:\\KIVALTO\\BIG.XPL");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, oversizeNotice("C:\\KIVALTO\\BIG.XPL"));
    EXPECT_EQ(app.selection.plugin().emulatorName, "Big");
}
