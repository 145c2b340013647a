#include "paye/ui/frm_daily.h"

#include "core/ui/numeric_field.h"
#include "paye/daily_fields.h"
#include "paye/daily_printout.h"
#include "paye/ui/period_form.h"
#include "shell/ui/shell_context.h"

#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1185, .print = 1200};

} // namespace

frmDaily::frmDaily(const ShellContext& context, QWidget* parent)
    : PeriodicTaxWindow(tr("Daily"), context, kPanelTops, parent),
      m_binder(m_inputs, dailyInputBindings(), context.messages),
      m_resultFields(dailyResultBindings())
{
    setObjectName(QStringLiteral("frmDaily"));
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(dailyInputBindings());
    form.addResults(dailyResultBindings());
    m_binder.bind(this);
    m_resultFields.bind(this);

    for (const InputBinding<DailyInputs>& binding : dailyInputBindings()) {
        auto* field = qobject_cast<NumericField*>(m_binder.field(*binding.field));
        if (field == nullptr) {
            continue;
        }
        const FieldDescription* description = binding.field;
        connect(field, &NumericField::focusLeft, &m_rereading, [this, field, description] {
            if (rereadDailyField(*description, field->text().toStdString(), m_inputs)) {
                m_binder.showValues();
            }
        });
    }

    setFieldOrder(tabOrder);
    calculate();
}

void frmDaily::calculate()
{
    m_results = calculateDaily(m_inputs, setup(), taxableIncome());
    m_resultFields.show(m_results);
}

void frmDaily::print(PrintDestination destination, PrintLanguage language)
{
    printer().printRow(kDailyPrintTable, dailyPrintRow(m_inputs, m_results, language),
                       kDailyReportTemplate, QString::fromUtf8(kDailyPreviewTitle), destination);
}

} // namespace grovan
