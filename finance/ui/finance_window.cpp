#include "finance/ui/finance_window.h"

#include "core/ui/activation_watch.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_printer.h"
#include "core/ui/spin_button.h"
#include "core/ui/window_context.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>

namespace grovan {

FinanceWindow::FinanceWindow(const QString& caption, const WindowContext& context,
                             int printPanelTopTwips, QWidget* parent)
    : CalculatorWindow(caption, parent, {.settings = false}), m_messages(context.messages),
      m_printer(context.printer), m_printPanel(new PrintPanel(this, PrintPanelOptions::finance())),
      m_printPanelTop(printPanelTopTwips)
{
    okButton()->setObjectName(QStringLiteral("cmdOK"));
    m_printPanel->disableWhileOpen(mainButtons());
    connect(printButton(), &QPushButton::clicked, this, &FinanceWindow::printRequested);
    connect(m_printPanel, &PrintPanel::printDirectly, this,
            [this](PrintLanguage language) { print(PrintDestination::Printer, language); });
    connect(m_printPanel, &PrintPanel::viewReport, this,
            [this](PrintLanguage language) { print(PrintDestination::Window, language); });
    new ActivationWatch(this, [this] { activated(); });
    // The narrow windows grow to hold the print panel's buttons side by side.
    setMinimumWidth(m_printPanel->windowWidthNeeded());
}

void FinanceWindow::printRequested()
{
    m_pending = printoutNow();
    if (!m_pending) {
        okButton()->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_printPanel->showAt(m_printPanelTop);
}

void FinanceWindow::print(PrintDestination destination, PrintLanguage)
{
    if (m_pending) {
        m_printer.print(*m_pending, destination);
    }
}

void FinanceWindow::answerSpin(const SpinStep& step)
{
    if (step.beep) {
        QApplication::beep();
    }
    if (step.focusToOk) {
        okButton()->setFocus(Qt::OtherFocusReason);
    }
}

SpinButton* FinanceWindow::addSpin(QGridLayout* grid, const QString& control,
                                   const QString& caption)
{
    auto* spin = new SpinButton(control, this);
    spin->setToolTip(caption);
    spin->setAccessibleName(caption);
    // The form's columns: label, field, hint, then the room the spin takes.
    grid->addWidget(spin, grid->rowCount() - 1, 3, Qt::AlignLeft);
    return spin;
}

} // namespace grovan
