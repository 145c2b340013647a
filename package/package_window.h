// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four salary-package windows are one calculator: the back-calculation (net salary required
// -> gross salary and cost to company) and the forward calculation (total package -> take-home
// pay and cost to company), each over a year or a month. Everything in which the four windows
// differ stands in one table, PackageWindow, and nowhere else.

#include "core/field_description.h"

#include <string_view>

namespace grovan {

enum class PackageWindowKind
{
    GrovanAnnual,   ///< frmGrovanAnn: back-calculation over the tax year
    GrovanMonthly,  ///< frmGrovanMon: back-calculation over one month
    VelmoraAnnual,  ///< frmVelmoraAnn: forward calculation over the tax year
    VelmoraMonthly, ///< frmVelmoraMon: forward calculation over one month
};

enum class PackageDirection
{
    Back,    ///< searches the gross salary that leaves the net salary required
    Forward, ///< takes the package apart into take-home pay and deductions
};

enum class PackagePeriod
{
    Annual,
    Monthly,
};

/// Where the row of main buttons stands and how tall the window is, in twips.
struct PackageButtonRow
{
    int buttonTopTwips;
    int windowHeightTwips;
};

/// What the four package windows differ in.
struct PackageWindow
{
    PackageWindowKind kind;
    std::string_view windowName; ///< "frmGrovanAnn", ...
    std::string_view caption;    ///< "Grovan : Annual Calculation", ...
    PackageDirection direction;
    PackagePeriod period;
    /// `numNetMonSalReq`: "Net annual salary required" / "Net monthly salary required" (back,
    /// key netRequired) or "Total package amount" (forward, key packageAmount).
    FieldDescription netField;
    /// `numPMems`: "Medical beneficiaries months" (annual: beneficiary-months of the year) or
    /// "Med. aid fund beneficiaries" (monthly: beneficiaries on the scheme).
    FieldDescription beneficiariesField;
    /// `numGrossSal`: "Gross salary" (back) or "Net salary(take-home)" (forward).
    FieldDescription grossField;
    /// The label of the skills levy row, and of `numCCSkillLev` which shows the levy.
    FieldDescription skillsLevyField;
    /// `numMedDeduct` is offered (back-calculation windows only; elsewhere the value stays 0).
    bool offersMedicalDeduction;
    /// `numCCNetMonSalReq`, the cost-to-company copy of the package (forward windows only).
    bool hasCostToCompanyPackage;
    /// The 27.5 % rule on the employee's and employer's R/Fund percentages (back windows only).
    bool appliesFundPercentRule;
    /// Where the set-up panel's top edge goes when "&Settings" opens it.
    int setupPanelTopTwips;
    PackageButtonRow buttonsWithoutWarning;
    PackageButtonRow buttonsWithWarning;
    /// The printout's `MonAnn`: "Grovan Salary Package Calculation : Annual", ...
    std::string_view reportTitle;
    /// The printout's `MonAnnSal`: the label of the first amount.
    std::string_view firstAmountLabel;
    std::string_view reportTemplate; ///< "Grovan.rpt" or "Velmora.rpt"
    std::string_view previewTitle;   ///< the report viewer's window title for a preview
};

/// The row of the table for `kind`.
const PackageWindow& packageWindow(PackageWindowKind kind);

/// The amounts of a package window's period are annual (1) or monthly (12 a year).
constexpr int periodsPerYear(const PackageWindow& window)
{
    return window.period == PackagePeriod::Annual ? 1 : 12;
}

/// The largest amount the amount fields take, and so the largest trial amount (whole rands) the
/// back-calculation tries.
inline constexpr double kPackageAmountMaximum = 99999999.99;

} // namespace grovan
