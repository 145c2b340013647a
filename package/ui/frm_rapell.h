#pragma once

#include "core/ui/calculator_window.h"
#include "core/ui/input_binder.h"
#include "core/ui/report_printer.h"
#include "core/ui/result_binder.h"
#include "package/quick_tax.h"

#include <QPointer>

class QMdiSubWindow;

namespace grovan {

class PrintPanel;
struct ShellContext;

/// The quick tax calculator's window ("Rapell"): how the income tax of an annual taxable income
/// is made up, in the ten fields of the control array `sidbEdit1`. Its values are the
/// application's (`AppState::taxSummary`), not the window's, so they outlive it; its income is
/// the program's last taxable income. Every time the window becomes the active window, and on
/// "&Calculate", it takes the last taxable income, recalculates (`refreshQuickTax`) and shows all
/// ten fields. Typing an income makes it the last taxable income; typing an age changes the age;
/// neither recalculates. "&Print" (`cmPrint`) opens a print panel with the output buttons only;
/// the printout (`RapellPrint`) writes the values as they stand, without recalculating.
class frmRapell : public CalculatorWindow
{
    Q_OBJECT

public:
    explicit frmRapell(const ShellContext& context, QWidget* parent = nullptr);

    PrintPanel* printPanel() const { return m_printPanel; }

    /// Writes the `rapell` row from the values as they stand and runs "rapelltep.rpt" to
    /// `destination`.
    void RapellPrint(PrintDestination destination);

protected:
    void calculate() override;
    void print(PrintDestination destination, PrintLanguage language) override;
    bool event(QEvent* event) override;

private:
    void buildFields();
    void watchFrame();
    bool isActiveChild() const;

    TaxSummary& m_summary;
    TaxableIncomeRecord& m_record;
    ReportPrinter m_printer;
    InputBinder<TaxSummary> m_binder;
    ResultBinder<TaxSummary> m_resultFields;
    PrintPanel* m_printPanel;
    QPointer<QMdiSubWindow> m_frame;
};

} // namespace grovan
