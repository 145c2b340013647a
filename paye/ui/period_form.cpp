// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/period_form.h"

#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "paye/period_fields.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace grovan {

namespace {

constexpr int kBesideColumn = 2;

} // namespace

PeriodForm::PeriodForm(QWidget* window, QBoxLayout* body)
    : m_inputColumn(new QWidget(window)), m_resultColumn(new QWidget(window)),
      m_inputs(m_inputColumn), m_results(m_resultColumn)
{
    m_inputs.grid()->setContentsMargins(0, 0, 0, 0);
    m_results.grid()->setContentsMargins(0, 0, 0, 0);
    auto* separator = new QFrame(window);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_inputColumn, 0, Qt::AlignTop);
    columns->addSpacing(12);
    columns->addWidget(separator);
    columns->addSpacing(12);
    columns->addWidget(m_resultColumn, 0, Qt::AlignTop);
    columns->addStretch();
    body->addLayout(columns);
}

QWidget* PeriodForm::addInput(const FieldDescription& field)
{
    return m_inputs.addRow(field);
}

NumericField* PeriodForm::addResult(const FieldDescription& field, int digits)
{
    NumericField* result = resultField(field, digits, m_resultColumn);
    m_results.addRow(qText(field.label), result);
    if (&field == &kPeriodTotalTaxDeduction) {
        emphasise(result->objectName());
    }
    return result;
}

void PeriodForm::emphasise(const QString& controlName)
{
    QLabel* label = m_results.label(controlName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

NumericField* PeriodForm::addResultBeside(const FieldDescription& result,
                                          const FieldDescription& input, int digits)
{
    NumericField* field = resultField(result, digits, m_inputColumn);
    field->setToolTip(qText(result.meaning));
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    QGridLayout* grid = m_inputs.grid();
    grid->getItemPosition(grid->indexOf(m_inputs.field(qText(input.controlName))), &row, &column,
                          &rowSpan, &columnSpan);
    grid->addWidget(field, row, kBesideColumn, Qt::AlignLeft);
    return field;
}

NumericField* PeriodForm::resultField(const FieldDescription& field, int digits, QWidget* parent)
{
    auto* result = new NumericField(field, parent);
    result->setDigitLimits(digits, field.decimals);
    m_placed.append(&field);
    return result;
}

} // namespace grovan
