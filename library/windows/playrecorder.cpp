// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/windows/playrecorder.h"

#include "library/playlog.h"

#include <ctime>

namespace kivalto {

PlayRecorder::PlayRecorder(std::filesystem::path programDir, QObject* parent)
    : QObject(parent), programDir_(std::move(programDir)), worker_(new QObject)
{
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

PlayRecorder::~PlayRecorder()
{
    // Queued behind what was asked for, so all of it is recorded first.
    QMetaObject::invokeMethod(worker_, [this] { thread_.quit(); }, Qt::QueuedConnection);
    thread_.wait();
}

int PlayRecorder::launched(const std::filesystem::path& rom)
{
    const int run = nextRun_++;
    const auto now = static_cast<std::int64_t>(std::time(nullptr));
    QMetaObject::invokeMethod(worker_, [this, run, rom, now] {
        keys_[run] = recordPlayStart(programDir_, rom, now);
        emit recorded();
    }, Qt::QueuedConnection);
    return run;
}

void PlayRecorder::ended(int run, long long seconds)
{
    QMetaObject::invokeMethod(worker_, [this, run, seconds] {
        const auto it = keys_.find(run);
        if (it != keys_.end()) {
            recordPlayEnd(programDir_, it->second, seconds);
            keys_.erase(it);
        }
    }, Qt::QueuedConnection);
}

void PlayRecorder::waitUntilRecorded()
{
    QMetaObject::invokeMethod(worker_, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace kivalto
