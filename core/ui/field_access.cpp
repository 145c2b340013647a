// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/field_access.h"

#include "core/ui/date_field.h"
#include "core/ui/numeric_field.h"
#include "core/ui/text_field.h"

namespace grovan {

void showInputValue(QWidget* field, const InputValue& value)
{
    if (auto* number = qobject_cast<NumericField*>(field)) {
        if (number->value() != std::get<double>(value)) {
            number->setValue(std::get<double>(value));
        }
    } else if (auto* date = qobject_cast<DateField*>(field)) {
        std::optional<CalendarDate> wanted = std::get<CalendarDate>(value);
        if (wanted == date->emptyDate()) {
            wanted.reset();
        }
        if (date->date() != wanted) {
            date->setDate(wanted);
        }
    } else if (auto* text = qobject_cast<TextField*>(field)) {
        const QString shown = QString::fromStdString(std::get<std::string>(value));
        if (text->text() != shown) {
            text->setText(shown);
        }
    }
}

QMetaObject::Connection onInputEdited(QWidget* field, QObject* context,
                                      std::function<void(const InputValue&)> edited)
{
    if (auto* number = qobject_cast<NumericField*>(field)) {
        return QObject::connect(number, &NumericField::valueChanged, context,
                                [edited](double value) { edited(value); });
    }
    if (auto* date = qobject_cast<DateField*>(field)) {
        return QObject::connect(date, &DateField::dateChanged, context,
                                [edited, date](std::optional<CalendarDate> value) {
                                    if (!value) {
                                        value = date->emptyDate();
                                    }
                                    if (value) {
                                        edited(*value);
                                    }
                                });
    }
    if (auto* text = qobject_cast<TextField*>(field)) {
        return QObject::connect(text, &QLineEdit::textChanged, context,
                                [edited](const QString& value) { edited(value.toStdString()); });
    }
    return {};
}

QMetaObject::Connection onInputRefused(QWidget* field, QObject* context,
                                       std::function<void(std::optional<double> rejected)> refused)
{
    if (auto* number = qobject_cast<NumericField*>(field)) {
        return QObject::connect(number, &NumericField::outOfRange, context,
                                [refused](double rejected) { refused(rejected); });
    }
    if (auto* date = qobject_cast<DateField*>(field)) {
        return QObject::connect(
            date, &DateField::invalidDate, context, [refused, date](DateField::Problem) {
                const auto rejected = date->rejectedDate();
                refused(rejected ? std::optional<double>(rejected->dayNumber()) : std::nullopt);
            });
    }
    return {};
}

void returnFocusTo(QWidget* field)
{
    if (auto* number = qobject_cast<NumericField*>(field)) {
        number->returnFocus();
    } else if (auto* date = qobject_cast<DateField*>(field)) {
        date->returnFocus();
    } else if (field != nullptr) {
        field->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace grovan
