#pragma once

class QWidget;

namespace grovan {

/// Places a top-level `window` over `mainWindow`: centred across it, its top edge a quarter of
/// the height difference down, as the About window and the disclaimer stand. Sizes are the
/// outer (frame) sizes. A window larger than the main window is kept on the main window's screen.
void placeOverMainWindow(QWidget& window, const QWidget& mainWindow);

} // namespace grovan
