// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finance/loan_buster_calculator.h"
#include "finance/ui/finance_window.h"

namespace grovan {

class NumericField;

/// The loan buster's window ("Loan Buster"): a loan without extra payments in the left-hand
/// column, and with a voluntary extra payment added to every instalment in the right-hand one,
/// with what the extra payments save. The principal, rate and extra payment are the
/// application's (`state`); the period is the window's own and is 0 each time the window opens.
/// Every field writes into the values at once; "&Calculate" and every activation calculate
/// through the loan buster's definition, which rewrites the extra payment with the adjusted one.
/// An extra payment above ten times the repayment clears the right-hand column; after
/// "&Calculate" the window then says so and puts the focus on the extra payment.
class frmLoanBuster : public FinanceWindow
{
    Q_OBJECT

public:
    frmLoanBuster(LoanBusterState& state, const WindowContext& context, QWidget* parent = nullptr);

    /// The window's values: the application's and the period.
    const LoanBusterInputs& inputs() const { return m_inputs; }
    const LoanBusterResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    void activated() override;
    std::optional<Printout> printoutNow() const override;

private:
    void buildFields();
    bool recalculate();
    void keepInState();

    LoanBusterState& m_state;
    LoanBusterInputs m_inputs;
    CalculatorForm<LoanBusterInputs, LoanBusterResults> m_form;
};

} // namespace grovan
