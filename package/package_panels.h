// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the package windows' panels and their warning label show, decided here so that a window
// only shows it: the R/A explanation panel's lines, the place of the button row, which buttons a
// panel disables, and the print panel's texts.

#include "package/package_calculator.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace grovan {

/// The R/A explanation panel (frame "R/A Explained(Annual Figures Shown)", `cmdRAExpl` opens it
/// and `cmdRAOK` "&OK" hides it; it disables nothing).
inline constexpr std::string_view kRAPanelCaption = "R/A Explained(Annual Figures Shown)";

/// The six lines of the R/A panel by line number; top to bottom they stand in the order 0, 1, 4,
/// 2, 3, 5 (`kRALineOrder`).
using RALines = std::array<std::string, 6>;
inline constexpr std::array<int, 6> kRALineOrder{0, 1, 4, 2, 3, 5};

/// The panel's lines, every figure annual (a monthly window's monthly amounts x 12), amounts
/// formatted "### ### ##0.00":
/// - line 4, A = 3 500 - E with E the employee's R/Fund contribution of the last calculation:
///   "ie: R 3 500 - R" E " = R" A, or " = - R" and the size of A when A is negative;
/// - line 5, 15 % of the income I: "ie: R " I " X 15% = R" 0.15 x I. When any R/Fund percentage
///   (the employee's or employer's pension or provident) is set up, I = other expenses + other
///   fringe benefits + travel allowance + the travel inclusion rate x car value x (0.0325 with a
///   maintenance plan, else 0.035) x 12 (the car figure is annual already); otherwise the gross
///   salary the window shows in the annual back-calculation window and the package in the forward
///   windows, while the monthly back-calculation window builds I from the same items as with a
///   percentage.
RALines raExplanationLines(const PackageWindow& window, const PackageState& state);

/// Where the warning label "R/Fund contributions exceed allowable limits!" leaves the main buttons
/// (`cmdOk`, `cmdCalculate`, `cmdSettings`, `cmdPrint`): with the label shown they move down,
/// the window grows, and "&Print" is disabled.
struct PackageButtonLayout
{
    bool warningShown;
    int buttonTopTwips;
    int windowHeightTwips;
    bool printEnabled;
};
inline constexpr std::string_view kFundWarning = "R/Fund contributions exceed allowable limits!";
PackageButtonLayout packageButtonLayout(const PackageWindow& window, const PackageResults& results);

/// "&Print" runs the calculation first and then opens the print panel, unless that calculation
/// stopped (its message has been shown and there is nothing new to print) or ended with the
/// R/Fund warning.
bool printPanelMayOpen(const PackageResults& results);

/// The panels of a package window.
enum class PackagePanel
{
    Setup,         ///< "&Settings"
    RAExplanation, ///< "&R/A Explained"
    Print,         ///< "&Print"
};

/// The main buttons a panel disables while it is shown, by control name: the set-up panel
/// `cmdOk`, `cmdRAExpl`, `cmdCalculate`, `cmdSettings` and `cmdPrint`; the print panel `cmdOk`,
/// `cmdCalculate`, `cmdSettings` and `cmdRAExpl`; the R/A panel none.
std::span<const std::string_view> buttonsDisabledBy(PackagePanel panel);

/// The texts of the print panel, the same in every package window.
struct PackagePrintPanelTexts
{
    std::string_view nameLabel = "Taxpayer's name :(max50Chrs.";
    std::string_view nameHint = "(max.50 chrs.)";
    std::string_view printDirectly = "P&rint directly to printer"; ///< cmdPD
    std::string_view viewReport = "&View/Export report";           ///< cmdVR
    std::string_view cancel = "&Cancel";                           ///< cmdCancel
};
inline constexpr PackagePrintPanelTexts kPackagePrintPanel{};

/// The two labels around `numOnceOff`, shown only with a once-off car cost.
inline constexpr std::string_view kOnceOffBefore = "(plus a \"once-off\" cost of R";
inline constexpr std::string_view kOnceOffAfter =
    "for the company car and this does not include fuel, maintenance etc).";

} // namespace grovan
