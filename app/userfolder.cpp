// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/userfolder.h"

#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace kivalto {

namespace fs = std::filesystem;

namespace {

// A folder holds Kivalto's shipped files when it holds a launch template.
bool holdsShippedFiles(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_regular_file(dir / "sneswin.pit", ec);
}

bool writable(const fs::path& dir) { return ::access(dir.c_str(), W_OK) == 0; }

std::set<std::string> readList(const fs::path& file)
{
    std::set<std::string> names;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            names.insert(line);
    }
    return names;
}

void writeList(const fs::path& file, const std::set<std::string>& names)
{
    std::ostringstream text;
    for (const std::string& n : names)
        text << n << "\r\n";
    const fs::path temp = file.string() + ".kivalto-tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush())
            throw fs::filesystem_error("cannot write", temp, std::make_error_code(std::errc::io_error));
    }
    fs::rename(temp, file);
}

} // namespace

fs::path userKivaltoFolder(const char* xdgDataHome, const char* home)
{
    // XDG: a relative value is invalid and is ignored.
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "Kivalto";
    if (home && *home)
        return fs::path(home) / ".local" / "share" / "Kivalto";
    return {};
}

ProgramFolder chooseProgramFolder(const fs::path& exeDir, const fs::path& userFolder)
{
    fs::path shipped = exeDir;
    if (holdsShippedFiles(exeDir)) {
        if (writable(exeDir))
            return {exeDir, {}};
    } else {
        shipped = (exeDir / ".." / "share" / "kivalto").lexically_normal();
        if (!holdsShippedFiles(shipped))
            return {exeDir, {}};
    }
    if (userFolder.empty())
        return {shipped, "Neither XDG_DATA_HOME nor HOME names a folder for Kivalto's own files."};
    try {
        updateUserFolder(shipped, userFolder);
    } catch (const fs::filesystem_error& e) {
        return {shipped, "The Kivalto folder " + userFolder.string() + " could not be set up: " + e.what()};
    }
    return {userFolder, {}};
}

void updateUserFolder(const fs::path& shipped, const fs::path& user)
{
    fs::create_directories(user);
    const fs::path listFile = user / kShippedList;
    std::set<std::string> received = readList(listFile);
    bool changed = false;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(shipped)) {
        const fs::path rel = e.path().lexically_relative(shipped);
        const fs::path target = user / rel;
        if (e.is_directory() || !received.insert(rel.generic_string()).second)
            continue;
        changed = true;
        // A copy is writable whatever the shipped file's mode (the shipped
        // files are read-only for users).
        if (!fs::exists(fs::symlink_status(target))) {
            fs::create_directories(target.parent_path());
            fs::copy_file(e.path(), target);
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
        }
    }
    if (changed)
        writeList(listFile, received);
}

} // namespace kivalto
