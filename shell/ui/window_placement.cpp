#include "shell/ui/window_placement.h"

#include <QScreen>
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

} // namespace grovan
