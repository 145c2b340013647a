// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace grovan {

/// Twips (1 440 to the inch) to pixels at the screen resolution of `widget`, for the positions
/// and widths a window's layout is given in.
inline int twipsToPixels(int twips, const QWidget* widget)
{
    return qRound(twips * widget->logicalDpiY() / 1440.0);
}

} // namespace grovan
