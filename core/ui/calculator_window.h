// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_destination.h"
#include "core/print_language.h"

#include <QList>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QPushButton;
class QVBoxLayout;

namespace grovan {

class InfoPanel;
class PrintPanel;
class SetupPanel;

/// Which main buttons a calculator window has besides "&OK" and "&Calculate".
struct MainButtonOptions
{
    bool settings = true;                              ///< "&Settings" (`cmdSettings`)
    QString printControl = QStringLiteral("cmdPrint"); ///< objectName of "&Print"
};

/// The frame every calculator window shares: its fields above, and along the bottom the main
/// buttons "&OK" (`cmdOk`, closes the window), "&Calculate" (`cmdCalculate`), "&Settings"
/// (`cmdSettings`, unless the options leave it out) and "&Print" (`cmdPrint`, or the control name
/// the options give), which open the window's panels in front of the fields.
///
/// A window derives from it, lays its fields out in `bodyLayout()`, hands over its panels with
/// the `use...Panel` calls, and implements `calculate()` (run by "&Calculate" and after the
/// set-up panel's "O&K"; the window also runs it once when it opens) and `print()` (run by the
/// print panel's two output buttons under the busy pointer; the panel hides afterwards).
///
/// While any panel is open the main buttons are disabled: the set-up panel must be confirmed
/// before anything is calculated or printed, and the panels' own "&OK" and "&Cancel" keep their
/// access keys to themselves. With the focus in the window, its buttons' access keys come before
/// the main window's menu bar (AccessKeyScope).
class CalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CalculatorWindow(const QString& caption, QWidget* parent = nullptr,
                              const MainButtonOptions& buttons = {});

    QPushButton* okButton() const { return m_ok; }
    QPushButton* calculateButton() const { return m_calculate; }
    /// nullptr in a window without set-up.
    QPushButton* settingsButton() const { return m_settings; }
    QPushButton* printButton() const { return m_print; }
    /// The main buttons the window has, left to right.
    QList<QWidget*> mainButtons() const;

protected:
    /// Where the window lays out its fields, above the buttons.
    QVBoxLayout* bodyLayout() const { return m_body; }

    /// "&Settings" opens `panel` with its top `topTwips` below the window's; its "O&K" (which
    /// saves) recalculates once the events pending then have run. Only for a window with
    /// "&Settings".
    void useSetupPanel(SetupPanel* panel, int topTwips);
    /// "&Print" opens `panel` at `topTwips`; its output buttons run `print`.
    void usePrintPanel(PrintPanel* panel, int topTwips);
    /// `opener` shows `panel` at `topTwips`.
    void useInfoPanel(InfoPanel* panel, QAbstractButton* opener, int topTwips);

    /// The order Tab takes: `fields` as given, then the main buttons, then `afterButtons`; the
    /// focus starts in the first field.
    void setTabOrderOf(const QList<QWidget*>& fields, const QList<QWidget*>& afterButtons = {});

    virtual void calculate() = 0;
    virtual void print(PrintDestination destination, PrintLanguage language) = 0;

private:
    QVBoxLayout* m_body;
    QPushButton* m_ok;
    QPushButton* m_calculate;
    QPushButton* m_settings;
    QPushButton* m_print;
};

} // namespace grovan
