// The executable: makes the program directory current, sets up the drive
// table and services, and enters the event loop.
#include "app/pathsettings.h"
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

// A folder without paths.dat gets one that opens its own ROMS folder; so
// does a copied folder whose paths.dat is still the default of the old one.
void preparePathsFile(const DosFs& fs, Dialogs& dialogs, const std::string& dosDir)
{
    const bool exists = fs.fileExists("paths.dat");
    const auto current = exists ? fs.readAll("paths.dat") : std::nullopt;
    if (exists && !current)
        return;
    const auto bytes = pathsFileForFolder(current, dosDir);
    if (!bytes)
        return;
    try {
        fs.writeWhole("paths.dat", *bytes);
    } catch (const FileError& e) {
        dialogs.ok(std::string("The paths file paths.dat could not be written in ") + dosDir + ": " + e.what());
    }
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
    if (!folder.problem.empty())
        dialogs.ok(folder.problem + " Kivalto runs from " + programDir + " and may not be able to save its settings.");
    else if (programDos)
        preparePathsFile(fs, dialogs, *programDos);
    if (!programDos)
        dialogs.ok("The Kivalto directory " + programDir +
                   " is on none of Kivalto's drives, so its files cannot be found. Add a drive for it to the "
                   "section \"Drives\" of the settings file.");
    HostProcessStarter process(fs);
    App app(fs, settings, dialogs, process);
    app.title = "Kivalto";
    app.settingsApp = appName;
    app.commandLine = commandLineArgument(fs, argc, argv);
    EntryRoutine(app);
    int rc = 0;
    if (!app.quitRequested)
        rc = qapp.exec();
    destroyWindows(app);
    return rc;
}

} // namespace
} // namespace kivalto

int main(int argc, char** argv) { return kivalto::runKivalto(argc, argv); }
