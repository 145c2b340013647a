// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/form_builder.h"

#include "core/ui/date_field.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/text_field.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace grovan {

namespace {

constexpr int kLabelColumn = 0;
constexpr int kFieldColumn = 1;
constexpr int kHintColumn = 2;
constexpr int kSlackColumn = 3;

template <typename Field> Field* fieldOfType(QWidget* widget, const QString& controlName)
{
    auto* field = qobject_cast<Field*>(widget);
    Q_ASSERT_X(field != nullptr, "FormBuilder", qPrintable(controlName));
    Q_UNUSED(controlName);
    return field;
}

} // namespace

QString controlArrayName(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

FormBuilder::FormBuilder(QWidget* container) : FormBuilder(new QGridLayout(container), container) {}

FormBuilder::FormBuilder(QGridLayout* grid, QWidget* container)
    : m_grid(grid), m_container(container)
{
    m_grid->setColumnStretch(kSlackColumn, 1);
}

QWidget* FormBuilder::createField(const FieldDescription& description, QWidget* parent)
{
    switch (description.kind) {
    case FieldKind::Date:
        return new DateField(description, parent);
    case FieldKind::Text:
        return new TextField(description, parent);
    case FieldKind::Amount:
    case FieldKind::WholeNumber:
    case FieldKind::Percent:
    case FieldKind::Fraction:
        break;
    }
    return new NumericField(description, parent);
}

QWidget* FormBuilder::addRow(const FieldDescription& description)
{
    QWidget* field = createField(description, m_container);
    addRow(qText(description.label), field, qText(description.hint));
    return field;
}

void FormBuilder::addRows(std::span<const FieldDescription> descriptions)
{
    for (const FieldDescription& description : descriptions) {
        addRow(description);
    }
}

void FormBuilder::addRow(const QString& label, QWidget* field, const QString& hint)
{
    const int row = m_grid->rowCount();
    auto* caption = new QLabel(label, m_container);
    caption->setBuddy(field);
    m_grid->addWidget(caption, row, kLabelColumn);
    if (qobject_cast<NumericField*>(field) || qobject_cast<DateField*>(field)) {
        // Number and date fields share one width, so right-aligned numbers line up; text fields
        // take the column's width.
        m_grid->addWidget(field, row, kFieldColumn, Qt::AlignLeft);
        m_numberWidth = std::max(m_numberWidth, field->sizeHint().width());
        m_numberFields.append(field);
        for (QWidget* numberField : std::as_const(m_numberFields)) {
            numberField->setMinimumWidth(m_numberWidth);
        }
    } else {
        m_grid->addWidget(field, row, kFieldColumn);
    }
    if (!hint.isEmpty()) {
        m_grid->addWidget(new QLabel(hint, m_container), row, kHintColumn);
    }
    const QString name = field->objectName();
    if (!name.isEmpty()) {
        m_fields.insert(name, field);
        m_labels.insert(name, caption);
    }
}

void FormBuilder::addSpanningRow(QWidget* widget)
{
    m_grid->addWidget(widget, m_grid->rowCount(), kLabelColumn, 1, kSlackColumn);
}

NumericField* FormBuilder::numeric(const QString& controlName) const
{
    return fieldOfType<NumericField>(field(controlName), controlName);
}

DateField* FormBuilder::date(const QString& controlName) const
{
    return fieldOfType<DateField>(field(controlName), controlName);
}

TextField* FormBuilder::text(const QString& controlName) const
{
    return fieldOfType<TextField>(field(controlName), controlName);
}

} // namespace grovan
