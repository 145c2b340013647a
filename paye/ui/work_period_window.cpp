// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/work_period_window.h"

#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/setup_panel.h"
#include "core/ui/window_context.h"
#include "paye/paye_calculators.h"
#include "paye/ui/period_form.h"
#include "paye/work_period_fields.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1710, .print = 1710};

} // namespace

WorkPeriodWindow::WorkPeriodWindow(WorkPeriodKind kind, const WindowContext& context,
                                   QWidget* parent)
    : PeriodicTaxWindow(qText(workPeriod(kind).caption), context, kPanelTops, parent),
      m_period(workPeriod(kind)), m_inputs(workPeriodCalculator(kind).openingInputs()),
      m_form(workPeriodCalculator(kind), m_inputs, context.messages)
{
    setObjectName(qText(m_form.definition().windowName));
    setupPanel()->setObjectName(QStringLiteral("Frame3"));
    const QList<QWidget*> tabOrder = buildFields();
    m_form.bind(this);
    setFieldOrder(tabOrder);
    calculate();
}

QList<QWidget*> WorkPeriodWindow::buildFields()
{
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(m_form.definition().inputs);
    form.addResults(m_form.definition());
    return tabOrder;
}

void WorkPeriodWindow::calculate()
{
    m_form.calculate(setup(), taxableIncome(), calculateButton());
}

void WorkPeriodWindow::print(PrintDestination destination, PrintLanguage language)
{
    printer().print(m_form.printout(language), destination);
}

} // namespace grovan
