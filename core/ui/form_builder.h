// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"

#include <QHash>
#include <QList>
#include <QString>

#include <span>

class QGridLayout;
class QLabel;
class QWidget;

namespace grovan {

class DateField;
class NumericField;
class TextField;

/// "name(index)", the objectName of a member of a control array, such as "numAnnCalcBens(3)".
QString controlArrayName(const QString& name, int index);

/// Lays a window's fields out in rows of label, field and hint from a table of field
/// descriptions (inputs and results alike), names every field after its control and hands the
/// fields back by control name so that the window can bind them once.
///
/// The rows go into a grid (column 0 labels, 1 fields, 2 hints); number and date fields share the
/// width of the widest one so that right-aligned numbers line up, text fields fill the column. A
/// label is the field's buddy, so an access key in it ("&Age") reaches the field and "&&" shows one
/// ampersand. The builder does not own the widgets; they belong to the container.
class FormBuilder
{
public:
    /// Builds into a new grid layout on `container`, which must have no layout yet.
    explicit FormBuilder(QWidget* container);
    /// Builds into `grid`, creating the widgets as children of `container`.
    FormBuilder(QGridLayout* grid, QWidget* container);

    /// The field that a description asks for: a `DateField` for dates, a `TextField` for text, a
    /// `NumericField` for everything else; its objectName is the control name.
    static QWidget* createField(const FieldDescription& description, QWidget* parent);

    /// A row for one description; returns its field.
    QWidget* addRow(const FieldDescription& description);
    void addRows(std::span<const FieldDescription> descriptions);
    /// A row for a field made by the window (a spin button beside its field, a control array in a
    /// frame); `field` is registered under its objectName when it has one.
    void addRow(const QString& label, QWidget* field, const QString& hint = {});
    /// A widget across all columns, such as a frame of option buttons.
    void addSpanningRow(QWidget* widget);

    QWidget* field(const QString& controlName) const { return m_fields.value(controlName); }
    /// The field of a control name as its own type; null (and an assertion in debug builds) when
    /// there is none of that type.
    NumericField* numeric(const QString& controlName) const;
    DateField* date(const QString& controlName) const;
    TextField* text(const QString& controlName) const;
    /// The label of a field's row.
    QLabel* label(const QString& controlName) const { return m_labels.value(controlName); }
    const QHash<QString, QWidget*>& fields() const { return m_fields; }

    QGridLayout* grid() const { return m_grid; }

private:
    QGridLayout* m_grid;
    QWidget* m_container;
    QHash<QString, QWidget*> m_fields;
    QHash<QString, QLabel*> m_labels;
    QList<QWidget*> m_numberFields;
    int m_numberWidth = 0;
};

} // namespace grovan
