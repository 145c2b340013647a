#include "paye/ui/frm_monthly.h"

#include "paye/monthly_fields.h"
#include "paye/monthly_printout.h"
#include "paye/monthly_validation.h"
#include "paye/ui/period_form.h"
#include "shell/ui/shell_context.h"

#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1470, .print = 1470};

} // namespace

frmMonthly::frmMonthly(const ShellContext& context, QWidget* parent)
    : PeriodicTaxWindow(tr("Monthly"), context, kPanelTops, parent),
      m_binder(m_inputs, monthlyInputBindings(), context.messages, monthlyRefusalMessage),
      m_resultFields(monthlyResultBindings())
{
    setObjectName(QStringLiteral("frmMonthly"));
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(monthlyInputBindings());
    form.addResultBeside(monthlyTaxableTravelField(), monthlyTravelAllowanceField());
    form.addResults(monthlyResultBindings());
    m_binder.bind(this);
    m_resultFields.bind(this);
    setFieldOrder(tabOrder);
    calculate();
}

void frmMonthly::calculate()
{
    if (auto problem = validateMonthlyInputs(m_inputs)) {
        m_binder.showProblem(*problem);
        return;
    }
    m_results = calculateMonthly(m_inputs, setup(), taxableIncome());
    m_resultFields.show(m_results);
}

void frmMonthly::print(PrintDestination destination, PrintLanguage language)
{
    printer().printRow(kMonthlyPrintTable, monthlyPrintRow(m_inputs, m_results, language),
                       kMonthlyReportTemplate, QString::fromUtf8(kMonthlyPreviewTitle),
                       destination);
}

} // namespace grovan
