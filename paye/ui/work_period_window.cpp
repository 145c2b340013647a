#include "paye/ui/work_period_window.h"

#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/setup_panel.h"
#include "paye/work_period_fields.h"
#include "paye/work_period_printout.h"
#include "paye/work_period_validation.h"
#include "shell/ui/shell_context.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
    auto* columns = new QHBoxLayout;
    auto* inputs = new QWidget(this);
    FormBuilder inputForm(inputs);
    inputForm.grid()->setContentsMargins(0, 0, 0, 0);
    auto* results = new QWidget(this);
    FormBuilder resultForm(results);
    resultForm.grid()->setContentsMargins(0, 0, 0, 0);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    columns->addWidget(inputs, 0, Qt::AlignTop);
    columns->addSpacing(12);
    columns->addWidget(separator);
    columns->addSpacing(12);
    columns->addWidget(results, 0, Qt::AlignTop);
    columns->addStretch();

    QList<QWidget*> inputOrder;
    for (const InputBinding<WorkPeriodInputs>& binding : workPeriodInputBindings(m_period)) {
        if (binding.field->kind == FieldKind::Text) {
            continue; // the employee name is the print panel's
        }
        inputOrder.append(inputForm.addRow(*binding.field));
    }
    for (const ResultBinding<PeriodResults>& binding : workPeriodResultBindings()) {
        // Room for the largest tax the amounts can give, so that the figures line up.
        auto* field = new NumericField(*binding.field, results);
        field->setDigitLimits(9, 2);
        resultForm.addRow(qText(binding.field->label), field);
    }
    // The amount the employer deducts stands out from the figures that lead to it.
    QLabel* total = resultForm.label(QStringLiteral("numTaxLiability"));
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);

    bodyLayout()->addLayout(columns);
    return inputOrder;
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
