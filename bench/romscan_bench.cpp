// SPDX-License-Identifier: GPL-3.0-or-later
// Times the ROM directory scan against the cost of touching each file
// once, and the title list showing its largest possible content.
//   romscan_bench [file count] [runs]   (default 10 000 files, best of 7;
//   one run suits callgrind, whose counts unlike times are repeatable)
#include "app/windows/App.h"
#include "app/windows/SnesStart.h"
#include "app/windows/Snesmain.h"
#include "bench/controls.h"
#include "platform/qt/listcontrols.h"
#include "roms/memoryfile.h"
#include "roms/romcatalogue.h"
#include "roms/romtitle.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/romscan.h"
#include "roms/windows/scanprogress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

// ROM images of 48 KiB: most with a copier header (title at 33216), every
// third without one (title at 32704, code bytes at 33216).
void makeRoms(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    std::mt19937 random(7);
    std::string data(48 * 1024, '\0');
    for (int i = 0; i < count; ++i) {
        for (char& c : data)
            c = static_cast<char>(random());
        char title[32];
        std::snprintf(title, sizeof title, "GAME NUMBER %05d     ", i);
        data.replace(i % 3 == 2 ? 32704 : 33216, 21, title);
        char name[32];
        std::snprintf(name, sizeof name, "Game%05d.smc", i);
        std::ofstream(folder / name, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
    }
}

double floorPass(const fs::path& folder, const std::vector<std::string>& names)
{
    QElapsedTimer t;
    t.start();
    char buffer[64];
    for (const std::string& name : names) {
        const int fd = ::open((folder / name).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::pread(fd, buffer, sizeof buffer, 33216) < 0)
            std::perror("pread");
        ::close(fd);
    }
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

template <typename F>
double best(int runs, F f)
{
    double b = 1e300;
    for (int i = 0; i < runs; ++i)
        b = std::min(b, f());
    return b;
}

// Milliseconds one call of f takes.
template <typename F>
double timed(F f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// The best time of showing the largest possible title list and scrolling
// to its end.
double showFullList(Snesmain& m, int runs)
{
    std::vector<RomEntry> full;
    for (std::size_t i = 0; i < kMaxRomEntries; ++i)
        full.push_back({"GAME NUMBER " + std::to_string(i), kRomIcon});
    QApplication::processEvents();
    return best(runs, [&] {
        std::vector<RomEntry> copy = full;
        m.catalogue().clear();
        QApplication::processEvents();
        return timed([&] {
            m.catalogue().setEntries(std::move(copy));
            ctl<QListView>(m, "ListView1")->scrollToBottom();
            ctl<QListView>(m, "ListView1")->viewport()->repaint();
            QApplication::processEvents();
        });
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qapp(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;

    std::random_device rd;
    const fs::path root = fs::temp_directory_path() / ("kivalto-romscan-" + std::to_string(rd()));
    fs::create_directories(root / "KIVALTO");
    const fs::path roms = root / "ROMS";
    makeRoms(roms, count);

    DriveTable drives;
    drives.set('C', root);
    DosFs dosfs(drives, "C:\\KIVALTO");
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    RecordingProcessStarter process;
    App app(dosfs, settings, dialogs, process);
    app.Snesmain = new Snesmain(app);
    Snesmain& m = *app.Snesmain;
    m.resize(1000, 700);
    m.show();
    ctl<QListView>(m, "ListView1")->show();

    // The list is made when first looked at: ListCount makes it.
    const double listing = timed([&] {
        ctl<FileListBox>(m, "File1")->setPath("C:\\ROMS");
        ctl<FileListBox>(m, "File1")->setPattern("*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP;*.ZIP;*.GZ");
        ctl<FileListBox>(m, "File1")->ListCount();
    });

    std::vector<std::string> names;
    for (int i = 0; i < ctl<FileListBox>(m, "File1")->ListCount(); ++i)
        names.push_back(ctl<FileListBox>(m, "File1")->List(i));

    // Warm the cache, then take the best of several passes of each.
    floorPass(roms, names);
    ScanRomDirectory(app);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const double floorMs = best(runs, [&] { return floorPass(roms, names); });
    const double scanMs = best(runs, [&] { return timed([&] { ScanRomDirectory(app); }); });
    const int listed = m.catalogue().count();
    const bool complete = listed == count + 1;
    // Parts of the scan: the folder list, and the header reads alone.
    const double foldersMs = best(runs, [&] { return timed([&] { dosfs.listFolders("C:\\ROMS"); }); });
    const double readsMs = best(runs, [&] { return timed([&] { scanRomFolder(roms, names, {}, app.selection.headerPositions); }); });
    // The same reads reporting to the window's progress display (shown once
    // a pass takes longer than ScanProgress::kShowAfterMs).
    const double readsProgressMs = best(runs, [&] {
        return timed([&] {
            ScanProgress progress(m, m.catalogue(), names.size());
            scanRomFolder(roms, names, {}, app.selection.headerPositions, [&progress](std::size_t done) { progress.filesRead(done); });
        });
    });
    // The title reader alone, on ROM images in memory: the scan's work
    // without the system calls.
    std::string image(48 * 1024, '\x55');
    image.replace(33216, 21, "GAME NUMBER 00000    ");
    const CaseTable letters;
    std::size_t titleBytes = 0;
    const double titlesMs = best(runs, [&] {
        titleBytes = 0;
        return timed([&] {
            for (const std::string& name : names) {
                MemoryReadFile file(image);
                titleBytes += ReadRomTitle(name, file, app.selection.headerPositions, letters).size();
            }
        });
    });
    const double showMs = showFullList(m, runs);
    // The command-line start narrows the file list to its ROM: one listing.
    FileListBox files(dosfs);
    const double narrowMs = best(runs, [&] {
        files.setPattern("*.*");
        return timed([&] {
            files.setFileName("C:\\ROMS\\Game00000.smc");
            files.ListCount();
        });
    });
    // The listing with and without its sort, and a click's look-up of a
    // snapshot that is not there (each file name compared without regard
    // to case).
    const double listSortedMs = best(runs, [&] { return timed([&] { dosfs.listFiles("C:\\ROMS", "*.SMC"); }); });
    const double listOneMs = best(runs, [&] { return timed([&] { dosfs.listFiles("C:\\ROMS", "Game00000.smc"); }); });
    const double snapshotMs = best(runs, [&] {
        return timed([&] {
            dosfs.resolveExisting("C:\\ROMS\\Game00000.BMP");
            dosfs.resolveExisting("C:\\ROMS\\Game00000.JPG");
        });
    });
    const auto anyPicture = [](const std::filesystem::path&) { return true; };
    const double snapshotOnceMs = best(runs, [&] {
        return timed([&] { dosfs.resolveFirstIn("C:\\ROMS", {"Game00000.BMP", "Game00000.JPG"}, anyPicture); });
    });

    std::printf("files: %d (scan listed %d entries%s)\n", count, listed,
                complete ? ", complete" : ", INCOMPLETE");
    std::printf("File1 listing:            %8.2f ms\n", listing);
    std::printf("floor (open/read 64/close): %6.2f ms\n", floorMs);
    std::printf("ScanRomDirectory:         %8.2f ms  (%.2fx floor, goal <= 1.5x)\n", scanMs, scanMs / floorMs);
    std::printf("  of which folder listing:  %8.2f ms\n", foldersMs);
    std::printf("  header reads alone:     %8.2f ms\n", readsMs);
    std::printf("  the same with progress: %8.2f ms\n", readsProgressMs);
    std::printf("title reader in memory:   %8.2f ms  (%zu bytes of titles)\n", titlesMs, titleBytes);
    std::printf("narrow to one ROM:        %8.2f ms  (one listing of the folder)\n", narrowMs);
    std::printf("listing *.SMC, sorted:    %8.2f ms  (one name matched: %.2f ms)\n", listSortedMs, listOneMs);
    std::printf("snapshot look-up, none:   %8.2f ms  (BMP and JPG, each folder entry compared)\n", snapshotMs);
    std::printf("  both in one reading:    %8.2f ms  (what a click does)\n", snapshotOnceMs);
    std::printf("show %zu entries:      %8.2f ms  (goal < 50 ms)\n", kMaxRomEntries, showMs);

    delete app.Snesmain;
    std::error_code ec;
    fs::remove_all(root, ec);
    return complete && scanMs <= 1.5 * floorMs && showMs < 50 ? 0 : 1;
}
