// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/windows/scanprogress.h"

#include "roms/windows/romcataloguemodel.h"

#include <QApplication>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

namespace kivalto {

ScanProgress::ScanProgress(QMainWindow& window, RomCatalogueModel& titles, std::size_t fileCount)
    : window_(window), titles_(titles), total_(fileCount)
{
    started_.start();
}

ScanProgress::~ScanProgress()
{
    if (!bar_)
        return;
    bar_->hide();
    window_.statusBar()->hide();
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
}

bool ScanProgress::eventFilter(QObject*, QEvent* event)
{
    // A modal window opened meanwhile (by a timer's handler) stays usable.
    if (QApplication::activeModalWidget())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

void ScanProgress::showBar()
{
    bar_ = window_.findChild<QProgressBar*>("scanProgress");
    if (!bar_) {
        bar_ = new QProgressBar;
        bar_->setObjectName("scanProgress");
        bar_->setAccessibleName("ROM directory scan");
        bar_->setFormat("Reading ROM titles: %v of %m files");
        window_.statusBar()->addWidget(bar_, 1);
    }
    bar_->setRange(0, static_cast<int>(total_));
    bar_->show();
    window_.statusBar()->show();
    titles_.clear();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
}

void ScanProgress::filesRead(std::size_t done)
{
    // Reading the clock costs more than a cached header read: look at it
    // only every few files.
    if (done < nextLook_)
        return;
    nextLook_ = done + kFilesPerLook;
    const qint64 now = started_.elapsed();
    if (now < kShowAfterMs || now - lastPaint_ < kPaintIntervalMs)
        return;
    lastPaint_ = now;
    if (!bar_)
        showBar();
    bar_->setValue(static_cast<int>(done));
    QApplication::processEvents();
}

} // namespace kivalto
