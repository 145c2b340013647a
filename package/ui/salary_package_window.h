// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/calculator_form.h"
#include "core/ui/calculator_window.h"
#include "core/ui/result_binder.h"
#include "package/package_calculator.h"

class QLabel;
class QPushButton;

namespace grovan {

class NumericField;
class PrintPanel;
class RAExplanationPanel;
class ReportPrinter;
class SetupPanel;
struct WindowContext;

/// The four salary package windows as one class: the back-calculation ("Grovan : Annual
/// Calculation", `frmGrovanAnn`; "Grovan : Monthly Calculation", `frmGrovanMon`), from the net
/// salary required to the gross salary and the cost to company, and the forward calculation
/// ("Velmora : Annual Calculation", `frmVelmoraAnn`; "Velmora : Monthly Calculation",
/// `frmVelmoraMon`), from a total package to the take-home pay and the cost to company. What the
/// four differ in is the engine's `PackageWindow` table; the fields are built from the engine's
/// field tables and bound to the window's inputs.
///
/// The employee column stands beside the "Cost to company" column; the column's copies of the
/// package, the travel allowance and the other fringe benefits follow their fields as they are
/// typed, and each other expense is copied into the column, where it may be overwritten.
/// "&Calculate" runs the calculator's definition: a refusal shows its message (an amount of 0
/// none) and changes no result. After a calculation the once-off car text shows where the
/// engine says, and the warning "R/Fund contributions exceed allowable limits!" moves the main
/// buttons down, makes the window taller and disables "&Print".
///
/// "&Settings" opens the set-up panel (all eleven set-up values; the back-calculation windows
/// keep the two R/Fund percentages within the 27.5 % rule as they change, at "O&K" and as stored
/// when the window opens). "&R/A Explained" (`cmdRAExpl`) opens the R/A explanation panel.
/// "&Print" calculates first and opens the print panel (taxpayer's name, output buttons) only
/// when that calculation stands without the warning; the printout writes `SalPackage` and runs
/// "Grovan.rpt" or "Velmora.rpt", in English.
class SalaryPackageWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    SalaryPackageWindow(PackageWindowKind kind, const WindowContext& context,
                        QWidget* parent = nullptr);

    /// The row of the engine's table this window is.
    const PackageWindow& design() const { return m_design; }
    /// The inputs as the fields hold them.
    const PackageInputs& inputs() const { return m_inputs; }
    /// The set-up values the window works with.
    const SetupValues& setup() const { return m_setup; }
    /// The results of the last calculation that stood, unrounded.
    const PackageResults& results() const { return m_form.results(); }
    /// The last calculation stopped early (`CalcFailed`): the results are those before it.
    bool calcFailed() const { return m_calcFailed; }

    SetupPanel* setupPanel() const { return m_setupPanel; }
    PrintPanel* printPanel() const { return m_printPanel; }
    RAExplanationPanel* raPanel() const { return m_raPanel; }
    QPushButton* raButton() const { return m_raButton; }
    QLabel* warningLabel() const { return m_warning; }

protected:
    void calculate() override;
    /// The printout of the inputs as they stand beside the results of the calculation "&Print"
    /// ran.
    void print(PrintDestination destination, PrintLanguage language) override;

private:
    QList<QWidget*> buildFields();
    void buildPanels(const WindowContext& context);
    QList<QWidget*> widgetsNamed(std::span<const std::string_view> names) const;
    void followCopies();
    void showOnceOff();
    void showButtonLayout();
    void openPrintPanel();
    void openRAPanel();

    const PackageWindow& m_design;
    TaxableIncomeRecord& m_record;
    const ReportPrinter& m_printer;
    SetupValues m_setup;
    PackageInputs m_inputs;
    CalculatorForm<PackageInputs, PackageResults> m_form;
    /// The cost-to-company column's copies, shown as their fields change.
    ResultBinder<PackageInputs> m_copies;
    bool m_calcFailed = false;
    bool m_warningShown = false;
    int m_heightWithoutWarning = 0;

    QPushButton* m_raButton = nullptr;
    QLabel* m_warning = nullptr;
    QList<QWidget*> m_onceOff;
    SetupPanel* m_setupPanel = nullptr;
    PrintPanel* m_printPanel = nullptr;
    RAExplanationPanel* m_raPanel = nullptr;
};

} // namespace grovan
