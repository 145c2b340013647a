// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "paye/ui/periodic_tax_window.h"
#include "paye/work_period_calculator.h"

namespace grovan {

/// The fortnightly ("Fortnightly", `frmFortNight`) and weekly ("Weekly", `frmWeekly`) tax
/// calculators' window: the employees' tax of one fortnight or work week, which may have fewer
/// days than a normal one. The two windows are this one class; what they differ in (the periods
/// a year, the day fields' labels and limits, the days message, the printout's heading and
/// template) is the engine's `WorkPeriod` table. The fields are built from the engine's field
/// tables and bound to the window's inputs; "&Calculate" (also run on opening and after the
/// set-up panel's "O&K") runs the calculator's definition: it checks the day counts first.
/// When the check fails, the message is shown and no result changes.
class WorkPeriodWindow : public PeriodicTaxWindow
{
    Q_OBJECT

public:
    WorkPeriodWindow(WorkPeriodKind kind, const WindowContext& context, QWidget* parent = nullptr);

    const WorkPeriod& period() const { return m_period; }
    /// The inputs as the fields hold them.
    const WorkPeriodInputs& inputs() const { return m_inputs; }
    /// The results of the last calculation, unrounded.
    const PeriodResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    /// The printout of the inputs as they stand beside the results of the last calculation: the
    /// printout does not recalculate.
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    QList<QWidget*> buildFields();

    const WorkPeriod& m_period;
    WorkPeriodInputs m_inputs;
    CalculatorForm<WorkPeriodInputs, PeriodResults> m_form;
};

} // namespace grovan
