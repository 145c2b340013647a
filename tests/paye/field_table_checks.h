// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every calculator's field tables must hold, checked alike for each calculator.

#include "core/field_binding.h"
#include "core/setup_fields.h"
#include "core/tax_year.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>

namespace grovan::testing {

/// The number a value holds: a date's day number, 0 for a text.
inline double numberOf(const InputValue& value)
{
    if (const auto* date = std::get_if<CalendarDate>(&value)) {
        return date->dayNumber();
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    return 0.0;
}

/// What a newly opened window holds (`defaults`) is what each field describes as its default,
/// inside the field's range.
template <typename Inputs>
void expectDefaultsAreDescribed(std::span<const InputBinding<Inputs>> bindings,
                                const Inputs& defaults)
{
    for (const auto& binding : bindings) {
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

/// No two fields of a calculator (its inputs, the set-up values it reads and its results) share
/// a key or a control name; the inputs are writable and the results read-only.
template <typename Inputs, typename Results>
void expectKeysAndControlNamesUnique(std::span<const InputBinding<Inputs>> inputs,
                                     std::span<const InputBinding<SetupValues>> setup,
                                     std::span<const ResultBinding<Results>> results)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> controls;
    const auto add = [&](const FieldDescription& field) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        if (!field.controlName.empty()) {
            EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        }
    };
    for (const auto& binding : inputs) {
        add(*binding.field);
        EXPECT_FALSE(binding.field->readOnly) << binding.field->key;
    }
    for (const auto& binding : setup) {
        add(*binding.field);
    }
    for (const auto& binding : results) {
        add(*binding.field);
        EXPECT_TRUE(binding.field->readOnly) << binding.field->key;
    }
}

/// Every binding writes its own member: after writing a different value through each, starting
/// from `in`, each reads back its own; the same through the quick number and text setters where
/// a binding has one.
template <typename Inputs>
void expectEachBindingWritesItsOwnValue(std::span<const InputBinding<Inputs>> bindings, Inputs in)
{
    Inputs quick = in;
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (bindings[i].setNumber != nullptr) {
            bindings[i].setNumber(quick, static_cast<double>(i + 1));
        }
        if (bindings[i].setText != nullptr) {
            bindings[i].setText(quick, "quick " + std::to_string(i));
        }
    }
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (bindings[i].setNumber != nullptr) {
            EXPECT_EQ(bindings[i].get(quick), InputValue(static_cast<double>(i + 1)))
                << bindings[i].field->key << " set as a number";
        }
        if (bindings[i].setText != nullptr) {
            EXPECT_EQ(bindings[i].get(quick), InputValue("quick " + std::to_string(i)))
                << bindings[i].field->key << " set as a text";
        }
    }

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

} // namespace grovan::testing
