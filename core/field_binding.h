// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar_date.h"
#include "core/field_description.h"
#include "core/message.h"
#include "core/number_format.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace grovan {

/// The value of one input field: a number for the numeric kinds (whole numbers already rounded to
/// fit their field), a CalendarDate for a date, a string for a text.
using InputValue = std::variant<double, CalendarDate, std::string>;

/// One input field of a calculator bound to the calculator's inputs struct. A window builds and
/// binds its controls from a table of these (value changed -> `set`, refresh -> `get`), and
/// grovan-cli reads, echoes and describes the inputs by `field->key` through the same table.
/// `set` takes the alternative that `field->kind` calls for, holding a value inside the field's
/// range; checking that is the caller's part.
template <typename Inputs> struct InputBinding
{
    const FieldDescription* field;
    InputValue (*get)(const Inputs&);
    void (*set)(Inputs&, const InputValue&);
    /// Sets a number field's value as `set` does, where that is a plain store into a member
    /// (quicker for cases read in bulk); nullptr otherwise.
    void (*setNumber)(Inputs&, double) = nullptr;
    /// Sets a text field's value as `set` does, where that is a plain store into a member;
    /// nullptr otherwise.
    void (*setText)(Inputs&, std::string_view) = nullptr;
};

template <typename Inputs, auto Member> InputValue memberValue(const Inputs& inputs)
{
    using Value = std::remove_cvref_t<decltype(inputs.*Member)>;
    if constexpr (std::is_arithmetic_v<Value>) {
        return static_cast<double>(inputs.*Member);
    } else {
        return inputs.*Member;
    }
}

template <typename Inputs, auto Member> void setMemberValue(Inputs& inputs, const InputValue& value)
{
    using Value = std::remove_cvref_t<decltype(inputs.*Member)>;
    if constexpr (std::is_arithmetic_v<Value>) {
        inputs.*Member = static_cast<Value>(std::get<double>(value));
    } else {
        inputs.*Member = std::get<Value>(value);
    }
}

template <typename Inputs, auto Member> void setMemberNumber(Inputs& inputs, double value)
{
    using Value = std::remove_cvref_t<decltype(inputs.*Member)>;
    inputs.*Member = static_cast<Value>(value);
}

template <typename Inputs, auto Member> void setMemberText(Inputs& inputs, std::string_view value)
{
    // Into the member's own storage, which the next case reuses.
    (inputs.*Member).assign(value);
}

/// `field` bound to one member of `Inputs` (a member of one of its bases will do): a number
/// member takes the double as it stands, cast to the member's type (a whole-number field's value
/// is already rounded), a CalendarDate or std::string member takes its own alternative.
template <typename Inputs, auto Member>
constexpr InputBinding<Inputs> bindMember(const FieldDescription& field)
{
    using Value = std::remove_cvref_t<decltype(std::declval<Inputs&>().*Member)>;
    if constexpr (std::is_arithmetic_v<Value>) {
        return {&field, &memberValue<Inputs, Member>, &setMemberValue<Inputs, Member>,
                &setMemberNumber<Inputs, Member>};
    } else if constexpr (std::is_same_v<Value, std::string>) {
        return {&field, &memberValue<Inputs, Member>, &setMemberValue<Inputs, Member>, nullptr,
                &setMemberText<Inputs, Member>};
    } else {
        return {&field, &memberValue<Inputs, Member>, &setMemberValue<Inputs, Member>};
    }
}

/// One result of a calculator: its description and its unrounded value.
template <typename Results> struct ResultBinding
{
    const FieldDescription* field;
    double (*get)(const Results&);
    /// The value the window hands to the display format where the window rounds it in its own
    /// way first (a deduction shown in whole rands, halves to even); nullptr shows `get` as is.
    double (*shown)(const Results&) = nullptr;
};

template <typename Results, auto Member> double memberResult(const Results& results)
{
    return static_cast<double>(results.*Member);
}

/// `field` bound to one member of `Results` (a member of one of its bases will do), shown as
/// `shown` says (nullptr: as it stands).
template <typename Results, auto Member>
constexpr ResultBinding<Results> bindResultMember(const FieldDescription& field,
                                                  double (*shown)(const Results&) = nullptr)
{
    return {&field, &memberResult<Results, Member>, shown};
}

/// Results that a window shows as a table of like rows, such as the loan comparison's six terms:
/// `table` describes the whole (its key names the list in the output, its control the window's
/// grid), `columns` the figures of each row in order (their control names say where the window
/// shows them). `cell` gives the figure of `column` in `row` (both from 0), unrounded.
template <typename Results> struct ResultTableBinding
{
    const FieldDescription* table;
    std::span<const FieldDescription> columns;
    std::size_t rows;
    double (*cell)(const Results&, std::size_t row, std::size_t column);
};

/// The text a result field shows: the shown value formatted with the field's display format.
template <typename Results>
std::string shownText(const ResultBinding<Results>& binding, const Results& results)
{
    const double value = binding.shown != nullptr ? binding.shown(results) : binding.get(results);
    return formatNumber(value, binding.field->displayFormat);
}

/// How many digits stand before the point in the text a result field shows for `results` (at
/// least 1): the room the field needs for that value.
template <typename Results>
int shownIntegerDigits(const ResultBinding<Results>& binding, const Results& results)
{
    const std::string text = shownText(binding, results);
    int digits = 0;
    for (const char c : text.substr(0, text.find('.'))) {
        digits += c >= '0' && c <= '9' ? 1 : 0;
    }
    return digits > 0 ? digits : 1;
}

/// Why a calculator refused its inputs: the field the window returns the focus to, and the
/// message it shows.
struct FieldProblem
{
    /// nullptr when the fault lies in no one field: the window then puts the focus on its
    /// "&Calculate" button.
    const FieldDescription* field = nullptr;
    Message message;
    /// The window shows no message and only puts the focus back (a calculation with nothing to
    /// work on, which the window passes over in silence); the command line still refuses the
    /// case with `message`.
    bool silentInWindow = false;

    bool operator==(const FieldProblem&) const = default;
};

} // namespace grovan
