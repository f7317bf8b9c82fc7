// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of a ROM directory scan. A scan runs on the window thread; on a
// slow folder (a network share, thousands of ZIP files) it shows its
// progress in the main window's status area, empties the title list as the
// scan begins, and lets the windows repaint now and then. Clicks and keys
// meanwhile are dropped (a busy cursor shows), so no other handler runs in
// the middle of the scan and nothing aimed at the old list lands on the new.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstddef>

class QMainWindow;
class QProgressBar;

namespace kivalto {

class RomCatalogueModel;

class ScanProgress : public QObject {
public:
    // Shown in `window`'s status bar; `titles` empties as the scan begins.
    ScanProgress(QMainWindow& window, RomCatalogueModel& titles, std::size_t fileCount);
    ~ScanProgress() override;

    // After each file read.
    void filesRead(std::size_t done);

    // A scan shorter than this shows nothing; a longer one repaints at
    // most once per paint interval.
    static constexpr qint64 kShowAfterMs = 300;
    static constexpr qint64 kPaintIntervalMs = 50;
    // The clock is read after the first file and then every this many.
    static constexpr std::size_t kFilesPerLook = 8;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showBar();

    QMainWindow& window_;
    RomCatalogueModel& titles_;
    std::size_t total_;
    QProgressBar* bar_ = nullptr;
    QElapsedTimer started_;
    qint64 lastPaint_ = 0;
    std::size_t nextLook_ = 0;
};

} // namespace kivalto
