// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "paye/daily_calculator.h"
#include "paye/ui/periodic_tax_window.h"

namespace grovan {

/// The daily tax calculator's window ("Daily"): the employees' tax, UIF, skills levy and medical
/// credits of one day's pay. The fields are built from the engine's field tables and bound to
/// the window's inputs; leaving the salary, commissions, bonus or travel allowance field reads
/// its text again (`rereadDailyField`), so the value is always the one the field shows.
/// "&Calculate" (also run on opening and after the set-up panel's "O&K") accepts every input.
class frmDaily : public PeriodicTaxWindow
{
    Q_OBJECT

public:
    explicit frmDaily(const WindowContext& context, QWidget* parent = nullptr);

    /// The inputs as the fields hold them.
    const DailyInputs& inputs() const { return m_inputs; }
    /// The results of the last calculation, unrounded.
    const PeriodResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    /// The printout of the inputs as they stand beside the results of the last calculation.
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    DailyInputs m_inputs;
    CalculatorForm<DailyInputs, PeriodResults> m_form;
    // The receiver of the re-reading connections: they end before the inputs and the binder, as
    // a field still gets the focus taken from it while the window is being destroyed.
    QObject m_rereading;
};

} // namespace grovan
