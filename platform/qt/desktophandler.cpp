// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/desktophandler.h"

#include <QProcess>
#include <QStandardPaths>

namespace kivalto {

namespace {

// The first line a short query prints; empty when it fails or hangs.
QString answerOf(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

} // namespace

bool desktopHasHandlerFor(const QString& hostFile)
{
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty())
        return true;
    const QString type = answerOf(xdgMime, {"query", "filetype", hostFile});
    return !type.isEmpty() && !answerOf(xdgMime, {"query", "default", type}).isEmpty();
}

} // namespace kivalto
