// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The car allowance calculator's application-wide values: what the window shows outlives the
// window, and only start-up and "&Initialise All" reset it.

#include "vehicle/car_allowance_calculator.h"

namespace grovan {

struct CarAllowanceState
{
    CarAllowanceInputs inputs;
    CarAllowanceResults results;

    /// Start-up and "&Initialise All": an empty description, `AccurateRecordKept` No, both include
    /// options ticked, every amount, distance and result 0.
    void initialiseAll();

    /// The window opens on the stored values: the period becomes the whole tax year again (the
    /// dates are the window's own and are not kept), the print panel's name is empty, and the
    /// window calculates.
    void open();

    /// `CalcCarAllowance`: on "&Calculate", the Enter key, a click of either include box, "&OK",
    /// closing the window, and "&Print" before the print panel shows. Choosing "&Yes" or "&No"
    /// changes the layout only and does not calculate.
    void calculate();
};

} // namespace grovan
