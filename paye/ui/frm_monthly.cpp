// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/frm_monthly.h"

#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "paye/monthly_fields.h"
#include "paye/paye_calculators.h"
#include "paye/ui/period_form.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1470, .print = 1470};

} // namespace

frmMonthly::frmMonthly(const WindowContext& context, QWidget* parent)
    : PeriodicTaxWindow(tr("Monthly"), context, kPanelTops, parent),
      m_inputs(monthlyCalculator().openingInputs()),
      m_form(monthlyCalculator(), m_inputs, context.messages)
{
    setObjectName(qText(monthlyCalculator().windowName));
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(monthlyInputBindings());
    form.addResultBeside(monthlyCalculator(), monthlyTaxableTravelField(),
                         monthlyTravelAllowanceField());
    form.addResults(monthlyCalculator());
    m_form.bind(this);
    setFieldOrder(tabOrder);
    calculate();
}

void frmMonthly::calculate()
{
    m_form.calculate(setup(), taxableIncome(), calculateButton());
}

void frmMonthly::print(PrintDestination destination, PrintLanguage language)
{
    printer().print(m_form.printout(language), destination);
}

} // namespace grovan
