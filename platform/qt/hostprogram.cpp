// SPDX-License-Identifier: GPL-3.0-or-later
// Programs Kivalto stops again itself (the jukebox's player): DOSBox runs
// as a child process that is ended when its handle goes, so quitting
// Kivalto never leaves music playing.
#include "platform/qt/qtplatform.h"

#include <QProcess>

namespace kivalto {

namespace {

class OwnedProcess final : public ProcessStarter::Stoppable {
public:
    QProcess process;
    ~OwnedProcess() override
    {
        if (process.state() == QProcess::NotRunning)
            return;
        // DOSBox closes cleanly on a termination request; kill it if not.
        process.terminate();
        if (!process.waitForFinished(1000)) {
            process.kill();
            process.waitForFinished(1000);
        }
    }
};

} // namespace

std::unique_ptr<ProcessStarter::Stoppable> HostProcessStarter::startStoppable(const std::string& commandLine,
                                                                            const std::string& workingDir,
                                                                            ShowMode mode, StartResult& result)
{
    auto owned = std::make_unique<OwnedProcess>();
    result = startDos(commandLine, workingDir, mode, &owned->process);
    if (!result.ok)
        return nullptr;
    return owned;
}

} // namespace kivalto
