// SPDX-License-Identifier: GPL-3.0-or-later
// What a program that shows grovan's main window and nothing more costs at start-up, beside the
// bare Qt main window (bare_qt_window.cpp) that benchmarks/startup_benchmark.sh measures grovan
// against: the same window of the same size with a menu bar of eight menus and some thirty
// commands, as grovan's, grovan's child-window area showing the picture, and one row read from a
// SQLite database before it shows, as grovan reads its start-up state. What grovan takes beyond it
// is its own code and work.
//
//   floor_qt_window --picture FILE --database FILE

#include "benchmarks/ui/yardstick_window.h"
#include "shell/ui/background_mdi_area.h"

#include <QApplication>
#include <QMainWindow>

#include <sqlite3.h>

#include <cstdio>

namespace {

// The value of the option NAME, or an empty string.
QString option(const QStringList& arguments, const QString& name)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

// Reads the start-up state's row, as grovan reads it.
bool readOneRow(const QString& file)
{
    sqlite3* database = nullptr;
    sqlite3_stmt* row = nullptr;
    const bool read = sqlite3_open_v2(file.toLocal8Bit().constData(), &database,
                                      SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
                      sqlite3_prepare_v2(database, "SELECT * FROM Startup LIMIT 1", -1, &row,
                                         nullptr) == SQLITE_OK &&
                      sqlite3_step(row) == SQLITE_ROW;
    sqlite3_finalize(row);
    sqlite3_close(database);
    return read;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor Qt main window"));
    yardstick::addMenuBar(window);
    const QString database = option(arguments, QStringLiteral("--database"));
    if (!readOneRow(database)) {
        std::fprintf(stderr, "no row read from %s\n", qPrintable(database));
        return 1;
    }
    const QString picture = option(arguments, QStringLiteral("--picture"));
    auto* area = new grovan::BackgroundMdiArea(&window);
    area->setPictureFile(picture);
    if (!area->hasPicture()) {
        std::fprintf(stderr, "no picture in %s\n", qPrintable(picture));
        return 1;
    }
    window.setCentralWidget(area);
    yardstick::sizeAsGrovan(window);
    window.show();
    return QApplication::exec();
}
