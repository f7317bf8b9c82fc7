// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dosbox.h"
#include "platform/drives.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace kivalto;

TEST(LaunchTemplates, ParseThePifText)
{
    PifTemplate win = parsePifTemplate("; comment, with = sign\r\nprogram=snesexec.bat\r\nmode=window\r\n");
    EXPECT_EQ(win.program, "snesexec.bat");
    EXPECT_EQ(win.folder, "");
    EXPECT_FALSE(win.fullscreen);
    PifTemplate dosMode = parsePifTemplate("MODE=FullScreen\r\nfolder=C:\\GAMES\r\nprogram= GO.BAT\r\nunknown=1\r\n");
    EXPECT_EQ(dosMode.program, "GO.BAT");
    EXPECT_EQ(dosMode.folder, "C:\\GAMES");
    EXPECT_TRUE(dosMode.fullscreen);
    EXPECT_EQ(parsePifTemplate("").program, "snesexec.bat");
}

TEST(LaunchTemplates, DosboxConfigMountsEveryDriveAndQuitsAfterTheProgram)
{
    DriveTable t = DriveTable::hostDefault();
    t.set('D', "/media/my roms");
    EXPECT_EQ(dosboxConfig(t, "C:\\HOME\\KIV", "/home/kiv", "snesexec.bat"),
              "# Written by Kivalto for one start of DOSBox.\n[autoexec]\n"
              "mount C \"/\" >NUL\nmount D \"/media/my roms\"\n"
              "C:\ncd \\HOME\\KIV\ncall snesexec.bat\nexit\n");
    // A long folder name is reached through a spare letter.
    EXPECT_EQ(dosboxConfig(t, "C:\\HOME\\My Kivalto", "/home/My Kivalto", "X.BAT"),
              "# Written by Kivalto for one start of DOSBox.\n[autoexec]\n"
              "mount C \"/\" >NUL\nmount D \"/media/my roms\"\n"
              "mount Y \"/home/My Kivalto\"\nY:\ncall X.BAT\nexit\n");
    EXPECT_EQ(dosboxArguments("/tmp/k.conf", false), (std::vector<std::string>{"-conf", "/tmp/k.conf"}));
    EXPECT_EQ(dosboxArguments("/tmp/k.conf", true),
              (std::vector<std::string>{"-conf", "/tmp/k.conf", "-fullscreen"}));
}

TEST(LaunchTemplates, ShortDosNames)
{
    for (const char* ok : {"KIVALTO", "a.b", "SNESEXEC.BAT", "12345678.123", "..", "A~1"})
        EXPECT_TRUE(isShortDosName(ok)) << ok;
    for (const char* bad : {"", "kivalto-test1", "123456789", "a.1234", "a.b.c", "my roms", "a.", ".x", "a+b"})
        EXPECT_FALSE(isShortDosName(bad)) << bad;
}

TEST(LaunchTemplates, DosboxConfigNeverGainsALine)
{
    DriveTable t = DriveTable::hostDefault();
    struct Case {
        std::string drive, dosFolder, hostFolder, command;
    };
    const Case refused[] = {
        {"/media/a\nb", "C:\\KIV", "/kiv", "X.BAT"},
        {"/media/a\"b", "C:\\KIV", "/kiv", "X.BAT"},
        {"/media/roms", "C:\\KIV\r", "/kiv", "X.BAT"},
        {"/media/roms", "C:\\My Kiv", "/my\nkiv", "X.BAT"},
        {"/media/roms", "C:\\KIV", "/kiv", "C:\\SPC\\spcplay C:\\A\r\nECHO X.SPC -r 3"},
        {"/media/roms", "C:\\KIV", "/kiv", "spcplay A>B.SPC"},
    };
    for (const Case& c : refused) {
        t.set('D', c.drive);
        EXPECT_TRUE(dosboxConfigProblem(t, c.dosFolder, c.hostFolder, c.command)) << c.command;
        EXPECT_THROW(dosboxConfig(t, c.dosFolder, c.hostFolder, c.command), std::invalid_argument);
    }
    t.set('D', "/media/100%");
    EXPECT_EQ(dosboxConfig(t, "C:\\My 100%", "/my 100%", "spcplay 50%.SPC"),
              "# Written by Kivalto for one start of DOSBox.\n[autoexec]\n"
              "mount C \"/\" >NUL\nmount D \"/media/100%%\"\n"
              "mount Y \"/my 100%%\"\nY:\ncall spcplay 50%%.SPC\nexit\n");
}
