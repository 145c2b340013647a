// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_language.h"
#include "core/ui/overlay_panel.h"

class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace grovan {

class TextField;

/// What a window's print panel holds. The defaults are the employees'-tax calculators' panel.
struct PrintPanelOptions
{
    QString caption;                               ///< empty: a frame without caption
    bool languageChoice = true;                    ///< "&English print" / "&Afrikaans print"
    bool nameField = true;                         ///< the name the printout carries
    QString nameControl = QStringLiteral("Text1"); ///< objectName of the name field
    QString nameLabel = QStringLiteral("Employee name :");
    QString nameHint = QStringLiteral("(max.50 chrs.)");
    int nameLength = 50;
    QString cancelControl = QStringLiteral("cmdCancel");
    QString cancelCaption = QStringLiteral("&Cancel");

    /// The loan, loan buster, comparison, daily balance and inflation windows' panel: output
    /// buttons and "C&ancel" (`cmdPrintCancel`) only.
    static PrintPanelOptions finance();
    /// Output buttons and "&Cancel" (`cmdCancel`) only, as in the quick tax and company car
    /// windows.
    static PrintPanelOptions plain();
};

/// The print panel (`fraPrint`): optionally the language options `Option1` "&English print"
/// (selected at start) and `Option2` "&Afrikaans print" and the name field (`Text1`, 50
/// characters, hint "(max.50 chrs.)"), then "P&rint directly to printer" (`cmdPD`), "&View/Export
/// report" (`cmdVR`) and the cancel button (`cmdCancel` "&Cancel", or as the options say).
///
/// The two output buttons emit `printDirectly` or `viewReport` with the chosen language and the
/// name; the window's print routine runs in the slot, under the busy pointer, and the panel hides
/// itself when the slot returns, unless the slot called `keepOpen()` (nothing was printed). The
/// cancel button and the Escape key only hide the panel. The language choice and the name stay
/// as they are while the window is open.
class PrintPanel : public OverlayPanel
{
    Q_OBJECT

public:
    explicit PrintPanel(QWidget* window, const PrintPanelOptions& options = {});

    /// The language chosen (always English without the language options).
    PrintLanguage language() const;
    void setLanguage(PrintLanguage language);
    /// The name as typed (empty without the name field).
    QString employeeName() const;
    void setEmployeeName(const QString& name);

    /// Called from a slot of `printDirectly` or `viewReport`: the panel stays open this time.
    void keepOpen() { m_keepOpen = true; }

    /// Room between the name and the buttons for a window's own print choices.
    QVBoxLayout* extraLayout() const { return m_extra; }

    QRadioButton* englishOption() const { return m_english; }
    QRadioButton* afrikaansOption() const { return m_afrikaans; }
    TextField* nameField() const { return m_name; }
    QPushButton* printDirectlyButton() const { return m_printDirectly; }
    QPushButton* viewReportButton() const { return m_viewReport; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void printDirectly(grovan::PrintLanguage language, const QString& employeeName);
    void viewReport(grovan::PrintLanguage language, const QString& employeeName);
    void cancelled();

private:
    void runOutput(void (PrintPanel::*signal)(PrintLanguage, const QString&));

    QRadioButton* m_english = nullptr;
    QRadioButton* m_afrikaans = nullptr;
    TextField* m_name = nullptr;
    QVBoxLayout* m_extra = nullptr;
    QPushButton* m_printDirectly = nullptr;
    QPushButton* m_viewReport = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_keepOpen = false;
};

} // namespace grovan
