// The demo folder of the ready Kivalto folder, as a new user meets it: a
// double-click on a title and Run start mednafen on that ROM.
#include "fixture.h"
#include "ui/windows/errorfrm.h"
#include "roms/romcatalogue.h"
#include "roms/windows/romcataloguemodel.h"

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
        main().ListView1_Click(static_cast<int>(it - entries.begin()) + 1);
        main().ListView1_DblClick();
    }
    void pickEmulator(const std::string& systemKey, const std::string& caption)
    {
        for (int i = 0; i < ctl<QTreeWidget>(main(), "TreeView1")->topLevelItemCount(); ++i) {
            QTreeWidgetItem* system = ctl<QTreeWidget>(main(), "TreeView1")->topLevelItem(i);
            if (system->data(0, Qt::UserRole).toString().toStdString() != systemKey)
                continue;
            for (int k = 0; k < system->childCount(); ++k)
                if (system->child(k)->text(0).toStdString() == caption)
                    return main().TreeView1_NodeClick(system->child(k));
        }
        FAIL() << caption << " is not under " << systemKey;
    }
    // The words of the last start, checked for the forced module and the
    // saved 3x window, ending with the ROM's host path.
    void expectMednafenOn(const std::string& module, const std::string& rom)
    {
        ASSERT_FALSE(process.nativeCalls.empty()) << app.errorfrm->Label1->text().toStdString();
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
    main().Run_Click();
    expectMednafenOn("snes", "C:\\KIVALTO\\ROMS\\STARCOUR.SMC");

    // The NES and Mega Drive games are listed once an emulator of their
    // system is chosen in the tree.
    pickEmulator("NES", "MEDNES");
    doubleClickTitle("LANTERN'");
    main().Run_Click();
    expectMednafenOn("nes", "C:\\KIVALTO\\ROMS\\LANTERN.NES");

    pickEmulator("MEGA", "MEDMD");
    doubleClickTitle("PIXELRUN'");
    main().Run_Click();
    expectMednafenOn("md", "C:\\KIVALTO\\ROMS\\PIXELRUN.SMD");
}
