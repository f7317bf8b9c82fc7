// SPDX-License-Identifier: GPL-3.0-or-later
// Play history for launches from any window, recorded on a worker thread
// of its own so a launch never waits for a ROM to be hashed. Calls are
// handled in the order made. Without library.db nothing is written.
//
//   const int run = recorder.launched(romHostPath);   // after the emulator started
//   ...
//   recorder.ended(run, seconds);                     // a native run's end, when seen
#pragma once

#include <QObject>
#include <QThread>
#include <filesystem>
#include <map>
#include <string>

namespace kivalto {

class PlayRecorder : public QObject {
    Q_OBJECT
public:
    // `programDir`: Kivalto's folder (where library.db is).
    explicit PlayRecorder(std::filesystem::path programDir, QObject* parent = nullptr);
    ~PlayRecorder() override;

    // One more play of the ROM, now; returns the run's number for ended().
    int launched(const std::filesystem::path& rom);
    // Adds the run's play time. A run never ended counts as a play with no time.
    void ended(int run, long long seconds);
    // Waits until every call so far has been recorded (tests).
    void waitUntilRecorded();

signals:
    // A play was recorded (or found nothing to record); on the worker thread.
    void recorded();

private:
    std::filesystem::path programDir_;
    QThread thread_;
    QObject* worker_;                 // lives on thread_
    std::map<int, std::string> keys_; // run -> ROM key; used on thread_ only
    int nextRun_ = 1;
};

} // namespace kivalto
