// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/quick_tax_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription kIncome{
    .controlName = "sidbEdit1(0)",
    .label = "Taxable Income",
    .key = "income",
    .meaning = "Annual taxable income (the window starts from the last one any calculator "
               "taxed)",
    .unit = "rands",
    .kind = FieldKind::Amount,
    .sign = FieldSign::Rand,
    .minimum = 0.0,
    .maximum = 9999999999.0,
    .integerDigits = 10,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "# ### ### ##0",
};
constexpr FieldDescription kAge{
    .controlName = "sidbEdit1(1)",
    .label = "Age",
    .key = "age",
    .meaning = "The taxpayer's age in whole years (rebates grow at 65 and 75)",
    .unit = "years",
    .kind = FieldKind::WholeNumber,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 999.0,
    .integerDigits = 3,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "##0",
};

constexpr FieldDescription rands(std::string_view control, std::string_view label,
                                 std::string_view key, std::string_view meaning)
{
    return resultField(control, label, key, meaning, "rands", FieldKind::Amount, FieldSign::Rand, 0,
                       "# ### ### ##0");
}

constexpr FieldDescription percent(std::string_view control, std::string_view label,
                                   std::string_view key, std::string_view meaning, int decimals)
{
    return resultField(control, label, key, meaning, "percent", FieldKind::Percent, FieldSign::None,
                       decimals, decimals == 0 ? "#0" : "##0.0");
}

constexpr FieldDescription kBaseTax =
    rands("sidbEdit1(2)", "Tax on taxable income", "baseTax", "Base tax of the income's band");
constexpr FieldDescription kMarginalRate =
    percent("sidbEdit1(3)", "+ Portion @ M/Rate (", "marginalRate", "Marginal rate of the band", 0);
constexpr FieldDescription kTaxOnExcess =
    rands("sidbEdit1(4)", "%) R", "taxOnExcess",
          "Tax on the part of the income above the band's floor, at the marginal rate");
constexpr FieldDescription kTotalTax =
    rands("sidbEdit1(5)", "Total tax", "totalTax", "Tax before rebates (0 for no income)");
constexpr FieldDescription kRebate =
    rands("sidbEdit1(6)", "Less rebates", "rebate", "Total rebate for the age");
constexpr FieldDescription kTaxCommitment =
    rands("sidbEdit1(7)", "Tax commitment", "taxCommitment", "Tax after rebates, never below 0");
constexpr FieldDescription kAverageBefore =
    percent("sidbEdit1(8)", "Average rate before rebates    ", "averageRateBefore",
            "Total tax / income x 100; the marginal rate when there is no tax", 1);
constexpr FieldDescription kAverageAfter =
    percent("sidbEdit1(9)", "Average rate after rebates       ", "averageRateAfter",
            "(Total tax - rebates) / income x 100, never below 0", 1);

constexpr std::array<InputBinding<TaxSummary>, 2> kInputs{{
    bindMember<TaxSummary, &TaxSummary::Income>(kIncome),
    {&kAge, [](const TaxSummary& s) -> InputValue { return static_cast<double>(s.Age); },
     [](TaxSummary& s, const InputValue& value) {
         setQuickTaxAge(s, std::get<double>(value));
     }},
}};

template <double TaxBandResult::*Member> double getBand(const TaxSummary& s)
{
    return s.Band.*Member;
}

constexpr std::array<ResultBinding<TaxSummary>, 8> kResults{{
    {&kBaseTax, &getBand<&TaxBandResult::BaseTax>},
    {&kMarginalRate, &getBand<&TaxBandResult::MarginalRate>},
    {&kTaxOnExcess, &getBand<&TaxBandResult::TaxOnExcess>},
    bindResultMember<TaxSummary, &TaxSummary::TotalTax>(kTotalTax),
    bindResultMember<TaxSummary, &TaxSummary::Rebate>(kRebate),
    bindResultMember<TaxSummary, &TaxSummary::TaxCommitment>(kTaxCommitment),
    bindResultMember<TaxSummary, &TaxSummary::AvgRateBefore>(kAverageBefore),
    bindResultMember<TaxSummary, &TaxSummary::AvgRateAfter>(kAverageAfter),
}};

} // namespace

std::span<const InputBinding<TaxSummary>> quickTaxInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<TaxSummary>> quickTaxResultBindings()
{
    return kResults;
}

} // namespace grovan
