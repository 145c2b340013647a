// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/finance_window.h"

#include "core/ui/activation_watch.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_printer.h"
#include "core/ui/spin_button.h"
#include "core/ui/window_context.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

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

bool FinanceWindow::event(QEvent* event)
{
    const bool handled = CalculatorWindow::event(event);
    // The layout has just taken in what the window holds now (its fields are laid out after this
    // constructor, and a field can grow): the width it needs follows. Measuring the layout
    // polishes the window, which must wait until it is shown where it belongs.
    if (event->type() == QEvent::LayoutRequest && testAttribute(Qt::WA_WState_Polished)) {
        keepWidthNeeded();
    }
    return handled;
}

void FinanceWindow::keepWidthNeeded()
{
    // The narrow windows grow to hold the print panel's buttons side by side. A minimum width set
    // here replaces the one the layout would set, so the form's own minimum is kept as well: a
    // window narrower than its form would squeeze the fields and cut their figures.
    const int form = layout() != nullptr ? layout()->totalMinimumSize().width() : 0;
    setMinimumWidth(std::max(m_printPanel->windowWidthNeeded(), form));
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
