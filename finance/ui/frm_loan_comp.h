// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finance/loan_comparison_calculator.h"
#include "finance/ui/finance_window.h"

class QTableView;

namespace grovan {

class ComparisonGridModel;

/// The loan comparison's window ("Loan Comparison"): one bond amount at one rate, with the
/// monthly repayment, total interest and total paid over 5, 10, 15, 20, 25 and 30 years in the
/// grid `grdPayments`. The amount and the rate are the application's (`state`); "&Calculate" and
/// every activation compute the table through the loan comparison's definition.
class frmLoanComp : public FinanceWindow
{
    Q_OBJECT

public:
    frmLoanComp(LoanComparisonState& state, const WindowContext& context,
                QWidget* parent = nullptr);
    ~frmLoanComp() override;

    const LoanComparisonResults& results() const { return m_form.results(); }
    QTableView* grid() const { return m_grid; }

protected:
    void calculate() override;
    void activated() override;
    std::optional<Printout> printoutNow() const override;

private:
    void buildFields();
    void sizeGrid();

    LoanComparisonState& m_state;
    CalculatorForm<LoanComparisonState, LoanComparisonResults> m_form;
    ComparisonGridModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
};

} // namespace grovan
