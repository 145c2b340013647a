#include "tests/paye/field_table_checks.h"
#include "vehicle/car_allowance_fields.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

// A value for `field` other than `current`.
InputValue otherValue(const FieldDescription& field, const InputValue& current)
{
    switch (field.kind) {
    case FieldKind::Date:
        return std::get<CalendarDate>(current).addDays(-7);
    case FieldKind::Text:
        return std::string("changed ") + std::string(field.key);
    default:
        return field.maximum == 1.0 ? 1.0 - std::get<double>(current) : 7.0;
    }
}

// Each binding writes its own member and no other: changing one field from the defaults leaves
// every other field at its default (check boxes included, which hold only 0 or 1).
template <typename Inputs>
void expectEachBindingOwnsItsMember(std::span<const InputBinding<Inputs>> bindings)
{
    const Inputs defaults{};
    for (const auto& changed : bindings) {
        Inputs in = defaults;
        const InputValue value = otherValue(*changed.field, changed.get(defaults));
        changed.set(in, value);
        for (const auto& binding : bindings) {
            const InputValue expected = &binding == &changed ? value : binding.get(defaults);
            EXPECT_EQ(binding.get(in), expected)
                << binding.field->key << " after setting " << changed.field->key;
        }
    }
}

TEST(CarAllowanceFields, DescribeTheDefaultsAndOwnTheirMembers)
{
    testing::expectDefaultsAreDescribed(carAllowanceInputBindings(), CarAllowanceInputs{});
    testing::expectKeysAndControlNamesUnique(carAllowanceInputBindings(), {},
                                             carAllowanceResultBindings());
    expectEachBindingOwnsItsMember(carAllowanceInputBindings());
}

} // namespace
} // namespace grovan
