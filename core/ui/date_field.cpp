// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/date_field.h"

#include "core/ui/qt_text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>

namespace grovan {

namespace {

// "0" takes an optional digit, so a half-typed date stays editable and is judged on leaving.
const QString kMaskRequired = QStringLiteral("00/00/0000; ");
const QString kMaskMayBeEmpty = QStringLiteral("00/00/0000;_");

std::optional<CalendarDate> dateOfDayNumber(double dayNumber)
{
    if (dayNumber == 0.0) {
        return std::nullopt;
    }
    return CalendarDate::fromDayNumber(static_cast<std::int32_t>(dayNumber));
}

} // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent)
{
    setInputMask(kMaskRequired);
    connect(this, &QLineEdit::textEdited, this, &DateField::readTypedText);
}

DateField::DateField(const FieldDescription& description, QWidget* parent) : DateField(parent)
{
    setObjectName(qText(description.controlName));
    setMayBeEmpty(description.mayBeEmpty);
    if (description.mayBeEmpty) {
        setEmptyDate(dateOfDayNumber(description.defaultValue));
    }
    if (description.minimum != 0.0 || description.maximum != 0.0) {
        setRange(dateOfDayNumber(description.minimum), dateOfDayNumber(description.maximum));
    }
    setReadOnly(description.readOnly);
    setDate(dateOfDayNumber(description.defaultValue));
}

void DateField::setMayBeEmpty(bool mayBeEmpty)
{
    m_mayBeEmpty = mayBeEmpty;
    setInputMask(mayBeEmpty ? kMaskMayBeEmpty : kMaskRequired);
    display(m_date);
}

void DateField::setRange(std::optional<CalendarDate> earliest, std::optional<CalendarDate> latest)
{
    m_earliest = earliest;
    m_latest = latest;
}

void DateField::setEmptyDate(std::optional<CalendarDate> date)
{
    m_emptyDate = date;
    if (m_accepted && m_accepted == m_emptyDate) {
        setDate(std::nullopt);
    }
}

void DateField::setDate(std::optional<CalendarDate> date)
{
    if (date && date == m_emptyDate) {
        date.reset();
    }
    m_accepted = date;
    display(date);
}

void DateField::returnFocus()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

QSize DateField::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize base = QLineEdit::sizeHint();
    const int width = base.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) +
                      metrics.horizontalAdvance(QStringLiteral("00/00/00000"));
    return {width, base.height()};
}

void DateField::focusInEvent(QFocusEvent* event)
{
    emit focusEntered();
    QLineEdit::focusInEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        commit();
    }
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commit();
    }
    QLineEdit::keyPressEvent(event);
}

DateField::Entry DateField::readText() const
{
    // The mask leaves its blanks out of text(): "//" when empty, "1/3/2021" for "1_/3_/2021".
    QString typed = text();
    typed.remove(QLatin1Char(' '));
    if (QString(typed).remove(QLatin1Char('/')).isEmpty()) {
        return {Reading::Empty, std::nullopt};
    }
    const auto date = CalendarDate::parse(typed.toStdString());
    return {date ? Reading::Whole : Reading::Partial, date};
}

void DateField::readTypedText()
{
    const Entry entry = readText();
    if (entry.reading == Reading::Partial || (entry.reading == Reading::Empty && !m_mayBeEmpty)) {
        return;
    }
    if (entry.date != m_date) {
        m_date = entry.date;
        emit dateChanged(m_date);
    }
}

void DateField::commit()
{
    if (isReadOnly() || !isModified()) {
        return;
    }
    const Entry entry = readText();
    std::optional<Problem> problem;
    if (entry.reading == Reading::Partial || (entry.reading == Reading::Empty && !m_mayBeEmpty)) {
        problem = Problem::NotADate;
    } else if (entry.date && m_earliest && *entry.date < *m_earliest) {
        problem = Problem::TooEarly;
    } else if (entry.date && m_latest && *entry.date > *m_latest) {
        problem = Problem::TooLate;
    }
    if (problem) {
        m_rejected = *problem == Problem::NotADate ? std::nullopt : entry.date;
        display(m_accepted);
        QMetaObject::invokeMethod(
            this,
            [this, refused = *problem] {
                if (isSignalConnected(QMetaMethod::fromSignal(&DateField::invalidDate))) {
                    emit invalidDate(refused);
                } else {
                    QApplication::beep();
                }
            },
            Qt::QueuedConnection);
        return;
    }
    m_accepted = entry.date;
    display(m_accepted);
    emit committed(m_accepted);
}

void DateField::display(std::optional<CalendarDate> date)
{
    setText(date ? QString::fromStdString(date->text()) : QString());
    if (date != m_date) {
        m_date = date;
        emit dateChanged(m_date);
    }
}

} // namespace grovan
