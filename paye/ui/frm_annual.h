// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "paye/annual_calculator.h"
#include "paye/ui/periodic_tax_window.h"

#include <optional>

namespace grovan {

/// The annual tax calculator's window ("Annual"): the employees' tax of a tax year, or of the
/// part of it between a start and an end date. The fields are built from the engine's field
/// tables and bound to the window's inputs; "&Calculate" (also run on opening and after the
/// set-up panel's "O&K") runs the annual calculator's definition and shows what it returns. The
/// window holds no tax rules of its own: the 24-member limit of the month fields, the date messages
/// and the printout row are the engine's.
class frmAnnual : public PeriodicTaxWindow
{
    Q_OBJECT

public:
    explicit frmAnnual(const WindowContext& context, QWidget* parent = nullptr);

    /// The inputs as the fields hold them.
    const AnnualInputs& inputs() const { return m_inputs; }
    /// The results of the last calculation, unrounded.
    const AnnualResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    /// The printout of the inputs as they stand beside the results of the last calculation: the
    /// printout does not recalculate.
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    QList<QWidget*> buildFields();
    void duplicateMarch();
    void limitMonth(int month, std::optional<double> rejected);

    AnnualInputs m_inputs;
    CalculatorForm<AnnualInputs, AnnualResults> m_form;
};

} // namespace grovan
