// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt program of Kivalto's kind does to start: a QApplication,
// a main window with one list, shown; then it writes a file and ends.
// startup_bench times Kivalto's start-up against this.
//   startup_floor FILE
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QMainWindow window;
    auto* list = new QListWidget;
    list->addItem("entry");
    window.setCentralWidget(list);
    window.show();
    const QString target = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, [&target] {
        QFile out(target);
        if (out.open(QIODevice::WriteOnly))
            out.write("@echo off\r\n");
        QApplication::quit();
    });
    return app.exec();
}
