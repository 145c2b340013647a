// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <algorithm>

namespace grovan {

/// The size the main window opens with on a screen whose available area is `available`: four
/// fifths of it across and down, at most 1280 × 860. Header-only, so that the yardsticks of the
/// start-up benchmark open at the same size without linking the program.
inline QSize mainWindowSize(const QRect& available)
{
    return {std::min(1280, available.width() * 4 / 5), std::min(860, available.height() * 4 / 5)};
}

} // namespace grovan
