// Progress of a ROM directory scan. A scan runs on the window thread; on a
// slow folder (a network share, thousands of ZIP files) it shows its
// progress in the main window's status area and lets the windows repaint
// now and then. User input waits until the scan is over, so no other
// handler runs in the middle of it.
#pragma once

#include <QElapsedTimer>
#include <cstddef>

class QProgressBar;

namespace kivalto {

class Snesmain;

class ScanProgress {
public:
    ScanProgress(Snesmain& window, std::size_t fileCount);
    ~ScanProgress();
    ScanProgress(const ScanProgress&) = delete;
    ScanProgress& operator=(const ScanProgress&) = delete;

    // After each file read.
    void filesRead(std::size_t done);

    // A scan shorter than this shows nothing; a longer one repaints at
    // most once per paint interval.
    static constexpr qint64 kShowAfterMs = 300;
    static constexpr qint64 kPaintIntervalMs = 50;

private:
    Snesmain& window_;
    std::size_t total_;
    QProgressBar* bar_ = nullptr;
    QElapsedTimer started_;
    qint64 lastPaint_ = 0;
};

} // namespace kivalto
