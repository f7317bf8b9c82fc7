// SPDX-License-Identifier: GPL-3.0-or-later
// Native programs: started detached (platform/nativeprocess.h). The event
// loop collects each started process when it ends, and a program that
// fails within about three seconds is reported instead of vanishing
// silently.
#include "platform/nativeprocess.h"
#include "platform/qt/qtplatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <unistd.h>

namespace kivalto {

namespace {

constexpr qint64 kEarlyEndMs = 3000;

// Waits for one child process to end (through its pid descriptor, or by
// polling where there is none), collects it and deletes itself.
class ChildWatch final : public QObject {
public:
    // `since` runs from before the start was asked for: the child may
    // already have been running a while when the start returns.
    ChildWatch(int pid, int pidFd, QElapsedTimer since, std::function<void(int)> onEarlyFailure,
               std::function<void(long long)> onEnd)
        : QObject(QCoreApplication::instance()), pid_(pid), pidFd_(pidFd), onEarlyFailure_(std::move(onEarlyFailure)),
          onEnd_(std::move(onEnd)), since_(since)
    {
        if (pidFd_ >= 0) {
            notifier_ = std::make_unique<QSocketNotifier>(pidFd_, QSocketNotifier::Read);
            connect(notifier_.get(), &QSocketNotifier::activated, this, &ChildWatch::check);
        } else {
            auto* poll = new QTimer(this);
            connect(poll, &QTimer::timeout, this, &ChildWatch::check);
            poll->start(250);
        }
    }
    ~ChildWatch() override
    {
        notifier_.reset();
        if (pidFd_ >= 0)
            ::close(pidFd_);
    }

private:
    void check()
    {
        const auto status = endStatus(pid_);
        if (!status)
            return;
        if (notifier_)
            notifier_->setEnabled(false);
        deleteLater();
        if (onEnd_)
            onEnd_(since_.elapsed() / 1000);
        if (*status != 0 && since_.elapsed() <= kEarlyEndMs && onEarlyFailure_)
            onEarlyFailure_(*status);
    }

    int pid_;
    int pidFd_;
    std::function<void(int)> onEarlyFailure_;
    std::function<void(long long)> onEnd_;
    QElapsedTimer since_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace

StartResult HostProcessStarter::startNative(const NativeStart& start)
{
    QElapsedTimer since;
    since.start();
    const DetachedStart started = startDetached(start);
    if (!started.result.ok)
        return started.result;
    new ChildWatch(started.pid, started.pidFd, since, start.earlyFailure, start.ended);
    if (started.cleanerPid > 0)
        new ChildWatch(started.cleanerPid, started.cleanerPidFd, since, {}, {});
    return started.result;
}

} // namespace kivalto
