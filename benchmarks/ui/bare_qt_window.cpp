// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: an empty Qt main window of the same size, shown and
// left running. benchmarks/startup_benchmark.sh starts it beside grovan.
//
//   bare_qt_window              the bare window, which draws no text at all
//   bare_qt_window --menu-bar   the same with a menu bar of eight menus and some thirty commands,
//                               as grovan's: what a window costs once it shows text (the fonts)

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt main window"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--menu-bar"))) {
        for (int menu = 1; menu <= 8; ++menu) {
            QMenu* items = window.menuBar()->addMenu(QStringLiteral("&Menu %1").arg(menu));
            for (int item = 1; item <= 4; ++item) {
                items->addAction(QStringLiteral("Command %1").arg(item));
            }
        }
    }
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        window.resize(std::min(1280, available.width() * 4 / 5),
                      std::min(860, available.height() * 4 / 5));
    }
    window.show();
    return QApplication::exec();
}
