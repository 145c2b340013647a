// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/frm_daily.h"

#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "paye/daily_fields.h"
#include "paye/paye_calculators.h"
#include "paye/ui/period_form.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1185, .print = 1200};

} // namespace

frmDaily::frmDaily(const WindowContext& context, QWidget* parent)
    : PeriodicTaxWindow(tr("Daily"), context, kPanelTops, parent),
      m_inputs(dailyCalculator().openingInputs()),
      m_form(dailyCalculator(), m_inputs, context.messages)
{
    setObjectName(qText(dailyCalculator().windowName));
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(dailyCalculator().inputs);
    form.addResults(dailyCalculator());
    m_form.bind(this);

    for (const InputBinding<DailyInputs>& binding : dailyCalculator().inputs) {
        auto* field = qobject_cast<NumericField*>(m_form.binder().field(*binding.field));
        if (field == nullptr) {
            continue;
        }
        const FieldDescription* description = binding.field;
        connect(field, &NumericField::focusLeft, &m_rereading, [this, field, description] {
            if (rereadDailyField(*description, field->text().toStdString(), m_inputs)) {
                m_form.binder().showValues();
            }
        });
    }

    setFieldOrder(tabOrder);
    calculate();
}

void frmDaily::calculate()
{
    m_form.calculate(setup(), taxableIncome(), calculateButton());
}

void frmDaily::print(PrintDestination destination, PrintLanguage language)
{
    printer().print(m_form.printout(language), destination);
}

} // namespace grovan
