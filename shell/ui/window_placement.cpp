// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/window_placement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

#include <algorithm>

namespace grovan {

void placeOverMainWindow(QWidget& window, const QWidget& mainWindow)
{
    const QRect main = mainWindow.frameGeometry();
    // A window not shown yet has no frame: reckon with the main window's.
    const QSize size = window.isVisible() ? window.frameGeometry().size()
                                          : window.size() + main.size() - mainWindow.size();
    QPoint topLeft(main.x() + (main.width() - size.width()) / 2,
                   main.y() + (main.height() - size.height()) / 4);
    if (const QScreen* screen = mainWindow.screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(std::max(available.left(),
                              std::min(topLeft.x(), available.right() + 1 - size.width())));
        topLeft.setY(std::max(available.top(),
                              std::min(topLeft.y(), available.bottom() + 1 - size.height())));
    }
    window.move(topLeft);
}

void placeNewChildWindow(QMdiArea& area, QMdiSubWindow& window)
{
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    const int step =
        std::max(8, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window));
    const QRect room = area.viewport()->rect();
    const auto taken = [&](QPoint corner) {
        for (const QMdiSubWindow* other : area.subWindowList()) {
            if (other != &window && other->isVisible() && other->pos() == corner) {
                return true;
            }
        }
        return false;
    };
    // A step the window would run past the area's right or bottom edge from is moved back in
    // far enough for the whole window to show, where it is small enough.
    const auto inside = [&](QPoint corner) {
        return QPoint(std::max(0, std::min(corner.x(), room.width() - window.width())),
                      std::max(0, std::min(corner.y(), room.height() - window.height())));
    };
    const int windows = static_cast<int>(area.subWindowList().size());
    for (int k = 0; k <= windows; ++k) {
        const QPoint corner = inside(QPoint(k * step, k * step));
        if (!taken(corner)) {
            window.move(corner);
            return;
        }
    }
    window.move(0, 0);
}

} // namespace grovan
