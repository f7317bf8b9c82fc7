// SPDX-License-Identifier: GPL-3.0-or-later
// Times Run with a native emulator: from the press of the button to the
// emulator's process running (its program executed), for a plain ROM and
// for a zipped one that is unpacked first.
//   nativelaunch_bench [runs]   (default 30)
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "bench/controls.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/qtplatform.h"
#include "tests/archivefile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

void writeZip(const fs::path& zip, const std::string& member, const std::string& data)
{
    kivalto::test::writeArchive(zip, {{member, data}});
}

struct Times {
    double median, best, worst;
};

Times timeRuns(Snesmain& m, const std::string& rom, int runs)
{
    for (int i = 0; i < ctl<FileListBox>(m, "File1")->ListCount(); ++i)
        if (ctl<FileListBox>(m, "File1")->List(i) == rom)
            ctl<FileListBox>(m, "File1")->setListIndex(i);
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        ctl<QPushButton>(m, "Run")->click();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        // Let the emulator end and its watcher report before the next run.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qapp(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    std::random_device rd;
    const fs::path root = fs::temp_directory_path() / ("kivalto-nativebench-" + std::to_string(rd()));
    fs::create_directories(root / "KIVALTO");
    fs::create_directories(root / "EMU");
    fs::create_directories(root / "ROMS");
    // The emulator: a real program of this system that ends at once.
    fs::copy_file("/bin/true", root / "EMU" / "fakeemu");
    std::string rom(4 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : rom)
        c = static_cast<char>(random() & 0x3f);
    std::ofstream(root / "ROMS" / "Big Game.smc", std::ios::binary) << rom;
    writeZip(root / "ROMS" / "BIGGAME.ZIP", "Big Game.smc", rom);
    std::string keys;
    for (int i = 0; i < 65; ++i)
        keys += "\r\n";
    std::ofstream(root / "KIVALTO" / "BENCH.XPL", std::ios::binary)
        << crlf({"Bench", "*.SMC;*.ZIP", "-f n", "C:\\EMU\\", "-sound 0", "fakeemu", "ENDOPTS", "ENDDISP"}) + keys;
    std::ofstream(root / "KIVALTO" / "paths.dat", std::ios::binary)
        << crlf({"C:\\ROMS\\", "", "C:\\KIVALTO\\", "", "", "", ""});

    DriveTable drives;
    drives.set('C', root);
    DosFs dosfs(drives, "C:\\KIVALTO");
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    HostProcessStarter process(dosfs);
    App app(dosfs, settings, dialogs, process);
    app.quit = [] {};
    StartupLoad(app);
    Snesmain& m = *app.Snesmain;
    ctl<FileListBox>(m, "Plugins")->setFileName("BENCH.XPL");
    ctl<FileListBox>(m, "Plugins")->setPattern("*.XPL");

    const Times plain = timeRuns(m, "Big Game.smc", runs);
    const Times zipped = timeRuns(m, "BIGGAME.ZIP", runs);
    const bool clean = dialogs.boxes.empty();

    std::printf("Run pressed -> emulator process started (%d runs each%s)\n", runs,
                clean ? "" : ", WITH MESSAGES");
    std::printf("plain ROM:         median %6.2f ms, best %6.2f, worst %6.2f  (goal < 20 ms)\n", plain.median,
                plain.best, plain.worst);
    std::printf("4 MiB zipped ROM:  median %6.2f ms, best %6.2f, worst %6.2f  (unpacking included)\n", zipped.median,
                zipped.best, zipped.worst);

    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    destroyWindows(app);
    std::error_code ec;
    fs::remove_all(root, ec);
    return clean && plain.median < 20 ? 0 : 1;
}
