#include "paye/ui/work_period_window.h"

#include "core/ui/qt_text.h"
#include "core/ui/setup_panel.h"
#include "paye/ui/period_form.h"
#include "paye/work_period_fields.h"
#include "paye/work_period_printout.h"
#include "paye/work_period_validation.h"
#include "shell/ui/shell_context.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1710, .print = 1710};

} // namespace

WorkPeriodWindow::WorkPeriodWindow(WorkPeriodKind kind, const ShellContext& context,
                                   QWidget* parent)
    : PeriodicTaxWindow(qText(workPeriod(kind).caption), context, kPanelTops, parent),
      m_period(workPeriod(kind)), m_inputs(workPeriodDefaults(m_period)),
      m_binder(m_inputs, workPeriodInputBindings(m_period), context.messages,
               [this](const FieldDescription& field, std::optional<double> rejected,
                      const WorkPeriodInputs&) {
                   return workPeriodRefusalMessage(m_period, field, rejected);
               }),
      m_resultFields(workPeriodResultBindings())
{
    setObjectName(qText(m_period.windowName));
    setupPanel()->setObjectName(QStringLiteral("Frame3"));
    const QList<QWidget*> tabOrder = buildFields();
    m_binder.bind(this);
    m_resultFields.bind(this);
    setFieldOrder(tabOrder);
    calculate();
}

QList<QWidget*> WorkPeriodWindow::buildFields()
{
    PeriodForm form(this, bodyLayout());
    const QList<QWidget*> tabOrder = form.addInputs(workPeriodInputBindings(m_period));
    form.addResults(workPeriodResultBindings());
    return tabOrder;
}

void WorkPeriodWindow::calculate()
{
    if (auto problem = validateWorkPeriodInputs(m_period, m_inputs)) {
        m_binder.showProblem(*problem, calculateButton());
        return;
    }
    m_results = calculateWorkPeriod(m_period, m_inputs, setup(), taxableIncome());
    m_resultFields.show(m_results);
}

void WorkPeriodWindow::print(PrintDestination destination, PrintLanguage language)
{
    printer().printRow(kWorkPeriodPrintTable,
                       workPeriodPrintRow(m_period, m_inputs, m_results, language),
                       m_period.reportTemplate, qText(m_period.previewTitle), destination);
}

} // namespace grovan
