// SPDX-License-Identifier: GPL-3.0-or-later
// The demo folder of the ready Kivalto folder, as a new user meets it: a
// double-click on a title and Run start mednafen on that ROM.
#include "fixture.h"
#include "ui/windows/errorfrm.h"
#include "roms/romcatalogue.h"
#include "roms/windows/romcataloguemodel.h"
#include "roms/windows/chpath.h"

#include <QImage>
#include <algorithm>

using namespace kivalto;
using test::crlf;

namespace {

namespace fs_ = std::filesystem;

class DemoFolder : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        const fs_::path ready = KIVALTO_READY_DIR;
        fs_::copy(ready / "ROMS", root / "KIVALTO" / "ROMS", fs_::copy_options::recursive);
        for (const auto& f : fs_::directory_iterator(ready))
            if (f.path().extension() == ".XPL")
                fs_::copy_file(f.path(), root / "KIVALTO" / f.path().filename());
        writeFile("C:\\KIVALTO\\paths.dat", crlf({"C:\\KIVALTO\\ROMS\\", "", "C:\\KIVALTO\\", "", "", "", ""}));
        // The plugins name C:\USR\GAMES\mednafen; this one is never run.
        writeFile("C:\\USR\\GAMES\\mednafen", "#!/bin/sh\n");
        fs_::permissions(host("C:\\USR\\GAMES\\mednafen"), fs_::perms::owner_all);
    }

    void doubleClickTitle(const std::string& title)
    {
        const auto entries = main().catalogue().entries();
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const RomEntry& e) {
            return e.text.substr(0, e.text.find_last_not_of(' ') + 1) == title;  // header titles keep their blanks
        });
        ASSERT_NE(it, entries.end()) << title << " is not listed";
        doubleClickTitleEntry(static_cast<int>(it - entries.begin()) + 1);
    }
    void pickEmulator(const std::string& systemKey, const std::string& caption)
    {
        for (int i = 0; i < ctl<QTreeWidget>(main(), "TreeView1")->topLevelItemCount(); ++i) {
            QTreeWidgetItem* system = ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i);
            if (system->data(0, Qt::UserRole).toString().toStdString() != systemKey)
                continue;
            for (int k = 0; k < system->childCount(); ++k)
                if (system->child(k)->text(0).toStdString() == caption)
                    return clickTreeNode(system->child(k));
        }
        FAIL() << caption << " is not under " << systemKey;
    }
    // Selects a ROM by its file name, as a click on its title does.
    void clickRom(const std::string& fileName)
    {
        for (int i = 0; i < ctl<FileListBox>(main(), "File1")->ListCount(); ++i)
            if (ctl<FileListBox>(main(), "File1")->List(i) == fileName)
                return clickTitleEntry(i + 1);
        FAIL() << fileName << " is not in the file list";
    }
    // The words of the last start, checked for the forced module and the
    // saved 3x window, ending with the ROM's host path.
    void expectMednafenOn(const std::string& module, const std::string& rom)
    {
        ASSERT_FALSE(process.nativeCalls.empty()) << app.errorfrm->text();
        const auto& call = process.nativeCalls.back();
        EXPECT_EQ(call.program, host("C:\\USR\\GAMES\\mednafen").string());
        const auto& a = call.arguments;
        const auto has = [&](const std::string& w1, const std::string& w2) {
            const std::string pair[] = {w1, w2};
            return std::search(a.begin(), a.end(), std::begin(pair), std::end(pair)) != a.end();
        };
        EXPECT_TRUE(has("-force_module", module));
        EXPECT_TRUE(has("-" + module + ".xscale", "3"));
        EXPECT_TRUE(has("-sound", "1"));
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(a.back(), host(rom).string());
    }
};

} // namespace

TEST_F(DemoFolder, ADoubleClickOnATitleAndRunStartMednafen)
{
    startup();
    doubleClickTitle("STARLIGHT COURIER");
    clickButton("Run");
    expectMednafenOn("snes", "C:\\KIVALTO\\ROMS\\STARCOUR.SMC");

    // The NES and Mega Drive games are listed once an emulator of their
    // system is chosen in the tree.
    pickEmulator("NES", "MEDNES");
    doubleClickTitle("LANTERN'");
    clickButton("Run");
    expectMednafenOn("nes", "C:\\KIVALTO\\ROMS\\LANTERN.NES");

    pickEmulator("MEGA", "MEDMD");
    doubleClickTitle("PIXELRUN'");
    clickButton("Run");
    expectMednafenOn("md", "C:\\KIVALTO\\ROMS\\PIXELRUN.SMD");
}

namespace {

// A picture reduced to 8x8 colours: the same picture shown at another
// size still matches, another game's picture does not.
bool samePicture(const QImage& a, const QImage& b)
{
    const auto small = [](const QImage& i) {
        return i.convertToFormat(QImage::Format_RGB32).scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage x = small(a);
    const QImage y = small(b);
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            const QColor p = x.pixelColor(i, j);
            const QColor q = y.pixelColor(i, j);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue()) > 24)
                return false;
        }
    return true;
}

} // namespace

TEST_F(DemoFolder, EveryDemoRomHasItsSnapshot)
{
    const fs_::path roms = fs_::path(KIVALTO_READY_DIR) / "ROMS";
    int count = 0;
    for (const auto& f : fs_::recursive_directory_iterator(roms)) {
        const std::string ext = f.path().extension().string();
        if (!f.is_regular_file() || ext == ".GPF" || ext == ".BMP")
            continue;
        ++count;
        const fs_::path shot = f.path().parent_path() / (snapshotBase(f.path().filename().string()) + "BMP");
        const QImage picture(QString::fromStdString(shot.string()));
        EXPECT_FALSE(picture.isNull()) << shot << " is missing or unreadable";
        EXPECT_EQ(picture.width(), 256) << shot;
        EXPECT_GE(picture.height(), 224) << shot;
    }
    EXPECT_EQ(count, 8);
}

TEST_F(DemoFolder, SelectingADemoRomShowsItsSnapshot)
{
    struct Case {
        const char* systemKey;  // an emulator to pick first, or none
        const char* emulator;
        const char* folder;
        const char* rom;
        const char* snapshot;
    };
    const Case cases[] = {
        {"", "", "C:\\KIVALTO\\ROMS\\", "STARCOUR.SMC", "STARCOUR.BMP"},
        {"", "", "C:\\KIVALTO\\ROMS\\", "MOSSKNGT.SMC", "MOSSKNGT.BMP"},
        {"", "", "C:\\KIVALTO\\ROMS\\", "TIDEPOOL.SWC", "TIDEPOOL.BMP"},
        {"", "", "C:\\KIVALTO\\ROMS\\", "CLOCKWRK.SFC", "CLOCKWRK.BMP"},  // listed by its file name
        {"", "", "C:\\KIVALTO\\ROMS\\", "PUZZLBOX.ZIP", "PUZZLBOX.BMP"},  // packed
        {"", "", "C:\\KIVALTO\\ROMS\\HOMEBREW\\", "ORBITAL.SMC", "ORBITAL.BMP"},
        {"MEGA", "MEDMD", "C:\\KIVALTO\\ROMS\\", "PIXELRUN.SMD", "PIXELRUN.BMP"},
        {"NES", "MEDNES", "C:\\KIVALTO\\ROMS\\", "LANTERN.NES", "LANTERN.BMP"},
    };
    startup();
    QImage previous;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rom);
        if (*c.systemKey)
            pickEmulator(c.systemKey, c.emulator);
        app.chpath->openFolder(c.folder);
        clickRom(c.rom);
        const QImage shown = ctl<QLabel>(main(), "romimage")->pixmap().toImage();
        ASSERT_FALSE(shown.isNull());
        const QImage file(QString::fromStdString(host(std::string(c.folder) + c.snapshot).string()));
        EXPECT_TRUE(samePicture(shown, file));
        if (!previous.isNull()) {
            EXPECT_FALSE(samePicture(shown, previous)) << "the picture of the game before stays";
        }
        previous = shown;
    }
}
