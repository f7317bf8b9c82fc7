#include "app/windows/kivaltomain.h"

#include "app/textfield.h"
#include "app/windows/SnesStart.h"
#include "platform/drives.h"
#include "platform/windows/qtplatform.h"

#include <QApplication>
#include <QFileInfo>
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

} // namespace

int runKivalto(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const QString exe = QCoreApplication::applicationFilePath();
    const std::string appName = QFileInfo(exe).completeBaseName().toStdString();
    QtSettingsStore settings;
    DosFs fs(loadDriveTable(settings, appName), "C:\\");
    const std::string programDir = QFileInfo(exe).absolutePath().toStdString();
    auto programDos = fs.hostToDos(programDir);
    if (programDos)
        fs.setCurrentDir(*programDos);
    QtDialogs dialogs(fs);
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

} // namespace kivalto
