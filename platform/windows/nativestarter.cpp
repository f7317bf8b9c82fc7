// Native programs: started detached (platform/nativeprocess.h); for about
// three seconds the event loop listens for an early end, so that a program
// that fails at once is reported instead of vanishing silently.
#include "platform/nativeprocess.h"
#include "platform/windows/qtplatform.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <unistd.h>

namespace kivalto {

namespace {

constexpr int kEarlyEndMs = 3000;

// Owns the status pipe while it is listened to; closes it when done.
class EarlyEndWatch final : public QObject {
public:
    EarlyEndWatch(int fd, std::function<void(int)> onFailure)
        : QObject(QCoreApplication::instance()), fd_(fd), notifier_(fd, QSocketNotifier::Read, this),
          onFailure_(std::move(onFailure))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &EarlyEndWatch::readStatus);
        QTimer::singleShot(kEarlyEndMs, this, [this] { finish(); });
    }
    ~EarlyEndWatch() override { ::close(fd_); }

private:
    void readStatus()
    {
        bool closed = false;
        if (auto status = readEndStatus(fd_, closed)) {
            finish();
            if (*status != 0 && onFailure_)
                onFailure_(*status);
        } else if (closed) {
            finish();
        }
    }
    void finish()
    {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    QSocketNotifier notifier_;
    std::function<void(int)> onFailure_;
};

} // namespace

StartResult HostProcessStarter::startNative(const NativeStart& start)
{
    DetachedStart started = startDetached(start);
    if (started.result.ok)
        new EarlyEndWatch(started.statusFd, start.earlyFailure);
    return started.result;
}

} // namespace kivalto
