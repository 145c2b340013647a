// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator_definition.h"
#include "core/ui/input_binder.h"
#include "core/ui/result_binder.h"

#include <QWidget>

#include <optional>

namespace grovan {

/// A calculator window's fields driven by the calculator's definition: the input fields write
/// into the inputs at once (refused entries get the definition's message and the focus back),
/// "&Calculate" runs the definition's checks and calculation and shows what they give, and the
/// printout is the definition's, of the inputs as they stand and the last results.
///
///     CalculatorForm<MonthlyInputs, MonthlyResults> m_form{monthlyCalculator(), m_inputs,
///                                                         context.messages};
///     ...
///     m_form.bind(this);      // once the window's fields exist, named by their control names
///     m_form.calculate(setup(), lastTaxableIncome(), calculateButton());
///
/// The inputs may be the window's own or application-wide state that outlives the window.
template <typename Inputs, typename Results> class CalculatorForm
{
public:
    /// `definition` and `inputs` must outlive the form.
    CalculatorForm(const CalculatorDefinition<Inputs, Results>& definition, Inputs& inputs,
                   MessageSink& messages)
        : m_definition(definition), m_inputs(inputs),
          m_binder(inputs, definition.inputs, messages,
                   [&definition](const FieldDescription& field, std::optional<double> rejected,
                                 const Inputs& current) {
                       return definition.refusal(field, rejected, current);
                   }),
          m_resultFields(definition.results)
    {}
    CalculatorForm(const CalculatorForm&) = delete;
    CalculatorForm& operator=(const CalculatorForm&) = delete;

    /// Binds the input and result fields among the descendants of `window`.
    void bind(QWidget* window)
    {
        m_binder.bind(window);
        m_resultFields.bind(window);
    }

    /// "&Calculate": checks the inputs and calculates; a refusal (of the inputs, or of what the
    /// calculation found) shows the definition's message, puts the focus in the field at fault
    /// (or on `otherwise` when no one field is) and changes nothing. Otherwise shows the inputs
    /// and the results. True when calculated.
    bool calculate(const SetupValues& setup, TaxableIncomeRecord& record, QWidget* otherwise)
    {
        if (auto problem = m_definition.calculateInto(m_inputs, setup, record, m_results)) {
            m_binder.showProblem(*problem, otherwise);
            return false;
        }
        m_binder.showValues();
        m_resultFields.show(m_results);
        return true;
    }

    /// The printout of the inputs as they stand and the results of the last calculation.
    Printout printout(PrintLanguage language) const
    {
        return m_definition.printoutIn(m_inputs, m_results, language);
    }

    /// Why the window makes no printout of the inputs as they stand and the last results (its
    /// "&Print" then only moves the focus), or nothing when it prints.
    std::optional<Message> printRefusal() const
    {
        return m_definition.printRefusal ? m_definition.printRefusal(m_inputs, m_results)
                                         : std::nullopt;
    }

    const CalculatorDefinition<Inputs, Results>& definition() const { return m_definition; }
    InputBinder<Inputs>& binder() { return m_binder; }
    const Inputs& inputs() const { return m_inputs; }
    const Results& results() const { return m_results; }

private:
    const CalculatorDefinition<Inputs, Results>& m_definition;
    Inputs& m_inputs;
    Results m_results{};
    InputBinder<Inputs> m_binder;
    ResultBinder<Results> m_resultFields;
};

} // namespace grovan
