// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: an empty Qt main window of the same size, shown and
// left running. benchmarks/startup_benchmark.sh starts it beside grovan.
//
//   bare_qt_window              the bare window, which draws no text at all
//   bare_qt_window --menu-bar   the same with a menu bar of eight menus and some thirty commands,
//                               as grovan's: what a window costs once it shows text (the fonts)

#include "benchmarks/ui/yardstick_window.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt main window"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--menu-bar"))) {
        yardstick::addMenuBar(window);
    }
    yardstick::sizeAsGrovan(window);
    window.show();
    return QApplication::exec();
}
