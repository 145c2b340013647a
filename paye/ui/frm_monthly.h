// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "paye/monthly_calculator.h"
#include "paye/ui/periodic_tax_window.h"

namespace grovan {

/// The monthly tax calculator's window ("Monthly"): the employees' tax, UIF, skills levy and
/// medical credits of one calendar month or of part of one. The fields are built from the
/// engine's field tables and bound to the window's inputs; the taxable travel allowance
/// (`numMTAAns`) stands beside the travel allowance. "&Calculate" (also run on opening and after
/// the set-up panel's "O&K") first checks that both dates lie in one month, the start day not
/// after the end day: otherwise it shows the engine's message, puts the focus on the date at
/// fault and leaves the results as they were.
class frmMonthly : public PeriodicTaxWindow
{
    Q_OBJECT

public:
    explicit frmMonthly(const WindowContext& context, QWidget* parent = nullptr);

    /// The inputs as the fields hold them.
    const MonthlyInputs& inputs() const { return m_inputs; }
    /// The results of the last calculation, unrounded.
    const MonthlyResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    /// The printout of the inputs as they stand beside the results of the last calculation.
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    MonthlyInputs m_inputs;
    CalculatorForm<MonthlyInputs, MonthlyResults> m_form;
};

} // namespace grovan
