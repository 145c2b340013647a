// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finance/inflation_calculator.h"
#include "finance/ui/finance_window.h"

class QLabel;

namespace grovan {

class NumericField;
class SpinButton;

/// The inflation window ("Inflation"): what an item costing the present cost today costs after
/// the period at a constant inflation rate, and what today's amount then buys. Its values are
/// the application's (`state`), which also keeps the last projection for the printout.
/// "&Calculate", every activation and every click of the spin buttons `spPeriod` and
/// `spInflation` project through the inflation definition; a future cost above 9 999 999 999
/// is not shown: the label "Amount too large to display" (`Label2(12)`) stands in its place.
class frmInflation : public FinanceWindow
{
    Q_OBJECT

public:
    frmInflation(InflationState& state, const WindowContext& context, QWidget* parent = nullptr);

    const InflationResults& results() const { return m_form.results(); }
    SpinButton* periodSpin() const { return m_periodSpin; }
    SpinButton* rateSpin() const { return m_rateSpin; }

protected:
    void calculate() override;
    void activated() override;
    std::optional<Printout> printoutNow() const override;

private:
    void buildFields();
    void spun(const SpinStep& step);

    InflationState& m_state;
    CalculatorForm<InflationState, InflationResults> m_form;
    SpinButton* m_periodSpin = nullptr;
    SpinButton* m_rateSpin = nullptr;
    NumericField* m_futureCost = nullptr;
    QLabel* m_tooLarge = nullptr;
};

} // namespace grovan
