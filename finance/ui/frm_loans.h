// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "core/ui/calculator_window.h"
#include "finance/loan_calculator.h"
#include "finance/loan_inputs.h"
#include "finance/loan_view.h"

#include <QPointer>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace grovan {

class LoanGraphWindow;
class LoanSchedulePanel;
class NumericField;
class PrintPanel;
class ReportPrinter;
struct WindowContext;

/// The loan calculator's window ("Loans"): of principal, period, annual rate and monthly
/// repayment, the calculate mode (`optLoanCalc`) names the one solved from the other three. The
/// loan is the application's (`loan`), not the window's: it outlives the window, and every time
/// the window becomes the active window (also when it opens) it shows the mode, loads the fields
/// and recalculates. Choosing a mode marks the solved field yellow, read-only and out of the tab
/// order and recalculates nothing. "&Fin. charges" shows or hides the totals, "Mo&nthly Amort."
/// and "&Annual Amort." show a schedule in the grid panel (`fraGrid`), "Annual &Graph" opens the
/// annual graph in a window of its own, and "&Print" opens the print panel with the schedule
/// options (`Check1`, `fraIncAmort`). Every figure comes from the loan calculator's definition and
/// the engine's schedules; the window only shows them.
class frmLoans : public CalculatorWindow
{
    Q_OBJECT

public:
    /// `loan` is the application's loan, which outlives the window; the print panel's schedule
    /// choice in it starts at none.
    frmLoans(LoanInputs& loan, const WindowContext& context, QWidget* parent = nullptr);

    PrintPanel* printPanel() const { return m_printPanel; }
    LoanSchedulePanel* schedulePanel() const { return m_schedulePanel; }
    /// The graph window "Annual &Graph" opened last, while it is open.
    LoanGraphWindow* graphWindow() const;
    const LoanResults& results() const { return m_form.results(); }

protected:
    void calculate() override;
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    void buildFields();
    void buildModes();
    void buildPrintOptions();
    void chooseMode(int item);
    void showMode();
    void activate();
    /// "&Calculate"; false (the message shown) when the loan's values are refused.
    bool calculateLoan();
    void toggleTotals();
    void setTotalsShown(bool shown);
    void showSchedule(bool annual);
    void showGraph();
    NumericField* field(LoanQuantity quantity) const;

    LoanInputs& m_loan;
    TaxableIncomeRecord& m_record;
    MessageSink& m_messages;
    const ReportPrinter& m_printer;
    CalculatorForm<LoanInputs, LoanResults> m_form;
    std::array<NumericField*, 4> m_fields{};
    std::array<QRadioButton*, 4> m_modes{};
    QLabel* m_modeName = nullptr;
    QLabel* m_rateError = nullptr;
    QList<QWidget*> m_totals;
    NumericField* m_totalInterest = nullptr;
    NumericField* m_totalRepayments = nullptr;
    QPushButton* m_finCharges = nullptr;
    QPushButton* m_monthly = nullptr;
    QPushButton* m_annual = nullptr;
    QPushButton* m_graphButton = nullptr;
    PrintPanel* m_printPanel;
    QCheckBox* m_includeAmort = nullptr;
    QGroupBox* m_amortFrame = nullptr;
    std::array<QRadioButton*, 2> m_amortKinds{};
    LoanSchedulePanel* m_schedulePanel;
    QPointer<LoanGraphWindow> m_graph;
};

} // namespace grovan
