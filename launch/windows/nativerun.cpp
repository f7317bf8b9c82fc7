// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/windows/nativerun.h"

#include "app/windows/App.h"
#include "launch/copierheader.h"
#include "launch/libretrocore.h"
#include "launch/nativelaunch.h"
#include "launch/romunpack.h"
#include "platform/nativeprocess.h"

#include <cstdlib>
#include <fstream>
#include <memory>

namespace kivalto {

// The host's file system; app.fs is the DOS view of it.
namespace stdfs = std::filesystem;

namespace {

constexpr std::size_t kLogLines = 8;

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

// The last lines a program wrote, for the error window.
std::string lastLines(const stdfs::path& log)
{
    std::ifstream in(log, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(std::max<std::streamoff>(0, size - 4096));
    std::string tail((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r'))
        tail.pop_back();
    std::size_t start = tail.size(), lines = 0;
    while (start > 0 && lines < kLogLines)
        if (tail[--start] == '\n' && ++lines == kLogLines)
            ++start;
    return tail.substr(start);
}

stdfs::path folderOr(const std::optional<stdfs::path>& folder, const stdfs::path& fallback)
{
    std::error_code ec;
    return folder && stdfs::is_directory(*folder, ec) ? *folder : fallback;
}

} // namespace

bool askUnpackGzip(App& app)
{
    return app.dialogs.messageBox({"You have selected a GZip file. Do you wish to unzip this file before running it.",
                                   app.title, Buttons::YesNo, Icon::None, 2}) == Answer::Yes;
}

namespace {

// The road of a launch: the native program's host path, or none, with
// `reported` telling that a message has already ended the launch.
struct Road {
    std::optional<std::string> nativeProgram;
    bool reported = false;
};

Road chooseRoad(App& app, const LaunchInputs& in)
{
    const char* pathList = std::getenv("PATH");
    const ProgramSearch search = findProgram(app.fs, in.emulatorDir, in.exeName, pathList ? pathList : "");
    if (!search.found) {
        if (missingProgramIsDos(app.fs, in.emulatorDir, in.exeName))
            return {};
        app.showError("The emulator program " + in.exeName + " was not found. Kivalto looked in " +
                      joined(search.searched) + ". Install the emulator, or correct the directory or the " +
                      "program name of its plugin.");
        return {std::nullopt, true};
    }
    const std::string program = search.found->string();
    switch (programKind(*search.found)) {
    case ProgramKind::Dos: return {};
    case ProgramKind::Windows:
        app.showError("The emulator " + program + " is a Windows program: DOSBox cannot run it, so Kivalto " +
                      "cannot start it. Use a version of the emulator for this system or for DOS.");
        return {std::nullopt, true};
    case ProgramKind::Native: break;
    }
    return {program, false};
}

// Unpacks an archived ROM into a private folder that goes when the
// emulator ends, and points the ROM argument at it. False after reporting.
bool unpackForLaunch(App& app, const stdfs::path& romHost, const std::string& romDos, NativeLaunch& launch,
                     NativeStart& start)
{
    if (launch.unpack == UnpackKind::None || !launch.romArgument)
        return true;
    std::error_code ec;
    const UnpackedRom unpacked =
        unpackRom(romHost, launch.unpack, app.selection.plugin().fileSpec, stdfs::temp_directory_path(ec));
    if (!unpacked.error.empty()) {
        app.showError("The archive " + romDos + " could not be unpacked (" + unpacked.error +
                      "); it may be damaged. Nothing was started.");
        return false;
    }
    launch.arguments[*launch.romArgument] = unpacked.rom.string();
    start.removeAfterwards = unpacked.folder.string();
    return true;
}

// Gives a bsnes core a SNES image without its copier header. False after
// reporting.
bool dropCopierHeader(App& app, const std::string& program, const std::string& romDos, NativeLaunch& launch,
                      NativeStart& start)
{
    if (!launch.romArgument || !coreWantsHeaderlessSnes(program, launch.arguments))
        return true;
    std::error_code ec;
    const HeaderlessRom rom =
        withoutCopierHeader(launch.arguments[*launch.romArgument], start.removeAfterwards, stdfs::temp_directory_path(ec));
    if (!rom.error.empty()) {
        removeFolderTree(start.removeAfterwards);
        app.showError("The ROM " + romDos + " could not be copied without its copier header (" + rom.error +
                      "). Nothing was started.");
        return false;
    }
    launch.arguments[*launch.romArgument] = rom.rom.string();
    if (!rom.folder.empty())
        start.removeAfterwards = rom.folder.string();
    return true;
}

// Starts the program with its output in `log`; an early failure shows the
// log's last lines. A started run counts as a play of the ROM, and its end
// adds the time played.
void startLogged(App& app, NativeStart& start, const stdfs::path& log, const std::string& romDos)
{
    auto run = std::make_shared<int>(0);
    start.ended = [&app, run](long long seconds) { app.playEnded(*run, seconds); };
    start.logFile = log.string();
    start.earlyFailure = [&app, log](int status) {
        const std::string lines = lastLines(log);
        app.showError("The emulator ended at once with status " + std::to_string(status) + "." +
                      (lines.empty() ? " It wrote nothing to " + log.string() + "."
                                     : " The last lines it wrote to " + log.string() + ":\n" + lines));
    };
    const StartResult started = app.process.startNative(start);
    if (!started.ok) {
        removeFolderTree(start.removeAfterwards);
        app.showError("The emulator could not be started. " + started.error);
        return;
    }
    *run = app.playStarted(romDos);
}

} // namespace

bool runNativeEmulator(App& app, LaunchInputs& in)
{
    const Road road = chooseRoad(app, in);
    if (!road.nativeProgram)
        return road.reported;
    const std::string romDos = joinDos(in.romDir, in.romFile);
    const auto romHost = app.fs.resolveExisting(romDos);
    if (!romHost) {
        app.showError("The ROM " + romDos + " was not found.");
        return true;
    }
    if (const auto core = missingLibretroCore(*road.nativeProgram, buildNativeLaunch(in, *romHost, {}).arguments)) {
        app.showError(missingCoreMessage(*core));
        return true;
    }
    if (isGzipLaunch(in))
        in.unpackGzip = askUnpackGzip(app);
    const stdfs::path kivaltoFolder = folderOr(app.fs.resolveExisting(app.fs.currentDir()), "/");
    NativeLaunch launch =
        buildNativeLaunch(in, *romHost, folderOr(app.fs.resolveExisting(in.emulatorDir), kivaltoFolder));
    NativeStart start;
    if (!unpackForLaunch(app, *romHost, romDos, launch, start) ||
        !dropCopierHeader(app, *road.nativeProgram, romDos, launch, start))
        return true;
    start.program = *road.nativeProgram;
    start.arguments = launch.arguments;
    start.workingDir = launch.workingDir.string();
    startLogged(app, start, kivaltoFolder / kEmulatorLog, romDos);
    return true;
}

} // namespace kivalto
