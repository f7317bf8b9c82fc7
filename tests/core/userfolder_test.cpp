// SPDX-License-Identifier: GPL-3.0-or-later
// Which folder a start runs from, and the per-user copy of the shipped files.
#include "app/userfolder.h"

#include "tests/tempfolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <unistd.h>

using namespace kivalto;
namespace fs = std::filesystem;

namespace {

class UserFolder : public ::testing::Test {
protected:
    UserFolder()
        : root(temp.path()), shipped(root / "usr" / "share" / "kivalto"), user(root / "home" / ".local" / "share" / "Kivalto")
    {
        put(shipped / "sneswin.pit", "template");
        put(shipped / "ROMS" / "DEMO.SMC", "rom");
    }
    ~UserFolder() override
    {
        std::error_code ec;
        // The folder goes with `temp` once it can be written again.
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    }
    static void put(const fs::path& file, const std::string& text)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string get(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return in ? s.str() : "<missing>";
    }
    kivalto::test::TempFolder temp{"kivalto-user-"};
    fs::path root;
    fs::path shipped;
    fs::path user;
};

TEST_F(UserFolder, FolderNamesFollowXdg)
{
    EXPECT_EQ(userKivaltoFolder("/x/data", "/home/me"), fs::path("/x/data/Kivalto"));
    EXPECT_EQ(userKivaltoFolder(nullptr, "/home/me"), fs::path("/home/me/.local/share/Kivalto"));
    EXPECT_EQ(userKivaltoFolder("relative", "/home/me"), fs::path("/home/me/.local/share/Kivalto"));
    EXPECT_EQ(userKivaltoFolder("", nullptr), fs::path());
}

TEST_F(UserFolder, InstalledLayoutRunsFromTheUserCopyAndAPortableFolderFromItself)
{
    fs::create_directories(root / "usr" / "bin");
    const ProgramFolder installed = chooseProgramFolder(root / "usr" / "bin", user);
    EXPECT_EQ(installed.dir, user);
    EXPECT_EQ(installed.problem, "");
    EXPECT_EQ(get(user / "ROMS" / "DEMO.SMC"), "rom");

    EXPECT_EQ(chooseProgramFolder(shipped, user).dir, shipped);  // portable and writable
    EXPECT_EQ(chooseProgramFolder(root / "home", user).dir, root / "home");  // no shipped files anywhere
    const ProgramFolder homeless = chooseProgramFolder(root / "usr" / "bin", {});
    EXPECT_EQ(homeless.dir, shipped);
    EXPECT_NE(homeless.problem, "");
}

TEST_F(UserFolder, ReadOnlyPortableFolderRunsFromTheUserCopy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    fs::permissions(shipped, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(chooseProgramFolder(shipped, user).dir, user);
    fs::permissions(shipped, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(UserFolder, UpdatesAddNewShippedFilesAndKeepTheUsers)
{
    updateUserFolder(shipped, user);
    put(user / "sneswin.pit", "changed by the user");
    fs::remove(user / "ROMS" / "DEMO.SMC");
    put(shipped / "NEW.XPL", "plugin of a later version");
    put(shipped / "ROMS" / "NEW.NES", "new rom");
    put(user / "ROMS" / "NEW.NES", "the user's own");

    updateUserFolder(shipped, user);
    EXPECT_EQ(get(user / "sneswin.pit"), "changed by the user");
    EXPECT_FALSE(fs::exists(user / "ROMS" / "DEMO.SMC"));  // deleted by the user: stays deleted
    EXPECT_EQ(get(user / "NEW.XPL"), "plugin of a later version");
    EXPECT_EQ(get(user / "ROMS" / "NEW.NES"), "the user's own");
}

} // namespace
