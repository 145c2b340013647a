// SPDX-License-Identifier: GPL-3.0-or-later
// What the yardsticks for grovan's start-up (bare_qt_window, floor_qt_window) have of grovan's
// main window: its size, and a menu bar of text as large as grovan's.
#pragma once

#include "shell/ui/main_window_size.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace yardstick {

/// Eight menus of four commands: as many menus as grovan's, and some thirty commands.
inline void addMenuBar(QMainWindow& window)
{
    for (int menu = 1; menu <= 8; ++menu) {
        QMenu* items = window.menuBar()->addMenu(QStringLiteral("&Menu %1").arg(menu));
        for (int item = 1; item <= 4; ++item) {
            items->addAction(QStringLiteral("Command %1").arg(item));
        }
    }
}

/// The size grovan's main window opens with on the window's screen.
inline void sizeAsGrovan(QMainWindow& window)
{
    if (const QScreen* screen = window.screen()) {
        window.resize(grovan::mainWindowSize(screen->availableGeometry()));
    }
}

} // namespace yardstick
