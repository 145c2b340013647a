#include "core/setup_fields.h"
#include "paye/annual_fields.h"
#include "paye/daily_fields.h"
#include "paye/monthly_fields.h"
#include "paye/quick_tax_fields.h"
#include "paye/work_period_fields.h"

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

double numberOf(const InputValue& value)
{
    if (const auto* date = std::get_if<CalendarDate>(&value)) {
        return date->dayNumber();
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    return 0.0;
}

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
    const auto defaults = TypeParam::defaults();
    for (const auto& binding : TypeParam::inputs()) {
        const InputValue value = binding.get(defaults);
        if (binding.field->kind == FieldKind::Text) {
            EXPECT_EQ(std::get<std::string>(value), "") << binding.field->key;
        } else {
            EXPECT_EQ(numberOf(value), binding.field->defaultValue) << binding.field->key;
            EXPECT_GE(numberOf(value), binding.field->minimum) << binding.field->key;
            EXPECT_LE(numberOf(value), binding.field->maximum) << binding.field->key;
        }
    }
}

TYPED_TEST(CalculatorFields, KeysAndControlNamesAreUnique)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> controls;
    const auto add = [&](const FieldDescription& field) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        if (!field.controlName.empty()) {
            EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        }
    };
    for (const auto& binding : TypeParam::inputs()) {
        add(*binding.field);
        EXPECT_FALSE(binding.field->readOnly) << binding.field->key;
    }
    if (TypeParam::periodic) {
        for (const auto& binding : periodicSetupBindings()) {
            add(*binding.field);
        }
    }
    for (const auto& binding : TypeParam::results()) {
        add(*binding.field);
        EXPECT_TRUE(binding.field->readOnly) << binding.field->key;
    }
}

// Every binding writes its own member: after writing a different value through each, each
// reads back its own.
TYPED_TEST(CalculatorFields, EachBindingWritesItsOwnValue)
{
    auto in = TypeParam::defaults();
    const auto bindings = TypeParam::inputs();
    const auto valueFor = [](std::size_t i, const FieldDescription& field) -> InputValue {
        switch (field.kind) {
        case FieldKind::Date:
            return TaxYearStart.addDays(static_cast<std::int32_t>(i));
        case FieldKind::Text:
            return "name " + std::to_string(i);
        default:
            return static_cast<double>(i + 1);
        }
    };
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        bindings[i].set(in, valueFor(i, *bindings[i].field));
    }
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        EXPECT_EQ(bindings[i].get(in), valueFor(i, *bindings[i].field)) << bindings[i].field->key;
    }
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
