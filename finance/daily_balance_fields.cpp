// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_fields.h"

#include "finance/daily_balance_spin.h"
#include "finance/finance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription kCapital =
    financeAmountField("numCapAmount", "Capital amount", "capital",
                       "The balance that earns interest between the two dates", 999999999.99, 9);

constexpr FieldDescription dateField(std::string_view control, std::string_view label,
                                     std::string_view key, std::string_view meaning)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "date",
        .kind = FieldKind::Date,
        .sign = FieldSign::None,
        .minimum = kEarliestDayBalDate.dayNumber(),
        .maximum = kLatestDayBalDate.dayNumber(),
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = kNoDate,
        .displayFormat = "dd/mm/yyyy",
        .mayBeEmpty = true,
    };
}

constexpr FieldDescription kStart =
    dateField("dtStartDate", "Start date", "startDate",
              "First day; within 10 960 days before the end date and before it (01/01/1800: none)");
constexpr FieldDescription kEnd =
    dateField("dtEndDate", "End date", "endDate",
              "Last day; from the start date to 10 960 days after it (01/01/1800: none)");
constexpr FieldDescription kRate = financeRateField("numIntRate", "Interest rate", "annualRate",
                                                    "Simple interest rate a year, over 365 days",
                                                    0.0, kHighestDayBalRate, "% p.a.");

template <std::int32_t DayBalState::*Member> InputValue dateOf(const DayBalState& state)
{
    return CalendarDate::fromDayNumber(state.*Member);
}

template <std::int32_t DayBalState::*Member>
void setDate(DayBalState& state, const InputValue& value)
{
    state.*Member = std::get<CalendarDate>(value).dayNumber();
}

constexpr std::array<InputBinding<DayBalState>, 4> kInputs{{
    bindMember<DayBalState, &DayBalState::DayBalCapital>(kCapital),
    {&kStart, &dateOf<&DayBalState::DayBalStart>, &setDate<&DayBalState::DayBalStart>},
    {&kEnd, &dateOf<&DayBalState::DayBalEnd>, &setDate<&DayBalState::DayBalEnd>},
    bindMember<DayBalState, &DayBalState::DayBalRate>(kRate),
}};

constexpr FieldDescription kInterest = financeMoneyResult(
    "numAnsDB1", "Interest accrued", "interest", "Capital x rate / 100 x days / 365, unrounded");
constexpr FieldDescription kDays =
    resultField("numAnsDB2", "Number of days", "days", "End date - start date", "days",
                FieldKind::WholeNumber, FieldSign::None, 0, "#0");

constexpr std::array<ResultBinding<DayBalResults>, 2> kResults{
    bindResultMember<DayBalResults, &DayBalResults::interest>(kInterest),
    bindResultMember<DayBalResults, &DayBalResults::days>(kDays),
};

constexpr std::array<ControlCaption, 8> kCaptions{{
    {"spRate", "Interest rate"},
    {"spDate", "Date"},
    {"cmdCalculate", "&Calculate"},
    {"cmdPrint", "&Print"},
    {"cmdOK", "&OK"},
    {"cmdPD", "P&rint directly to printer"},
    {"cmdVR", "&View/Export report"},
    {"cmdPrintCancel", "C&ancel"},
}};

} // namespace

std::span<const InputBinding<DayBalState>> dailyBalanceInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<DayBalResults>> dailyBalanceResultBindings()
{
    return kResults;
}

const FieldDescription& dayBalCapitalField()
{
    return kCapital;
}

const FieldDescription& dayBalStartDateField()
{
    return kStart;
}

const FieldDescription& dayBalEndDateField()
{
    return kEnd;
}

const FieldDescription& dayBalRateField()
{
    return kRate;
}

std::span<const ControlCaption> dailyBalanceWindowCaptions()
{
    return kCaptions;
}

} // namespace grovan
