// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "core/ui/calculator_window.h"
#include "package/quick_tax.h"

namespace grovan {

class PrintPanel;
class ReportPrinter;
struct WindowContext;

/// The quick tax calculator's window ("Rapell"): how the income tax of an annual taxable income
/// is made up, in the ten fields of the control array `sidbEdit1`. Its values are the
/// application's (`summary`), not the window's, so they outlive it; its income is
/// the program's last taxable income. Every time the window becomes the active window, and on
/// "&Calculate", it takes the last taxable income, recalculates through the quick tax
/// calculator's definition and shows all ten fields. Typing an income makes it the last taxable
/// income; typing an age changes the age; neither recalculates. "&Print" (`cmPrint`) opens a print
/// panel with the output buttons only; the printout (`RapellPrint`) writes the values as they
/// stand, without recalculating.
class frmRapell : public CalculatorWindow
{
    Q_OBJECT

public:
    /// `summary` is the application's quick tax summary, which outlives the window.
    frmRapell(TaxSummary& summary, const WindowContext& context, QWidget* parent = nullptr);

    PrintPanel* printPanel() const { return m_printPanel; }

    /// Writes the `rapell` row from the values as they stand and runs "rapelltep.rpt" to
    /// `destination`.
    void RapellPrint(PrintDestination destination);

protected:
    void calculate() override;
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    void buildFields();

    TaxSummary& m_summary;
    TaxableIncomeRecord& m_record;
    const ReportPrinter& m_printer;
    CalculatorForm<TaxSummary, TaxSummary> m_form;
    PrintPanel* m_printPanel;
};

} // namespace grovan
