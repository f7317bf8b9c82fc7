// SPDX-License-Identifier: GPL-3.0-or-later
// Qt implementations of the platform services.
#pragma once

#include "platform/dosfs.h"
#include "platform/services.h"

#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

class QWidget;

namespace kivalto {

// Per-user INI file through QSettings: <config>/<app>.ini, [section] key=value.
class QtSettingsStore final : public SettingsStore {
public:
    // An empty folder means the user's standard configuration folder.
    explicit QtSettingsStore(QString folder = {});
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& def) const override;
    bool save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::vector<std::string> keys(const std::string& app, const std::string& section) const override;

private:
    QString fileFor(const std::string& app) const;
    QString folder_;
};

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(DosFs& fs) : fs_(fs) {}
    Answer messageBox(const MessageBoxCall& call) override;
    std::string openFile(const FileDialogCall& call) override;
    std::string saveFile(const FileDialogCall& call) override;
    void beep() override;

private:
    std::string fileDialog(const FileDialogCall& call);
    DosFs& fs_;
};

// Starts programs detached. DOS programs and the .PIF launches run in
// DOSBox with every drive of the drive table mounted (platform/dosbox.h):
// a .PIF runs what its text names, in a window or full-screen; a hidden
// start runs DOSBox without a window. "start <document>" and other files
// open in the desktop's viewer (xdg-open, else xchm).
class HostProcessStarter final : public ProcessStarter {
public:
    explicit HostProcessStarter(DosFs& fs) : fs_(fs) {}
    StartResult start(const std::string& commandLine, const std::string& workingDir, ShowMode mode) override;
    StartResult startNative(const NativeStart& start) override;  // nativestarter.cpp
    // DOS programs only (hostprogram.cpp).
    std::unique_ptr<Stoppable> startStoppable(const std::string& commandLine, const std::string& workingDir,
                                              ShowMode mode, StartResult& result) override;

private:
    StartResult startPif(const std::string& pifPath, const std::string& workingDir);
    // With `owned`, DOSBox runs as that process instead of detached.
    StartResult startDos(const std::string& commandLine, const std::string& workingDir, ShowMode mode,
                         QProcess* owned = nullptr);
    StartResult startDosbox(const std::string& command, const std::string& dosFolder, bool fullscreen, bool hidden,
                            QProcess* owned = nullptr);
    StartResult openDocument(const std::string& dosPath);
    DosFs& fs_;
};

} // namespace kivalto
