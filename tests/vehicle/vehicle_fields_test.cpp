// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/paye/field_table_checks.h"
#include "vehicle/car_allowance_fields.h"
#include "vehicle/company_car_fields.h"

#include <gtest/gtest.h>

#include <set>

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

TEST(CompanyCarFields, DescribeTheDefaultsAndOwnTheirMembers)
{
    testing::expectDefaultsAreDescribed(companyCarVehicleBindings(), CompanyCarRecord{});
    testing::expectDefaultsAreDescribed(companyCarSharedBindings(), CompanyCarShared{});
    expectEachBindingOwnsItsMember(companyCarVehicleBindings());
    expectEachBindingOwnsItsMember(companyCarSharedBindings());
}

// Every amount and distance the user types is stored as a whole number: the field rounds it
// (halves to even), or, for the code 3802 part that the split may give cents, takes whole rands
// only.
template <typename Inputs>
void expectTypedNumbersStoredWhole(std::span<const InputBinding<Inputs>> bindings)
{
    for (const auto& binding : bindings) {
        const FieldDescription& field = *binding.field;
        if (field.kind != FieldKind::Text && field.kind != FieldKind::Date) {
            EXPECT_TRUE(field.kind == FieldKind::WholeNumber || field.decimals == 0) << field.key;
        }
    }
}

TEST(VehicleFields, TypedNumbersAreStoredWhole)
{
    expectTypedNumbersStoredWhole(carAllowanceInputBindings());
    expectTypedNumbersStoredWhole(companyCarVehicleBindings());
    expectTypedNumbersStoredWhole(companyCarSharedBindings());
}

// A vehicle's inputs and results, the shared values and the totals all stand in one JSON object
// per vehicle or in the register's, and the window shows them side by side: no two share a key
// or a control name.
TEST(CompanyCarFields, KeysAndControlNamesAreUnique)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> controls;
    const auto add = [&](const FieldDescription& field, bool result) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        EXPECT_EQ(field.readOnly, result) << field.key;
    };
    for (const auto& b : companyCarVehicleBindings()) {
        add(*b.field, false);
    }
    for (const auto& b : companyCarSharedBindings()) {
        add(*b.field, false);
    }
    for (const auto& b : companyCarResultBindings()) {
        add(*b.field, true);
    }
    for (const auto& b : companyCarTotalBindings()) {
        add(*b.field, true);
    }
}

} // namespace
} // namespace grovan
