// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace grovan {

/// Places a top-level `window` over `mainWindow`: centred across it, its top edge a quarter of
/// the height difference down, as the About window and the disclaimer stand. Sizes are the
/// outer (frame) sizes. A window larger than the main window is kept on the main window's screen.
void placeOverMainWindow(QWidget& window, const QWidget& mainWindow);

/// Places a child window just added to `area` at the first step of the cascade (each step a
/// title bar's height down and to the right of the one before, from the area's top-left corner)
/// where no other child window stands, so that new windows never open exactly over one another.
/// A step from which the window would run past the area's right or bottom edge is moved back
/// far enough for the whole window to show (as far as the top-left corner, for a window larger
/// than the area).
void placeNewChildWindow(QMdiArea& area, QMdiSubWindow& window);

} // namespace grovan
