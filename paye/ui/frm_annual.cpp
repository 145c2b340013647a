// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/frm_annual.h"

#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "paye/annual_fields.h"
#include "paye/annual_validation.h"
#include "paye/paye_calculators.h"
#include "paye/ui/period_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr PeriodicTaxWindow::PanelTops kPanelTops{.setup = 1935, .print = 1650};

bool isMonthField(const FieldDescription& field)
{
    for (int month = 1; month <= 12; ++month) {
        if (&field == &annualBeneficiariesField(month)) {
            return true;
        }
    }
    return false;
}

} // namespace

frmAnnual::frmAnnual(const WindowContext& context, QWidget* parent)
    : PeriodicTaxWindow(tr("Annual"), context, kPanelTops, parent),
      m_inputs(annualCalculator().openingInputs()),
      m_form(annualCalculator(), m_inputs, context.messages)
{
    setObjectName(qText(annualCalculator().windowName));
    const QList<QWidget*> tabOrder = buildFields();
    m_form.bind(this);

    for (const int month : kTaxYearMonths) {
        m_form.binder().setRefusalHandler(
            annualBeneficiariesField(month),
            [this, month](std::optional<double> rejected) { limitMonth(month, rejected); });
    }
    // The start date may not pass the end date, nor the end date precede the start date: each
    // field takes the other's current date as its limit when it gets the focus.
    auto* start = qobject_cast<DateField*>(m_form.binder().field(annualStartDateField()));
    auto* end = qobject_cast<DateField*>(m_form.binder().field(annualEndDateField()));
    connect(start, &DateField::focusEntered, this,
            [this, start] { start->setLatest(m_inputs.endDate); });
    connect(end, &DateField::focusEntered, this,
            [this, end] { end->setEarliest(m_inputs.startDate); });

    setFieldOrder(tabOrder);
    calculate();
}

QList<QWidget*> frmAnnual::buildFields()
{
    PeriodForm form(this, bodyLayout());

    auto* months = new QGroupBox(tr("Number of Medical Aid Beneficiaries "), this);
    auto* monthGrid = new QGridLayout(months);
    auto* duplicate = new QPushButton(tr("Duplicate March to all 12 months "), months);
    duplicate->setObjectName(QStringLiteral("cmdDuplicate"));
    duplicate->setAutoDefault(false);

    auto* dates = new QHBoxLayout;
    QList<QWidget*> inputOrder;
    QList<QWidget*> monthOrder;
    QList<QWidget*> dateOrder;
    for (const InputBinding<AnnualInputs>& binding : annualInputBindings()) {
        const FieldDescription& field = *binding.field;
        if (field.kind == FieldKind::Text) {
            continue; // the employee name is the print panel's
        }
        if (isMonthField(field)) {
            const int column = static_cast<int>(monthOrder.size());
            QWidget* widget = FormBuilder::createField(field, months);
            auto* caption = new QLabel(qText(field.label), months);
            caption->setBuddy(widget);
            monthGrid->addWidget(caption, 0, column, Qt::AlignHCenter);
            monthGrid->addWidget(widget, 1, column, Qt::AlignHCenter);
            monthOrder.append(widget);
        } else if (field.kind == FieldKind::Date) {
            QWidget* widget = FormBuilder::createField(field, this);
            auto* caption = new QLabel(qText(field.label), this);
            caption->setBuddy(widget);
            if (!dateOrder.isEmpty()) {
                dates->addSpacing(24);
            }
            dates->addWidget(caption);
            dates->addWidget(widget);
            dateOrder.append(widget);
        } else {
            inputOrder.append(form.addInput(field));
        }
    }
    monthGrid->addWidget(duplicate, 2, 0, 1, static_cast<int>(monthOrder.size()), Qt::AlignLeft);
    dates->addStretch();

    form.addResults(annualCalculator());
    // PAYE, like the total, is an amount the employer deducts.
    form.emphasise(QStringLiteral("numAns(1)"));

    bodyLayout()->addSpacing(6);
    bodyLayout()->addWidget(months);
    bodyLayout()->addSpacing(6);
    bodyLayout()->addLayout(dates);

    connect(duplicate, &QPushButton::clicked, this, &frmAnnual::duplicateMarch);
    return inputOrder + monthOrder + QList<QWidget*>{duplicate} + dateOrder;
}

void frmAnnual::calculate()
{
    // A count still being typed when the calculation is asked for has not met the rule for
    // leaving its field yet.
    for (const int month : kTaxYearMonths) {
        if (auto message = limitBeneficiaries(m_inputs.beneficiaries[month])) {
            messages().show(*message);
            m_form.binder().showValues();
        }
    }
    m_form.calculate(setup(), taxableIncome(), calculateButton());
}

void frmAnnual::print(PrintDestination destination, PrintLanguage language)
{
    printer().print(m_form.printout(language), destination);
}

void frmAnnual::duplicateMarch()
{
    for (const FieldProblem& problem : grovan::duplicateMarch(m_inputs)) {
        messages().show(problem.message);
    }
    m_form.binder().showValues();
}

void frmAnnual::limitMonth(int month, std::optional<double> rejected)
{
    auto count = static_cast<std::int16_t>(rejected.value_or(0.0));
    if (auto message = limitBeneficiaries(count)) {
        messages().show(*message);
        m_inputs.beneficiaries[month] = count;
        m_form.binder().showValues();
    }
}

} // namespace grovan
