// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with huge settings files: each case writes one 50 MiB file into
// a fresh Kivalto folder and runs the whole start-up load in a child
// process, with a command line naming a ROM whose settings launch it,
// reporting the time, the child's peak memory, what was read, how many
// boxes waited for OK and whether the launch was reached.
//   hugefiles_bench [MiB]   (default 50)
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "bench/controls.h"
#include "roms/windows/chpath.h"
#include "ui/windows/frmTip.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

struct Case {
    const char* file;
    const char* what;
    std::string (*make)(std::size_t bytes);
    const char* option;  // an option stored as "0" so that the file is read
};

std::string emptyLines(std::size_t bytes)
{
    std::string s;
    s.reserve(bytes);
    while (s.size() + 2 <= bytes)
        s += "\r\n";
    return s;
}

std::string oneLine(std::size_t bytes) { return std::string(bytes, 'x'); }

std::string shortLines(std::size_t bytes)
{
    std::string s;
    s.reserve(bytes);
    while (s.size() + 6 <= bytes)
        s += "ROM\r\n" + std::string(1, 'A');
    return s;
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A plugin, a ROM and its settings, so that the command line launches.
void writeLaunchableRom(const fs::path& root)
{
    std::string plugin = "Test\r\n*.SMC\r\n-f n\r\nC:\\EMU\\\r\n-x\r\nEMU.EXE\r\nENDOPTS\r\nENDDISP\r\n";
    for (int i = 0; i < 65; ++i)
        plugin += "\r\n";
    writeFile(root / "KIVALTO" / "TEST.XPL", plugin);
    writeFile(root / "ROMS" / "MARIO.SMC", std::string(70000, '\0'));
    writeFile(root / "ROMS" / "MARIO.GPF", "TEST.XPL\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n 1 \r\nFalse\r\nFalse\r\n"
                                          "False\r\n\r\n\r\n\r\nFalse\r\nFalse\r\n");
}

// Runs in the child: the start-up load, then a line of figures.
int runStartup(const fs::path& root, const Case& c)
{
    int argc = 1;
    char name[] = "hugefiles_bench";
    char* argv[] = {name, nullptr};
    QApplication qapp(argc, argv);
    DriveTable drives;
    drives.set('C', root);
    DosFs dosfs(drives, "C:\\KIVALTO");
    MemorySettingsStore settings;
    if (c.option)
        settings.save("Kivalto", "Options", c.option, "0");
    ScriptedDialogs dialogs;
    RecordingProcessStarter process;
    App app(dosfs, settings, dialogs, process);
    app.commandLine = "C:\\ROMS\\MARIO.SMC";
    QElapsedTimer t;
    t.start();
    prepareProgramFolder(app, ProgramFolder{root / "KIVALTO", {}}, std::string("C:\\KIVALTO"));
    StartupLoad(app);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    std::printf("%-14s %-28s %9.0f ms  presets %5d  titles %5d  tips %5zu  boxes %zu  launched %zu\n", c.file, c.what,
                ms, app.chpath->presetCount(), ctl<QListView>(*app.Snesmain, "ListView1")->model()->rowCount(),
                app.frmTip->tips().size(), dialogs.boxes.size(), process.calls.size());
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::size_t mib = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 50;
    const Case cases[] = {
        {"presets.dat", "empty lines", emptyLines, nullptr},
        {"presets.dat", "one line", oneLine, nullptr},
        {"static.dat", "short lines", shortLines, "Dynamic ROMs"},
        {"static.dat", "one line", oneLine, "Dynamic ROMs"},
        {"TIPOFDAY.TXT", "one line", oneLine, nullptr},
        {"TIPOFDAY.TXT", "empty lines", emptyLines, nullptr},
        {"paths.dat", "one line", oneLine, nullptr},
        {"BIG.XPL", "one line", oneLine, nullptr},
        {"SnesKey.dat", "one line", oneLine, nullptr},
        {"SnesKey.dat", "empty lines", emptyLines, nullptr},
        {"lookup.dat", "one line", oneLine, nullptr},
    };
    std::random_device rd;
    for (const Case& c : cases) {
        const fs::path root = fs::temp_directory_path() / ("kivalto-huge-" + std::to_string(rd()));
        fs::create_directories(root / "KIVALTO");
        writeLaunchableRom(root);
        {
            // Freed before the fork, so the child's peak is its own.
            const std::string bytes = c.make(mib * 1024 * 1024);
            std::ofstream(root / "KIVALTO" / c.file, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0)
            _exit(runStartup(root, c));
        int status = 0;
        struct rusage usage {};
        wait4(child, &status, 0, &usage);
        std::printf("%-14s %-28s peak memory %6.1f MiB\n", c.file, "", static_cast<double>(usage.ru_maxrss) / 1024.0);
        fs::remove_all(root);
    }
    return 0;
}
