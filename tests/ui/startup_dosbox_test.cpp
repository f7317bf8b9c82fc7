// SPDX-License-Identifier: GPL-3.0-or-later
// The real process starter: a launch through the .PIF runs snesexec.bat in
// DOSBox, which must write its file where Kivalto sees it.
#include "platform/qt/qtplatform.h"

#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

// DOS sees 8.3 names only: a short folder name under /tmp.
fs::path shortTempFolder()
{
    std::random_device rd;
    auto dir = fs::path("/tmp") / ("kv" + std::to_string(rd() % 1000000));
    fs::create_directories(dir);
    return dir;
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Processes whose working folder is `dir`.
int processesIn(const fs::path& dir)
{
    int n = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::error_code ec;
        if (fs::equivalent(fs::read_symlink(entry.path() / "cwd", ec), dir, ec))
            ++n;
    }
    return n;
}

} // namespace

TEST(HostProcessStarter, PifRunsTheBatchFileInDosbox)
{
    if (QStandardPaths::findExecutable("dosbox").isEmpty())
        GTEST_SKIP() << "dosbox is not installed";
    const fs::path dir = shortTempFolder();
    const std::string dosDir = "C:" + dir.string();
    std::string dosPath = dosDir;
    for (char& c : dosPath)
        if (c == '/')
            c = '\\';
    std::ofstream(dir / "sneswin.pif", std::ios::binary) << "program=snesexec.bat\r\nmode=window\r\n";
    std::ofstream(dir / "snesexec.bat", std::ios::binary) << "echo ran> DONE.TXT\r\n";

    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    DosFs dosFs(DriveTable::hostDefault(), dosPath);
    HostProcessStarter starter(dosFs);
    StartResult r = starter.start("SNESWIN.PIF", dosPath, ShowMode::Maximized);
    ASSERT_TRUE(r.ok) << r.error;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(dir / "DONE.TXT") && std::chrono::steady_clock::now() < deadline)
        QThread::msleep(100);
    ASSERT_TRUE(fs::exists(dir / "DONE.TXT")) << "DOSBox did not run snesexec.bat";
    QThread::msleep(200);  // let DOSBox close the file
    EXPECT_EQ(slurp(dir / "DONE.TXT"), "ran\r\n");
    fs::remove_all(dir);
}

TEST(HostProcessStarter, ReportsWhatCannotBeStarted)
{
    const fs::path dir = shortTempFolder();
    std::string dosPath = "C:" + dir.string();
    for (char& c : dosPath)
        if (c == '/')
            c = '\\';
    DosFs dosFs(DriveTable::hostDefault(), dosPath);
    HostProcessStarter starter(dosFs);
    StartResult r = starter.start("SNESWIN.PIF", dosPath, ShowMode::Maximized);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The program information file " + dosPath + "\\SNESWIN.PIF could not be read.");
    std::ofstream(dir / "snesdos.pif", std::ios::binary) << "mode=fullscreen\r\n";
    r = starter.start("snesdos.pif", dosPath, ShowMode::Maximized);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The program " + dosPath + "\\snesexec.bat named in " + dosPath + "\\snesdos.pif was not found.");
    r = starter.start("C:\\NOWHERE\\SPCPLAY.EXE -v TUNE.SPC", dosPath, ShowMode::Hidden);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The program C:\\NOWHERE\\SPCPLAY.EXE was not found.");
    r = starter.start("start Kivalto.chm", dosPath, ShowMode::Maximized);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "The file " + dosPath + "\\Kivalto.chm was not found.");
    fs::remove_all(dir);
}

// The jukebox's player: it runs until its handle goes.
TEST(HostProcessStarter, StoppableProgramEndsWithItsHandle)
{
    if (QStandardPaths::findExecutable("dosbox").isEmpty())
        GTEST_SKIP() << "dosbox is not installed";
    const fs::path dir = shortTempFolder();
    std::string dosPath = "C:" + dir.string();
    for (char& c : dosPath)
        if (c == '/')
            c = '\\';
    std::ofstream(dir / "forever.bat", std::ios::binary) << ":top\r\ngoto top\r\n";
    qputenv("SDL_AUDIODRIVER", "dummy");
    DosFs dosFs(DriveTable::hostDefault(), dosPath);
    HostProcessStarter starter(dosFs);
    StartResult r;
    auto player = starter.startStoppable("FOREVER.BAT", dosPath, ShowMode::Hidden, r);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(processesIn(dir), 1);
    player.reset();
    EXPECT_EQ(processesIn(dir), 0);

    EXPECT_EQ(starter.startStoppable("NONE.EXE", dosPath, ShowMode::Hidden, r), nullptr);
    EXPECT_EQ(r.error, "The program " + dosPath + "\\NONE.EXE was not found.");
    fs::remove_all(dir);
}

// xdg-open is used only when the desktop names a program for the file;
// otherwise the help file is reported like a missing viewer.
TEST(HostProcessStarter, DocumentWithoutADesktopHandlerIsReported)
{
    const fs::path dir = shortTempFolder();
    std::string dosPath = "C:" + dir.string();
    for (char& c : dosPath)
        if (c == '/')
            c = '\\';
    std::ofstream(dir / "HELP.CHM", std::ios::binary) << "ITSF";
    const fs::path bin = dir / "bin";
    fs::create_directories(bin);
    const auto script = [&](const char* name, const std::string& body) {
        std::ofstream(bin / name) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(bin / name, fs::perms::owner_all);
    };
    script("xdg-open", "echo \"$1\" > " + (dir / "opened").string());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.string()));  // the scripts need only the shell
    DosFs dosFs(DriveTable::hostDefault(), dosPath);
    HostProcessStarter starter(dosFs);
    const std::pair<const char*, bool> handlers[] = {{"", false}, {"viewer.desktop", true}};
    for (const auto& [handler, opens] : handlers) {
        SCOPED_TRACE(handler);
        script("xdg-mime", std::string("[ \"$2\" = filetype ] && echo application/vnd.ms-htmlhelp || echo ") + handler);
        const StartResult r = starter.start("start HELP.CHM", dosPath, ShowMode::Maximized);
        EXPECT_EQ(r.ok, opens) << r.error;
        if (!opens) {
            EXPECT_EQ(r.error.rfind("No program was found to open", 0), 0u);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (opens && !fs::exists(dir / "opened") && std::chrono::steady_clock::now() < deadline)
            QThread::msleep(20);
        EXPECT_EQ(fs::exists(dir / "opened"), opens);
    }
    qputenv("PATH", oldPath);
    fs::remove_all(dir);
}
