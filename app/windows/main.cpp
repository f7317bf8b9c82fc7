// SPDX-License-Identifier: GPL-3.0-or-later
// The executable: makes the program directory current, sets up the drive
// table and services, and enters the event loop.
#include "app/userfolder.h"
#include "app/windows/SnesStart.h"
#include "platform/drives.h"
#include "platform/qt/qtplatform.h"
#include "platform/textfield.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdlib>
#include <filesystem>

namespace kivalto {

namespace {

// The argument as the DOS side sees it: one pair of enclosing quotes
// removed, a host path turned into its DOS form.
std::string commandLineArgument(const DosFs& fs, int argc, char** argv)
{
    std::string arg;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            arg += ' ';
        arg += argv[i];
    }
    if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"')
        arg = arg.substr(1, arg.size() - 2);
    if (arg.empty())
        return arg;
    const std::string dos = dosFormOfHostPath(fs, arg, std::filesystem::current_path().string());
    return dos.empty() ? arg : dos;
}

// Runs Kivalto on the given command line.
int runKivalto(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const QString exe = QCoreApplication::applicationFilePath();
    const std::string appName = QFileInfo(exe).completeBaseName().toStdString();
    QtSettingsStore settings;
    DosFs fs(loadDriveTable(settings, appName), "C:\\");
    const ProgramFolder folder = chooseProgramFolder(QFileInfo(exe).absolutePath().toStdString(),
                                                     userKivaltoFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    const std::string programDir = folder.dir.string();
    auto programDos = fs.hostToDos(programDir);
    if (programDos)
        fs.setCurrentDir(*programDos);
    QtDialogs dialogs(fs);
    HostProcessStarter process(fs);
    App app(fs, settings, dialogs, process);
    app.title = "Kivalto";
    app.settingsApp = appName;
    app.commandLine = commandLineArgument(fs, argc, argv);
    prepareProgramFolder(app, folder, programDos);
    entryRoutine(app);
    int rc = 0;
    if (!app.quitRequested)
        rc = qapp.exec();
    destroyWindows(app);
    return rc;
}

} // namespace
} // namespace kivalto

int main(int argc, char** argv) { return kivalto::runKivalto(argc, argv); }
