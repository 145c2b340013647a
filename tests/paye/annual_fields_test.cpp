#include "core/setup_fields.h"
#include "paye/annual_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace grovan {
namespace {

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

TEST(AnnualFields, DefaultInputsAreTheDescribedDefaults)
{
    const AnnualInputs defaults;
    for (const auto& binding : annualInputBindings()) {
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

TEST(AnnualFields, KeysAndControlNamesAreUnique)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> controls;
    const auto add = [&](const FieldDescription& field) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        if (!field.controlName.empty()) {
            EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        }
    };
    for (const auto& binding : annualInputBindings()) {
        add(*binding.field);
    }
    for (const auto& binding : periodicSetupBindings()) {
        add(*binding.field);
    }
    for (const auto& binding : annualResultBindings()) {
        add(*binding.field);
    }
}

// Every binding writes its own member: after writing a different value through each, each
// reads back its own.
TEST(AnnualFields, EachBindingWritesItsOwnValue)
{
    AnnualInputs in;
    const auto bindings = annualInputBindings();
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

// The month fields are laid out March first and each is bound to the calendar month its control
// name carries: numAnnCalcBens(m) holds month m.
TEST(AnnualFields, MonthFieldsFollowTheirCalendarMonth)
{
    std::vector<const InputBinding<AnnualInputs>*> months;
    for (const auto& binding : annualInputBindings()) {
        if (binding.field->controlName.starts_with("numAnnCalcBens(")) {
            months.push_back(&binding);
        }
    }
    ASSERT_EQ(months.size(), 12u);
    const char* captions[] = {"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                              "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
    for (std::size_t i = 0; i < months.size(); ++i) {
        const int month = kTaxYearMonths[i];
        const FieldDescription& field = *months[i]->field;
        EXPECT_EQ(field.controlName, "numAnnCalcBens(" + std::to_string(month) + ")");
        EXPECT_EQ(field.label, captions[i]);
        EXPECT_EQ(&field, &annualBeneficiariesField(month));

        AnnualInputs in;
        months[i]->set(in, 7.0);
        EXPECT_EQ(in.beneficiaries[month], 7) << field.controlName;
    }
}

} // namespace
} // namespace grovan
