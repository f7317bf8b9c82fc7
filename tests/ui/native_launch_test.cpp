// SPDX-License-Identifier: GPL-3.0-or-later
// Run with an emulator that is a program of this system: the road taken,
// the words handed to the process starter, and what is reported.
#include "fixture.h"

#include "launch/windows/nativerun.h"
#include "platform/nativeprocess.h"
#include "platform/qt/qtplatform.h"
#include "ui/windows/errorfrm.h"

#include <QElapsedTimer>

#include <fstream>

using namespace kivalto;
using test::crlf;

namespace {

class NativeLaunching : public test::KivaltoTest {
protected:
    // A plugin for `exe` in C:\EMU\ with an option, a display mode and
    // controller switches.
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\paths.dat",
                  crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "C:\\UNZIP\\", "C:\\VESA.EXE", "C:\\SNESKEY\\", ""}));
        for (const char* rom : {"Super Mario World.smc", "MARIO.GZ", "BROKEN.ZIP"})
            writeFile(std::string("C:\\ROMS\\") + rom, "not really packed");
    }
    void usePlugin(const std::string& exe, const std::string& fixedSwitches = "-x 1")
    {
        std::string keys;
        for (int i = 0; i < 65; ++i)
            keys += (i == 60 ? "-p1 keys" : i == 61 ? "-p2 \"pad two\"" : "") + std::string("\r\n");
        writeFile("C:\\KIVALTO\\NATIVE.XPL", crlf({"Native 1.0", "*.SMC;*.ZIP;*.GZ", "-f n", "C:\\EMU\\", fixedSwitches, exe,
                                                   "Sound", "-sound 1", "ENDOPTS", "Big", "-scale 3", "ENDDISP"}) +
                                                 keys);
        startup();
        ctl<FileListBox>(main(), "Plugins")->setFileName("NATIVE.XPL");
        ctl<FileListBox>(main(), "Plugins")->setPattern("*.XPL");
    }
    void run(const std::string& rom)
    {
        for (int i = 0; i < ctl<FileListBox>(main(), "File1")->ListCount(); ++i)
            if (ctl<FileListBox>(main(), "File1")->List(i) == rom)
                ctl<FileListBox>(main(), "File1")->setListIndex(i);
        ASSERT_EQ(ctl<FileListBox>(main(), "File1")->FileName(), rom);
        clickButton("Run");
    }
    void makeScript(const std::string& dosPath, bool executable = true)
    {
        writeFile(dosPath, "#!/bin/sh\n");
        if (executable)
            std::filesystem::permissions(host(dosPath), std::filesystem::perms::owner_all);
    }
    std::string errorText() { return app.errorfrm->text(); }
    void expectNothingStarted()
    {
        EXPECT_TRUE(process.nativeCalls.empty());
        EXPECT_TRUE(process.calls.empty());
        EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat"));
    }
};

} // namespace

TEST_F(NativeLaunching, ANativeProgramGetsWordsAndTheDosTogglesMeanNothing)
{
    makeScript("C:\\EMU\\standin");
    usePlugin("STANDIN");
    ctl<QListWidget>(main(), "optionslist")->item(0)->setSelected(true);
    ctl<QListWidget>(main(), "List2")->item(0)->setSelected(true);
    ctl<QLineEdit>(main(), "Text2")->setText("2");
    ctl<QScrollBar>(main(), "Play1select")->setValue(1);
    for (QAction* toggle : {ctl<QAction>(main(), "rundos"), ctl<QAction>(main(), "runvesa"), ctl<QAction>(main(), "runsnesk"), ctl<QAction>(main(), "MenuShorten")})
        toggle->setChecked(true);
    run("Super Mario World.smc");

    ASSERT_EQ(process.nativeCalls.size(), 1u);
    const NativeStart& s = process.nativeCalls[0];
    EXPECT_EQ(s.program, host("C:\\EMU\\standin").string());
    EXPECT_EQ(s.arguments, (std::vector<std::string>{"-f", "2", "-p2", "pad two", "-p1", "keys", "-sound", "1", "-scale",
                                                     "3", "-x", "1", host("C:\\ROMS\\Super Mario World.smc").string()}));
    EXPECT_EQ(s.workingDir, host("C:\\EMU").string());
    EXPECT_EQ(s.logFile, host("C:\\KIVALTO\\emulator.log").string());
    EXPECT_EQ(s.removeAfterwards, "");
    EXPECT_TRUE(process.calls.empty());
    EXPECT_TRUE(dialogs.boxes.empty());  // no SnesKey complaint
    EXPECT_FALSE(exists("C:\\KIVALTO\\snesexec.bat"));
}

TEST_F(NativeLaunching, WindowsAndMissingProgramsAreReportedAndNothingStarts)
{
    std::string pe(0x88, '\0');
    pe.replace(0, 2, "MZ");
    pe[0x3c] = '\x80';
    pe.replace(0x80, 4, std::string("PE\0\0", 4));
    writeFile("C:\\EMU\\WINEMU.EXE", pe);
    usePlugin("WINEMU.EXE");
    run("Super Mario World.smc");
    EXPECT_EQ(errorText(), "The emulator " + host("C:\\EMU\\WINEMU.EXE").string() +
                               " is a Windows program: DOSBox cannot run it, so Kivalto cannot start it. Use a "
                               "version of the emulator for this system or for DOS.");
    expectNothingStarted();

    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", "/nonexistent/bin", 1);
    usePlugin("no-such-emulator");
    run("Super Mario World.smc");
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(errorText(), "The emulator program no-such-emulator was not found. Kivalto looked in C:\\EMU (" +
                               host("C:\\EMU").string() +
                               "), /nonexistent/bin, /usr/local/games, /usr/games. Install the emulator, or correct "
                               "the directory or the program name of its plugin.");
    expectNothingStarted();
}

TEST_F(NativeLaunching, AScriptWithoutExecuteBitKeepsTheBatchFile)
{
    makeScript("C:\\EMU\\DOSEMU.BAT", false);
    usePlugin("DOSEMU.BAT");
    run("Super Mario World.smc");
    EXPECT_TRUE(process.nativeCalls.empty());
    EXPECT_EQ(readFile("C:\\KIVALTO\\snesexec.bat"),
              crlf({"echo off", "cls", "C:", "cd\\EMU", "DOSEMU.BAT -p2 \"pad two\" -x 1 C:\\ROMS\\Super ~1.smc"}));
}

TEST_F(NativeLaunching, PackedRomsFollowTheGzipAnswerAndDamagedArchivesAreReported)
{
    makeScript("C:\\EMU\\standin");
    usePlugin("standin");
    dialogs.answers = {Answer::No};
    run("MARIO.GZ");
    EXPECT_EQ(dialogs.boxes.back().text, "You have selected a GZip file. Do you wish to unzip this file before running it.");
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    EXPECT_EQ(process.nativeCalls[0].arguments.back(), host("C:\\ROMS\\MARIO.GZ").string());

    dialogs.answers = {Answer::Yes};
    run("MARIO.GZ");
    EXPECT_EQ(errorText(), "The archive C:\\ROMS\\MARIO.GZ could not be unpacked (it is not a GZip file); it may be "
                           "damaged. Nothing was started.");
    run("BROKEN.ZIP");
    EXPECT_NE(errorText().find("The archive C:\\ROMS\\BROKEN.ZIP could not be unpacked ("), std::string::npos);
    EXPECT_EQ(process.nativeCalls.size(), 1u);
}

TEST_F(NativeLaunching, AnEarlyFailureShowsTheLastLinesOfTheLog)
{
    makeScript("C:\\EMU\\standin");
    usePlugin("standin");
    run("Super Mario World.smc");
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    std::string log;
    for (int i = 1; i <= 10; ++i)
        log += "line " + std::to_string(i) + "\n";
    writeFile("C:\\KIVALTO\\emulator.log", log + "\n");
    process.nativeCalls[0].earlyFailure(1);
    const std::string logPath = host("C:\\KIVALTO\\emulator.log").string();
    EXPECT_EQ(errorText(), "The emulator ended at once with status 1. The last lines it wrote to " + logPath +
                               ":\nline 3\nline 4\nline 5\nline 6\nline 7\nline 8\nline 9\nline 10");
    EXPECT_TRUE(app.errorfrm->isVisible());

    writeFile("C:\\KIVALTO\\emulator.log", "");
    process.nativeCalls[0].earlyFailure(139);
    EXPECT_EQ(errorText(), "The emulator ended at once with status 139. It wrote nothing to " + logPath + ".");
}

TEST_F(NativeLaunching, AMissingRetroArchCoreIsNamedAndNothingStarts)
{
    makeScript("C:\\EMU\\retroarch");
    const std::string core = host("C:\\CORES").string() + "/gambatte_libretro.so";
    usePlugin("retroarch", "-L " + core);
    dialogs.answers = {Answer::Yes};
    run("MARIO.GZ");
    EXPECT_EQ(errorText(), "The RetroArch core " + core +
                               " was not found. Install it with the package libretro-gambatte (as root: apt-get "
                               "install libretro-gambatte). Nothing was started.");
    EXPECT_TRUE(dialogs.boxes.empty());  // not even asked to unpack
    expectNothingStarted();

    writeFile("C:\\CORES\\gambatte_libretro.so", "core");
    run("Super Mario World.smc");
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    const auto& words = process.nativeCalls[0].arguments;
    ASSERT_GE(words.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(words.end() - 3, words.end()),
              (std::vector<std::string>{"-L", core, host("C:\\ROMS\\Super Mario World.smc").string()}));
}

TEST_F(NativeLaunching, ABsnesCoreGetsASnesImageWithoutItsCopierHeader)
{
    makeScript("C:\\EMU\\retroarch");
    writeFile("C:\\CORES\\bsnes_mercury_balanced_libretro.so", "core");
    writeFile("C:\\ROMS\\HEADERED.SMC", std::string(512, 'h') + std::string(1024, 'r'));
    usePlugin("retroarch", "-L " + host("C:\\CORES").string() + "/bsnes_mercury_balanced_libretro.so");
    run("HEADERED.SMC");
    ASSERT_EQ(process.nativeCalls.size(), 1u);
    const NativeStart& s = process.nativeCalls[0];
    const std::filesystem::path copy = s.arguments.back();
    EXPECT_EQ(copy.filename(), "HEADERED.SMC");
    EXPECT_EQ(copy.parent_path().string(), s.removeAfterwards);
    std::ifstream in(copy, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string(1024, 'r'));
    EXPECT_EQ(readFile("C:\\ROMS\\HEADERED.SMC").size(), 1536u);  // the ROM itself is untouched
    removeFolderTree(s.removeAfterwards);

    run("Super Mario World.smc");  // no header: given as it is
    ASSERT_EQ(process.nativeCalls.size(), 2u);
    EXPECT_EQ(process.nativeCalls[1].arguments.back(), host("C:\\ROMS\\Super Mario World.smc").string());
    EXPECT_EQ(process.nativeCalls[1].removeAfterwards, "");
}

TEST(NativeStarter, OnlyAnEarlyFailureIsReported)
{
    DosFs dos(DriveTable::hostDefault(), "C:\\");
    HostProcessStarter starter(dos);
    std::vector<int> failures;
    auto start = [&](const std::string& script) {
        NativeStart s;
        s.program = "/bin/sh";
        s.arguments = {"-c", script};
        s.workingDir = "/";
        s.earlyFailure = [&failures](int status) { failures.push_back(status); };
        ASSERT_TRUE(starter.startNative(s).ok);
    };
    start("exit 0");
    start("exit 4");
    start("kill -9 $$");
    QElapsedTimer t;
    t.start();
    while (failures.size() < 2 && t.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents(QEventLoop::AllEvents, 100);
    std::sort(failures.begin(), failures.end());
    EXPECT_EQ(failures, (std::vector<int>{4, 137}));
}

TEST(NativeStarter, EveryEndIsToldWithTheSecondsRun)
{
    DosFs dos(DriveTable::hostDefault(), "C:\\");
    HostProcessStarter starter(dos);
    std::vector<long long> ends;
    for (const char* script : {"exit 0", "sleep 1; exit 3"}) {
        NativeStart s;
        s.program = "/bin/sh";
        s.arguments = {"-c", script};
        s.workingDir = "/";
        s.ended = [&ends](long long seconds) { ends.push_back(seconds); };
        ASSERT_TRUE(starter.startNative(s).ok);
    }
    QElapsedTimer t;
    t.start();
    while (ends.size() < 2 && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0], 0);  // the quick one ended first
    EXPECT_GE(ends[1], 1);
}
