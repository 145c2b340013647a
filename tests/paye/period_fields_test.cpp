// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/quick_tax_fields.h"
#include "paye/annual_fields.h"
#include "paye/daily_fields.h"
#include "paye/monthly_fields.h"
#include "paye/work_period_fields.h"
#include "tests/paye/field_table_checks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace grovan {
namespace {

struct Monthly
{
    using Inputs = MonthlyInputs;
    using Results = MonthlyResults;
    static auto inputs() { return monthlyInputBindings(); }
    static auto results() { return monthlyResultBindings(); }
    static Inputs defaults() { return {}; }
    static constexpr bool periodic = true;
    static std::vector<std::string_view> sharedWithAnnual()
    {
        return {"age",          "salary",      "employerMedical", "employeeMedical", "employerFund",
                "employeeFund", "commissions", "bonus",           "travelAllowance", "startDate",
                "endDate",      "employeeName"};
    }
};

template <WorkPeriodKind Kind> struct WorkPeriodOf
{
    using Inputs = WorkPeriodInputs;
    using Results = PeriodResults;
    static auto inputs() { return workPeriodInputBindings(workPeriod(Kind)); }
    static auto results() { return workPeriodResultBindings(); }
    static Inputs defaults() { return workPeriodDefaults(workPeriod(Kind)); }
    static constexpr bool periodic = true;
    static std::vector<std::string_view> sharedWithAnnual()
    {
        return {
            "age",          "salary",      "employerMedical", "employeeMedical", "employerFund",
            "employeeFund", "commissions", "bonus",           "travelAllowance", "employeeName"};
    }
};
using Fortnightly = WorkPeriodOf<WorkPeriodKind::Fortnightly>;
using Weekly = WorkPeriodOf<WorkPeriodKind::Weekly>;

struct Daily
{
    using Inputs = DailyInputs;
    using Results = PeriodResults;
    static auto inputs() { return dailyInputBindings(); }
    static auto results() { return dailyResultBindings(); }
    static Inputs defaults() { return {}; }
    static constexpr bool periodic = true;
    static std::vector<std::string_view> sharedWithAnnual()
    {
        return {
            "age",          "salary",      "employerMedical", "employeeMedical", "employerFund",
            "employeeFund", "commissions", "bonus",           "travelAllowance", "employeeName"};
    }
};

struct QuickTax
{
    using Inputs = TaxSummary;
    using Results = TaxSummary;
    static auto inputs() { return quickTaxInputBindings(); }
    static auto results() { return quickTaxResultBindings(); }
    static Inputs defaults() { return {}; }
    static constexpr bool periodic = false;
    static std::vector<std::string_view> sharedWithAnnual() { return {"age"}; }
};

template <typename Calculator> class CalculatorFields : public ::testing::Test
{};

using Calculators = ::testing::Types<Monthly, Fortnightly, Weekly, Daily, QuickTax>;

class CalculatorName
{
public:
    template <typename T> static std::string GetName(int)
    {
        if (std::is_same_v<T, Monthly>) {
            return "Monthly";
        }
        if (std::is_same_v<T, Fortnightly>) {
            return "Fortnightly";
        }
        if (std::is_same_v<T, Weekly>) {
            return "Weekly";
        }
        if (std::is_same_v<T, Daily>) {
            return "Daily";
        }
        return "QuickTax";
    }
};

TYPED_TEST_SUITE(CalculatorFields, Calculators, CalculatorName);

// What a newly opened window holds is what each field describes as its default.
TYPED_TEST(CalculatorFields, DefaultInputsAreTheDescribedDefaults)
{
    testing::expectDefaultsAreDescribed(TypeParam::inputs(), TypeParam::defaults());
}

TYPED_TEST(CalculatorFields, KeysAndControlNamesAreUnique)
{
    testing::expectKeysAndControlNamesUnique(TypeParam::inputs(),
                                             TypeParam::periodic
                                                 ? periodicSetupBindings()
                                                 : std::span<const InputBinding<SetupValues>>{},
                                             TypeParam::results());
}

TYPED_TEST(CalculatorFields, EachBindingWritesItsOwnValue)
{
    testing::expectEachBindingWritesItsOwnValue(TypeParam::inputs(), TypeParam::defaults());
}

// grovan-cli names the inputs every employees'-tax calculator shares as the annual calculator
// does, in the same order, so one CSV header serves them all.
TYPED_TEST(CalculatorFields, SharedInputsTakeTheAnnualKeysInOrder)
{
    std::set<std::string_view> annual;
    for (const auto& binding : annualInputBindings()) {
        annual.insert(binding.field->key);
    }
    std::vector<std::string_view> shared;
    for (const auto& binding : TypeParam::inputs()) {
        if (annual.count(binding.field->key) != 0) {
            shared.push_back(binding.field->key);
        }
    }
    EXPECT_EQ(shared, TypeParam::sharedWithAnnual());
}

} // namespace
} // namespace grovan
