// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_window.h"

#include "package/package_field_kinds.h"

#include <array>
#include <cstddef>

namespace grovan {

namespace {

constexpr FieldDescription netRequiredField(std::string_view label, std::string_view meaning)
{
    return packageAmountField("numNetMonSalReq", label, "netRequired", meaning);
}

constexpr FieldDescription kPackageAmount =
    packageAmountField("numNetMonSalReq", "Total package amount", "packageAmount",
                       "The total package the company offers for the period: salary, travel "
                       "allowance, fringe benefits and the employee's and employer's "
                       "contributions");

constexpr FieldDescription kBeneficiaryMonths = packageWholeField(
    "numPMems", "Medical beneficiaries months", "beneficiaryMonths",
    "Medical scheme beneficiary-months of the year (a main member with one dependant for the "
    "whole year is 24); set to 0 by the calculation when no medical contribution is given",
    "beneficiary-months", 999.0, 3);

constexpr FieldDescription kBeneficiaries = packageWholeField(
    "numPMems", "Med. aid fund beneficiaries", "beneficiaries",
    "Beneficiaries on the medical scheme (main member and dependants); set to 0 by the "
    "calculation when no medical contribution is given",
    "beneficiaries", 99.0, 2);

constexpr FieldDescription kGrossSalary = packageResultField(
    "numGrossSal", "Gross salary", "grossSalary",
    "Medical deductions + net salary required + UIF + tax deduction + other expenses + the "
    "employee's R/Fund contribution + the employee's medical contribution");

constexpr FieldDescription takeHomeField(std::string_view meaning)
{
    return packageResultField("numGrossSal", "Net salary(take-home)", "takeHomePay", meaning);
}

constexpr FieldDescription skillsLevyField(std::string_view label)
{
    return packageResultField("numCCSkillLev", label, "skillsLevyAmount",
                              "Skills development levy paid by the company (cost-to-company "
                              "column)");
}

constexpr PackageButtonRow kBackButtons{5760, 6780};
constexpr PackageButtonRow kForwardButtons{5520, 6465};

constexpr std::array<PackageWindow, 4> kWindows{{
    {
        .kind = PackageWindowKind::GrovanAnnual,
        .windowName = "frmGrovanAnn",
        .caption = "Grovan : Annual Calculation",
        .direction = PackageDirection::Back,
        .period = PackagePeriod::Annual,
        .netField = netRequiredField("Net annual salary required",
                                     "The net (take-home) salary the employee wants for the tax "
                                     "year, travel allowance included"),
        .beneficiariesField = kBeneficiaryMonths,
        .grossField = kGrossSalary,
        .skillsLevyField = skillsLevyField("Skills levy"),
        .offersMedicalDeduction = true,
        .hasCostToCompanyPackage = false,
        .appliesFundPercentRule = true,
        .setupPanelTopTwips = 960,
        .buttonsWithoutWarning = kBackButtons,
        .buttonsWithWarning = {6060, 7035},
        .reportTitle = "Grovan Salary Package Calculation : Annual",
        .firstAmountLabel = "Net annual salary required",
        .reportTemplate = "Grovan.rpt",
        .previewTitle = "Grovan2020 Annual - To export printout click on the suitcase button or "
                        "goto Help",
    },
    {
        .kind = PackageWindowKind::GrovanMonthly,
        .windowName = "frmGrovanMon",
        .caption = "Grovan : Monthly Calculation",
        .direction = PackageDirection::Back,
        .period = PackagePeriod::Monthly,
        .netField = netRequiredField("Net monthly salary required",
                                     "The net (take-home) salary the employee wants for the "
                                     "month, travel allowance included"),
        .beneficiariesField = kBeneficiaries,
        .grossField = kGrossSalary,
        .skillsLevyField = skillsLevyField("Skills levy"),
        .offersMedicalDeduction = true,
        .hasCostToCompanyPackage = false,
        .appliesFundPercentRule = true,
        .setupPanelTopTwips = 1080,
        .buttonsWithoutWarning = kBackButtons,
        .buttonsWithWarning = {6060, 7035},
        .reportTitle = "Grovan Salary Package Calculation : Monthly",
        .firstAmountLabel = "Net monthly salary required",
        .reportTemplate = "Grovan.rpt",
        .previewTitle = "Grovan2020 Monthly - To export printout click on the suitcase button or "
                        "goto Help",
    },
    {
        .kind = PackageWindowKind::VelmoraAnnual,
        .windowName = "frmVelmoraAnn",
        .caption = "Velmora : Annual Calculation",
        .direction = PackageDirection::Forward,
        .period = PackagePeriod::Annual,
        .netField = kPackageAmount,
        .beneficiariesField = kBeneficiaryMonths,
        .grossField = takeHomeField("Package - medical contributions - other fringe benefits - "
                                    "R/Fund contributions - UIF - tax deduction; the other "
                                    "expenses are not taken off in the annual window"),
        .skillsLevyField = skillsLevyField("Skills levy"),
        .offersMedicalDeduction = false,
        .hasCostToCompanyPackage = true,
        .appliesFundPercentRule = false,
        .setupPanelTopTwips = 750,
        .buttonsWithoutWarning = kForwardButtons,
        .buttonsWithWarning = {6060, 7000},
        .reportTitle = "Velmora Salary Package Calculation : Annual",
        .firstAmountLabel = "Total package amount",
        .reportTemplate = "Velmora.rpt",
        .previewTitle = "Velmora2020 Annual - To export printout click on the suitcase button or "
                        "goto Help",
    },
    {
        .kind = PackageWindowKind::VelmoraMonthly,
        .windowName = "frmVelmoraMon",
        .caption = "Velmora : Monthly Calculation",
        .direction = PackageDirection::Forward,
        .period = PackagePeriod::Monthly,
        .netField = kPackageAmount,
        .beneficiariesField = kBeneficiaries,
        .grossField = takeHomeField("Package - medical contributions - other fringe benefits - "
                                    "R/Fund contributions - UIF - tax deduction - other "
                                    "expenses"),
        .skillsLevyField = skillsLevyField("Skills Development Levy"),
        .offersMedicalDeduction = false,
        .hasCostToCompanyPackage = true,
        .appliesFundPercentRule = false,
        .setupPanelTopTwips = 960,
        .buttonsWithoutWarning = kForwardButtons,
        .buttonsWithWarning = {6060, 7000},
        .reportTitle = "Velmora Salary Package Calculation : Monthly",
        .firstAmountLabel = "Total package amount",
        .reportTemplate = "Velmora.rpt",
        .previewTitle = "Velmora2020 Monthly - To export printout click on the suitcase button or "
                        "goto Help",
    },
}};

} // namespace

const PackageWindow& packageWindow(PackageWindowKind kind)
{
    return kWindows[static_cast<std::size_t>(kind)];
}

} // namespace grovan
