// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtplatform.h"

#include "platform/dosbox.h"
#include "platform/hostwrite.h"
#include "platform/qt/desktophandler.h"
#include "platform/qt/text.h"
#include "platform/textfield.h"

#include <QApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>

namespace kivalto {

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder))
{
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Kivalto";
}

QString QtSettingsStore::fileFor(const std::string& app) const
{
    return folder_ + "/" + QString::fromStdString(app) + ".ini";
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section, const std::string& key,
                                 const std::string& def) const
{
    QSettings s(fileFor(app), QSettings::IniFormat);
    s.beginGroup(qs(section));
    QVariant v = s.value(qs(key));
    if (!v.isValid())
        return def;
    // An unquoted value with commas comes back from an INI file as a list.
    if (v.typeId() == QMetaType::QStringList)
        return bytes(v.toStringList().join(','));
    return bytes(v.toString());
}

bool QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    if (!QDir().mkpath(folder_))
        return false;
    QSettings s(fileFor(app), QSettings::IniFormat);
    s.beginGroup(qs(section));
    s.setValue(qs(key), qs(value));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

std::vector<std::string> QtSettingsStore::keys(const std::string& app, const std::string& section) const
{
    QSettings s(fileFor(app), QSettings::IniFormat);
    s.beginGroup(qs(section));
    std::vector<std::string> out;
    for (const QString& k : s.childKeys())
        out.push_back(bytes(k));
    return out;
}

Answer QtDialogs::messageBox(const MessageBoxCall& call)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(qs(call.title));
    box.setText(qs(call.text));
    switch (call.icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QMessageBox::StandardButton first = QMessageBox::Ok, second = QMessageBox::NoButton;
    if (call.buttons == Buttons::OkCancel)
        second = QMessageBox::Cancel;
    if (call.buttons == Buttons::YesNo) {
        first = QMessageBox::Yes;
        second = QMessageBox::No;
    }
    box.setStandardButtons(first | second);
    box.setDefaultButton(call.defaultButton == 2 && second != QMessageBox::NoButton ? second : first);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return call.buttons == Buttons::OkCancel && box.clickedButton() == nullptr ? Answer::Cancel : Answer::Ok;
    }
}

std::string QtDialogs::fileDialog(const FileDialogCall& call)
{
    // "Description|*.A;*.B" becomes "Description (*.A *.B)".
    QString filter = qs(call.filter);
    int bar = filter.indexOf('|');
    if (bar >= 0) {
        QString patterns = filter.mid(bar + 1);
        patterns.replace(';', ' ');
        filter = filter.left(bar) + " (" + patterns + ")";
    }
    QString start;
    if (auto host = fs_.resolveExisting(call.startFolder.empty() ? fs_.currentDir() : call.startFolder))
        start = QString::fromStdString(host->string());
    QFileDialog dialog(QApplication::activeWindow(), QString(), start, filter);
    dialog.setAcceptMode(call.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(call.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Masks match without regard to case, as everywhere in Kivalto.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString picked = dialog.selectedFiles().first();
    auto dos = fs_.hostToDos(picked.toStdString());
    if (!dos)
        ok("The file " + bytes(picked) +
           " is on none of Kivalto's drives. Add a drive for its folder to the section \"Drives\" of the settings "
           "file, or pick a file elsewhere.");
    return dos ? *dos : std::string();
}

std::string QtDialogs::openFile(const FileDialogCall& call) { return fileDialog(call); }

std::string QtDialogs::saveFile(const FileDialogCall& call)
{
    FileDialogCall c = call;
    c.save = true;
    return fileDialog(c);
}

void QtDialogs::beep() { QApplication::beep(); }

namespace {

// Splits a DOS command line into the program and the rest.
std::pair<std::string, std::string> splitCommand(const std::string& line)
{
    std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos)
        return {};
    std::size_t end = line.find(' ', start);
    if (end == std::string::npos)
        return {line.substr(start), {}};
    return {line.substr(start, end - start), line.substr(end + 1)};
}

bool isAbsoluteDos(const std::string& p)
{
    return (p.size() >= 2 && p[1] == ':') || (!p.empty() && p[0] == '\\');
}

// A name from a command line, taken in `folder` unless it is a full path.
std::string inFolder(const std::string& folder, const std::string& name)
{
    return isAbsoluteDos(name) ? name : joinDos(folder, name);
}

std::string extensionOf(const std::string& name)
{
    std::string file = fileNameOfDos(name);
    auto dot = file.find_last_of('.');
    return dot == std::string::npos ? std::string() : toUpper(file.substr(dot + 1));
}

const char* kNoDosbox =
    "DOSBox, which runs the DOS programs for Kivalto, was not found. Install it (on Debian: sudo apt-get install "
    "dosbox) and try again.";

// Configuration files of earlier starts: DOSBox reads its file at once, so
// anything older than an hour is left over.
void removeOldDosboxConfigs()
{
    QDir temp(QDir::tempPath());
    const auto cutoff = QDateTime::currentDateTime().addSecs(-3600);
    for (const QFileInfo& f : temp.entryInfoList({"kivalto-dosbox-*.conf"}, QDir::Files))
        if (f.lastModified() < cutoff)
            QFile::remove(f.absoluteFilePath());
}

} // namespace

StartResult HostProcessStarter::start(const std::string& commandLine, const std::string& workingDir, ShowMode mode)
{
    auto [program, rest] = splitCommand(commandLine);
    if (program.empty())
        return {false, "Nothing to start."};
    if (equalsIgnoreCase(program, "start"))
        return openDocument(inFolder(workingDir, splitCommand(rest).first));
    const std::string ext = extensionOf(program);
    if (ext == "PIF")
        return startPif(program, workingDir);
    if (ext == "EXE" || ext == "COM" || ext == "BAT" || ext.empty())
        return startDos(commandLine, workingDir, mode);
    return openDocument(inFolder(workingDir, program));
}

StartResult HostProcessStarter::startPif(const std::string& pifPath, const std::string& workingDir)
{
    const std::string path = fs_.absolute(inFolder(workingDir, pifPath));
    auto data = fs_.readText(path, kMaxTextFileBytes);
    if (!data)
        return {false, "The program information file " + path + " could not be read."};
    const PifTemplate pif = parsePifTemplate(data->bytes);
    const std::string folder = fs_.absolute(pif.folder.empty() ? parentOfDos(path) : pif.folder);
    const std::string program = splitCommand(pif.program).first;
    if (!fs_.fileExists(joinDos(folder, program)))
        return {false, "The program " + joinDos(folder, program) + " named in " + path + " was not found."};
    return startDosbox(pif.program, folder, pif.fullscreen, false);
}

StartResult HostProcessStarter::startDos(const std::string& commandLine, const std::string& workingDir, ShowMode mode,
                                         QProcess* owned)
{
    const std::string program = splitCommand(commandLine).first;
    const std::string folder = workingDir.empty() ? fs_.currentDir() : workingDir;
    if (!extensionOf(program).empty() && !fs_.fileExists(inFolder(folder, program)))
        return {false, "The program " + fs_.absolute(inFolder(folder, program)) + " was not found."};
    return startDosbox(commandLine, fs_.absolute(folder), false, mode == ShowMode::Hidden, owned);
}

StartResult HostProcessStarter::startDosbox(const std::string& command, const std::string& dosFolder, bool fullscreen,
                                            bool hidden, QProcess* owned)
{
    const QString dosbox = QStandardPaths::findExecutable("dosbox");
    if (dosbox.isEmpty())
        return {false, kNoDosbox};
    auto host = fs_.resolveExisting(dosFolder);
    if (!host)
        return {false, "The folder " + dosFolder + " was not found."};
    removeOldDosboxConfigs();
    if (auto problem = dosboxConfigProblem(fs_.driveTable(), dosFolder, host->string(), command))
        return {false, *problem};
    const std::string conf = bytes(QDir::tempPath()) + "/kivalto-dosbox-" +
                             std::to_string(QRandomGenerator::system()->generate64()) + ".conf";
    try {
        writeHostFileWhole(conf, dosboxConfig(fs_.driveTable(), dosFolder, host->string(), command));
    } catch (const FileError&) {
        return {false, "The DOSBox configuration could not be written to " + bytes(QDir::tempPath()) + "."};
    }
    QProcess detached;
    QProcess& p = owned ? *owned : detached;
    p.setProgram(dosbox);
    QStringList args;
    for (const auto& a : dosboxArguments(conf, fullscreen))
        args << QString::fromStdString(a);
    p.setArguments(args);
    p.setWorkingDirectory(QString::fromStdString(host->string()));
    if (hidden) {
        // No window: SDL's dummy video driver.
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("SDL_VIDEODRIVER", "dummy");
        p.setProcessEnvironment(env);
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    if (owned) {
        p.start();
        if (!p.waitForStarted())
            return {false, "DOSBox could not be started."};
        return {};
    }
    if (!p.startDetached())
        return {false, "DOSBox could not be started."};
    return {};
}

StartResult HostProcessStarter::openDocument(const std::string& dosPath)
{
    auto host = fs_.resolveExisting(dosPath);
    if (!host)
        return {false, "The file " + fs_.absolute(dosPath) + " was not found."};
    const QString file = QString::fromStdString(host->string());
    for (const char* viewer : {"xdg-open", "xchm"}) {
        QString exe = QStandardPaths::findExecutable(viewer);
        if (exe.isEmpty() || (exe.endsWith("xdg-open") && !desktopHasHandlerFor(file)))
            continue;
        if (QProcess::startDetached(exe, {file}))
            return {};
    }
    return {false, "No program was found to open " + fs_.absolute(dosPath) +
                       ". Install a viewer (on Debian: sudo apt-get install xchm) and try again."};
}

} // namespace kivalto
