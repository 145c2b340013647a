// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/inflation_fields.h"

#include "finance/finance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr std::string_view kWholeRands = "# ### ### ##0";

constexpr FieldDescription kPresentCost{
    .controlName = "numPresCost",
    .label = "Present cost",
    .key = "presentCost",
    .meaning = "What the item costs today, in whole rands",
    .unit = "rands",
    .kind = FieldKind::Amount,
    .sign = FieldSign::Rand,
    .minimum = 0.0,
    .maximum = 2147483647.0,
    .integerDigits = 10,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = kWholeRands,
};
constexpr FieldDescription kPeriod = financeWholeField(
    "numPeriod", "Period", "years", "Years of constant inflation", "years", 40.0, 2, "year/s.");
constexpr FieldDescription kRate = financeRateField(
    "numInflaRate", "Inflation rate", "inflationRate",
    "Constant inflation a year; negative for falling prices", -5.0, 40.0, "% p.a.");

constexpr std::array<InputBinding<InflationState>, 3> kInputs{
    bindMember<InflationState, &InflationState::PresentCost>(kPresentCost),
    bindMember<InflationState, &InflationState::InflationYears>(kPeriod),
    bindMember<InflationState, &InflationState::InflationRate>(kRate),
};

constexpr FieldDescription kFutureCost =
    resultField("numAns1", "Future value/cost", "futureCost",
                "The present cost x (1 + rate/100) for each year, unrounded", "rands",
                FieldKind::Amount, FieldSign::Rand, 0, kWholeRands);
constexpr FieldDescription kBuyingPower =
    resultField("numAns2", "Buying power", "buyingPower",
                "The present cost / (1 + rate/100) for each year: today's amount in money of the "
                "end of the period",
                "rands", FieldKind::Amount, FieldSign::Rand, 0, kWholeRands);
constexpr FieldDescription kTooLarge =
    financeFlagResult("Label2(12)", kAmountTooLargeText, "tooLarge",
                      "1 when the future cost is above 9 999 999 999: it is not shown");

double tooLargeOf(const InflationResults& r)
{
    return r.tooLarge ? 1.0 : 0.0;
}

constexpr std::array<ResultBinding<InflationResults>, 3> kResults{{
    bindResultMember<InflationResults, &InflationResults::FutureCost>(kFutureCost),
    bindResultMember<InflationResults, &InflationResults::BuyingPower>(kBuyingPower),
    {&kTooLarge, &tooLargeOf},
}};

constexpr std::array<ControlCaption, 7> kCaptions{{
    {"Label2(12)", "Amount too large to display"},
    {"cmdCalculate", "&Calculate"},
    {"cmdPrint", "&Print"},
    {"cmdOK", "&OK"},
    {"cmdPD", "P&rint directly to printer"},
    {"cmdVR", "&View/Export report"},
    {"cmdPrintCancel", "C&ancel"},
}};

} // namespace

std::span<const InputBinding<InflationState>> inflationInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<InflationResults>> inflationResultBindings()
{
    return kResults;
}

const FieldDescription& inflationPresentCostField()
{
    return kPresentCost;
}

const FieldDescription& inflationPeriodField()
{
    return kPeriod;
}

const FieldDescription& inflationRateField()
{
    return kRate;
}

std::span<const ControlCaption> inflationWindowCaptions()
{
    return kCaptions;
}

} // namespace grovan
