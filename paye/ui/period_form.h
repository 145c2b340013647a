// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator_definition.h"
#include "core/field_binding.h"
#include "core/ui/form_builder.h"

#include <QList>

#include <span>

class QBoxLayout;
class QWidget;

namespace grovan {

class NumericField;

/// The fields of a pay-period window (annual, monthly, fortnightly, weekly, daily) in two
/// columns: the inputs with their labels on the left, a rule, the results with theirs on the
/// right, both from the calculator's definition. The result fields are read-only and all as
/// wide as the widest figure the calculation gives from the fields' maxima
/// (`largestResults()`), so that every figure fits and they line up; "Total tax deduction", the
/// amount the employer deducts, has a bold label.
///
///     PeriodForm form(this, bodyLayout());
///     const QList<QWidget*> tabOrder = form.addInputs(monthlyInputBindings());
///     form.addResults(monthlyCalculator());
///
/// The widgets belong to the window; the form only places them and may go once they are built.
class PeriodForm
{
public:
    /// Adds the two columns to `body`, creating the widgets as children of `window`.
    PeriodForm(QWidget* window, QBoxLayout* body);

    /// A row in the input column; returns its field.
    QWidget* addInput(const FieldDescription& field);
    /// A row in the result column with room for `digits` before the point; returns its field.
    NumericField* addResult(const FieldDescription& field, int digits);
    /// A result field without a label of its own, beside the field of `input` (added before) in
    /// the input column, with room for the largest value of `result` in `definition`.
    template <typename Inputs, typename Results>
    NumericField* addResultBeside(const CalculatorDefinition<Inputs, Results>& definition,
                                  const FieldDescription& result, const FieldDescription& input)
    {
        return addResultBeside(result, input, largestDigits(definition, result));
    }

    /// Sets the label of the result row of `controlName` in bold, as that of an amount the
    /// employer deducts.
    void emphasise(const QString& controlName);

    /// Every input of the table in its order, except the text fields (the employee name belongs
    /// to the print panel); returns the fields in that order, the order Tab takes.
    template <typename Inputs>
    QList<QWidget*> addInputs(std::span<const InputBinding<Inputs>> bindings)
    {
        QList<QWidget*> fields;
        for (const InputBinding<Inputs>& binding : bindings) {
            if (binding.field->kind != FieldKind::Text) {
                fields.append(addInput(*binding.field));
            }
        }
        return fields;
    }

    /// Every result of `definition` that has a control, in its order, except those already
    /// placed.
    template <typename Inputs, typename Results>
    void addResults(const CalculatorDefinition<Inputs, Results>& definition)
    {
        for (const ResultBinding<Results>& binding : definition.results) {
            if (!binding.field->controlName.empty() && !isPlaced(*binding.field)) {
                addResult(*binding.field, largestDigits(definition, *binding.field));
            }
        }
    }

private:
    // The digits of the largest value `result` shows, from the calculation at the fields'
    // maxima; where the calculation refuses that case, room for a thousand million.
    template <typename Inputs, typename Results>
    static int largestDigits(const CalculatorDefinition<Inputs, Results>& definition,
                             const FieldDescription& result)
    {
        constexpr int kWithoutLargest = 10;
        const std::optional<Results> largest = definition.largestResults();
        for (const ResultBinding<Results>& binding : definition.results) {
            if (binding.field == &result && largest) {
                return shownIntegerDigits(binding, *largest);
            }
        }
        return kWithoutLargest;
    }

    NumericField* addResultBeside(const FieldDescription& result, const FieldDescription& input,
                                  int digits);
    bool isPlaced(const FieldDescription& field) const { return m_placed.contains(&field); }
    NumericField* resultField(const FieldDescription& field, int digits, QWidget* parent);

    QWidget* m_inputColumn;
    QWidget* m_resultColumn;
    FormBuilder m_inputs;
    FormBuilder m_results;
    QList<const FieldDescription*> m_placed;
};

} // namespace grovan
