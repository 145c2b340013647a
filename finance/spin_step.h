// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one click on a finance window's spin button did.

namespace grovan {

enum class SpinDirection
{
    Up,
    Down,
};

/// The outcome of one spin click: whether the value changed (the window then shows it and
/// recalculates), whether the platform beep sounds, and whether the focus moves to the window's
/// OK button.
struct SpinStep
{
    bool changed = false;
    bool beep = false;
    bool focusToOk = false;

    bool operator==(const SpinStep&) const = default;
};

} // namespace grovan
