#include "platform/windows/qtplatform.h"

#include "app/textfield.h"
#include "platform/windows/text.h"

#include <QApplication>
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
    return v.isValid() ? bytes(v.toString()) : def;
}

void QtSettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& value)
{
    QDir().mkpath(folder_);
    QSettings s(fileFor(app), QSettings::IniFormat);
    s.beginGroup(qs(section));
    s.setValue(qs(key), qs(value));
    s.endGroup();
    s.sync();
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
    dialog.setFilter(dialog.filter() | QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    auto dos = fs_.hostToDos(dialog.selectedFiles().first().toStdString());
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

std::string extensionOf(const std::string& name)
{
    std::string file = fileNameOfDos(name);
    auto dot = file.find_last_of('.');
    return dot == std::string::npos ? std::string() : toUpper(file.substr(dot + 1));
}

QString dosboxProgram()
{
    QString p = QStandardPaths::findExecutable("dosbox");
    return p;
}

const char* kNoDosbox =
    "DOSBox, which runs the DOS programs for Kivalto, was not found. Install it (on Debian: sudo apt-get install "
    "dosbox) and try again.";

} // namespace

QStringList HostProcessStarter::dosboxArguments(const std::string& dosCommand, const std::string& dosFolder,
                                                bool fullscreen, bool exitAfter) const
{
    QStringList args;
    args << "-noconsole";
    if (fullscreen)
        args << "-fullscreen";
    for (auto& [letter, host] : fs_.driveTable().drives())
        args << "-c" << QString("mount %1 \"%2\"").arg(QChar(letter), QString::fromStdString(host.string()));
    const std::string folder = fs_.absolute(dosFolder);
    args << "-c" << QString::fromStdString(folder.substr(0, 2));
    args << "-c" << qs("cd " + (folder.size() > 3 ? folder.substr(2) : std::string("\\")));
    args << "-c" << qs(dosCommand);
    if (exitAfter)
        args << "-c" << "exit";
    return args;
}

StartResult HostProcessStarter::start(const std::string& commandLine, const std::string& workingDir, ShowMode mode)
{
    auto [program, rest] = splitCommand(commandLine);
    if (program.empty())
        return {false, "Nothing to start."};
    if (equalsIgnoreCase(program, "start"))
        return openDocument(joinDos(workingDir, splitCommand(rest).first));
    const std::string ext = extensionOf(program);
    if (ext == "PIF")
        return startPif(program, workingDir);
    if (ext == "EXE" || ext == "COM" || ext == "BAT" || ext.empty())
        return startDos(commandLine, workingDir, mode);
    return openDocument(joinDos(workingDir, program));
}

StartResult HostProcessStarter::startPif(const std::string& pifPath, const std::string& workingDir)
{
    const std::string path = fs_.absolute(pifPath.find('\\') == std::string::npos ? joinDos(workingDir, pifPath) : pifPath);
    auto data = fs_.readAll(path);
    if (!data)
        return {false, "The program information file " + path + " could not be read."};
    // key=value lines; see the shipped sneswin.pit.
    std::string program = "snesexec.bat";
    std::string folder = parentOfDos(path);
    bool fullscreen = false;
    for (auto& line : readAllFields(*data)) {
        auto eq = line.find('=');
        if (line.empty() || line[0] == ';' || eq == std::string::npos)
            continue;
        std::string key = toLower(line.substr(0, eq)), value = line.substr(eq + 1);
        if (key == "program")
            program = value;
        else if (key == "folder" && !value.empty())
            folder = value;
        else if (key == "mode")
            fullscreen = equalsIgnoreCase(value, "msdos");
    }
    QString dosbox = dosboxProgram();
    if (dosbox.isEmpty())
        return {false, kNoDosbox};
    if (!QProcess::startDetached(dosbox, dosboxArguments(program, folder, fullscreen, true)))
        return {false, "DOSBox could not be started."};
    return {};
}

StartResult HostProcessStarter::startDos(const std::string& commandLine, const std::string& workingDir, ShowMode mode)
{
    QString dosbox = dosboxProgram();
    if (dosbox.isEmpty())
        return {false, kNoDosbox};
    QProcess p;
    p.setProgram(dosbox);
    p.setArguments(dosboxArguments(commandLine, workingDir, false, true));
    if (mode == ShowMode::Hidden) {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("SDL_VIDEODRIVER", "dummy");
        p.setProcessEnvironment(env);
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
    for (const char* viewer : {"xdg-open", "xchm"}) {
        QString exe = QStandardPaths::findExecutable(viewer);
        if (!exe.isEmpty() && QProcess::startDetached(exe, {QString::fromStdString(host->string())}))
            return {};
    }
    return {false, "No program was found to open " + fs_.absolute(dosPath) +
                       ". Install a viewer (on Debian: sudo apt-get install xchm) and try again."};
}

} // namespace kivalto
