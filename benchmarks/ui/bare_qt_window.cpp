// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: an empty Qt main window of the same size, shown and
// left running. benchmarks/startup_benchmark.sh starts it beside grovan.

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt main window"));
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        window.resize(std::min(1280, available.width() * 4 / 5),
                      std::min(860, available.height() * 4 / 5));
    }
    window.show();
    return QApplication::exec();
}
