// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_store.h"
#include "core/ui/calculator_window.h"

#include <optional>

class QPushButton;

namespace grovan {

class InfoPanel;
class MessageSink;
class PrintPanel;
class ReportPrinter;
class SetupPanel;
struct TaxableIncomeRecord;
struct WindowContext;

/// The frame of the employees'-tax windows for one pay period (annual, monthly, fortnightly,
/// weekly and daily), on top of the common calculator frame:
/// - the set-up values, read from the shared `Setup` record when the window is made and kept by
///   the window until it closes; the set-up panel (`fraSetup`, the five periodic fields) writes
///   every change into them at once, and its "O&K" saves those five fields and recalculates;
/// - the information button `cmdInfo(0)` at the top, which shows the "General Information" panel
///   (`fraInfo_One`) at 600 twips;
/// - the print panel (`fraPrint`): "&English print" / "&Afrikaans print", "Employee name :"
///   (`Text1`, 50 characters, which the window binds to its inputs like any other field), and the
///   output buttons, which run the window's `print`;
/// - `printer()`, which writes a printout's row into the print database and runs its template.
///
/// A window derives from it, lays its fields out below the information button (`bodyLayout()`),
/// binds them, sets their tab order (`setFieldOrder`) and calls `calculate()` at the end of its
/// constructor.
class PeriodicTaxWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    /// Where the window's panels open, in twips below its top.
    struct PanelTops
    {
        int setup;
        int print;
    };

    PeriodicTaxWindow(const QString& caption, const WindowContext& context, PanelTops tops,
                      QWidget* parent = nullptr);

    SetupPanel* setupPanel() const { return m_setupPanel; }
    PrintPanel* printPanel() const { return m_printPanel; }
    InfoPanel* infoPanel() const { return m_infoPanel; }
    QPushButton* infoButton() const { return m_infoButton; }

    /// The set-up values the window works with.
    const SetupValues& setup() const { return m_setup; }

protected:
    /// The order Tab takes: `fields`, the main buttons, the information button; the focus starts
    /// in the first field.
    void setFieldOrder(const QList<QWidget*>& fields);

    MessageSink& messages() const { return m_messages; }
    /// The application-wide record of the last annual taxable income, which the tax procedures
    /// write into (the quick tax calculator reads it).
    TaxableIncomeRecord& taxableIncome() const { return m_taxableIncome; }
    const ReportPrinter& printer() const { return m_printer; }

private:
    MessageSink& m_messages;
    TaxableIncomeRecord& m_taxableIncome;
    const ReportPrinter& m_printer;
    std::optional<SetupValues> m_storedSetup; ///< nothing when the settings could not be read
    SetupValues m_setup;
    SetupPanel* m_setupPanel;
    PrintPanel* m_printPanel;
    InfoPanel* m_infoPanel;
    QPushButton* m_infoButton;
};

} // namespace grovan
