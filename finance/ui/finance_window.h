// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/income_tax.h"
#include "core/ui/calculator_form.h"
#include "core/ui/calculator_window.h"
#include "finance/spin_step.h"

#include <optional>

class QGridLayout;

namespace grovan {

class MessageSink;
class PrintPanel;
class ReportPrinter;
class SpinButton;
struct WindowContext;

/// What the loan buster, loan comparison, daily balance and inflation windows share. Their
/// values are the application's and outlive the window: every time the window becomes the
/// active window it shows them again and calculates (`activated`). They have no set-up.
///
/// "&Print" makes the printout of the last calculation at once, but only when the calculator
/// prints one of these values: the print panel then opens with its output buttons only, which
/// send that printout to the preview window or the printer, and "C&ancel". Otherwise nothing
/// opens and the focus moves to "&OK" (`cmdOK`).
class FinanceWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    PrintPanel* printPanel() const { return m_printPanel; }

protected:
    /// The print panel opens `printPanelTopTwips` below the window's top.
    FinanceWindow(const QString& caption, const WindowContext& context, int printPanelTopTwips,
                  QWidget* parent);

    /// Shows the application's values again and calculates, at each activation.
    virtual void activated() = 0;
    /// The printout "&Print" makes now, or nothing when the window prints none.
    virtual std::optional<Printout> printoutNow() const = 0;

    /// The printout of `form`'s inputs and last results, or nothing where the calculator makes
    /// none of them.
    template <typename Inputs, typename Results>
    static std::optional<Printout> printoutOf(const CalculatorForm<Inputs, Results>& form)
    {
        if (form.printRefusal()) {
            return std::nullopt;
        }
        return form.printout(PrintLanguage::English);
    }

    /// What a spin click asks of the window beside the new value: the beep, the focus on
    /// "&OK".
    void answerSpin(const SpinStep& step);
    /// A spin button of the window: `control` ("spRate"), captioned `caption` for its tooltip and
    /// for accessibility tools, put after the last row of `grid` (after its field's hint).
    SpinButton* addSpin(QGridLayout* grid, const QString& control, const QString& caption);

    MessageSink& messages() const { return m_messages; }
    /// The record a finance calculation is handed: it records no taxable income.
    TaxableIncomeRecord& noTaxableIncome() { return m_noTaxableIncome; }

    void print(PrintDestination destination, PrintLanguage language) override;
    bool event(QEvent* event) override;

private:
    void printRequested();
    /// Sets the window's minimum width: its form's, or the print panel's where that is wider.
    void keepWidthNeeded();

    MessageSink& m_messages;
    const ReportPrinter& m_printer;
    PrintPanel* m_printPanel;
    int m_printPanelTop;
    std::optional<Printout> m_pending;
    TaxableIncomeRecord m_noTaxableIncome;
};

} // namespace grovan
