// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"

#include <QMetaObject>

#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace grovan {

// What a window does with one of its input fields, whichever of the program's field widgets it
// is: a NumericField (a number), a DateField (a date) or a TextField (a text).

/// Shows `value` in `field` as the program's own value (never checked against the field's range),
/// unless the field already holds it, so that a field the user is typing in is left alone.
void showInputValue(QWidget* field, const InputValue& value);

/// Calls `edited` with the field's value at every change the user makes (and every change the
/// program makes). A date field that holds no whole date yet reports nothing; one emptied reports
/// its empty date where it has one (DateField::emptyDate), otherwise nothing.
QMetaObject::Connection onInputEdited(QWidget* field, QObject* context,
                                      std::function<void(const InputValue&)> edited);

/// Calls `refused` when the field turned down what the user typed on leaving it: with the
/// rejected number for a numeric field, the rejected date's day number for a date outside the
/// field's range, nothing for a date that is no date. The field already shows its last accepted
/// value again.
QMetaObject::Connection onInputRefused(QWidget* field, QObject* context,
                                       std::function<void(std::optional<double> rejected)> refused);

/// Puts the focus back into `field` with its text selected, after a message about it.
void returnFocusTo(QWidget* field);

} // namespace grovan
