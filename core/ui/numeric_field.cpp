// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/numeric_field.h"

#include "core/number_format.h"
#include "core/number_reader.h"
#include "core/numeric_typing.h"
#include "core/rounding.h"
#include "core/ui/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace grovan {

namespace {

constexpr int kSignGap = 3;
const QString kRandSign = QStringLiteral("R");
const QString kPercentSign = QStringLiteral("%");

// The field's typing limits as the engine's typing rules take them.
TypingLimits typingLimits(const NumericField& field)
{
    return {field.minimum() < 0.0, field.integerDigits(), field.decimals()};
}

TypedDigits countDigits(const QString& text)
{
    return countTypedDigits(text.toStdString());
}

bool acceptableEdit(const QString& after, const TypedDigits& before, const NumericField& field)
{
    return grovan::acceptableEdit(after.toStdString(), before, typingLimits(field));
}

// Guards the edits that do not come through a key press (drag and drop, the context menu's
// paste). QLineEdit has already changed its text when it asks, so the text before the edit is
// remembered here.
class NumericValidator : public QValidator
{
public:
    explicit NumericValidator(NumericField* field) : QValidator(field), m_field(field)
    {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_before = countDigits(text); });
    }

    State validate(QString& input, int&) const override
    {
        return acceptableEdit(input, m_before, *m_field) ? Acceptable : Invalid;
    }

private:
    NumericField* m_field;
    TypedDigits m_before;
};

int digitsOf(double value)
{
    const double whole = std::floor(std::fabs(value));
    int digits = 1;
    for (double limit = 10.0; limit <= whole && digits < 15; limit *= 10.0) {
        ++digits;
    }
    return digits;
}

} // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new NumericValidator(this));
    connect(this, &QLineEdit::textEdited, this, &NumericField::readTypedText);
    setText(formatted(m_value));
}

NumericField::NumericField(const FieldDescription& description, QWidget* parent)
    : NumericField(parent)
{
    setObjectName(qText(description.controlName));
    m_wholeNumber = description.kind == FieldKind::WholeNumber;
    m_minimum = description.minimum;
    m_maximum = description.maximum;
    m_integerDigits = description.integerDigits;
    m_decimals = description.decimals;
    m_pattern = qText(description.displayFormat);
    setSign(description.sign);
    setReadOnlyMode(description.readOnly);
    setValue(description.defaultValue);
}

void NumericField::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    updateGeometry();
}

void NumericField::setDigitLimits(int integerDigits, int decimals)
{
    m_integerDigits = std::max(0, integerDigits);
    m_decimals = std::max(0, decimals);
    setText(formatted(m_value));
    updateGeometry();
}

void NumericField::setDisplayFormat(const QString& pattern)
{
    m_pattern = pattern;
    setText(formatted(m_value));
    updateGeometry();
}

QString NumericField::displayFormat() const
{
    return effectivePattern();
}

void NumericField::setWholeNumber(bool whole)
{
    m_wholeNumber = whole;
    setValue(m_value);
}

void NumericField::setSign(FieldSign sign)
{
    m_sign = sign;
    updateMargins();
    update();
}

void NumericField::setReadOnlyMode(bool readOnly)
{
    setReadOnly(readOnly);
    setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
    if (readOnly) {
        QPalette shaded = palette();
        shaded.setColor(QPalette::Base, shaded.color(QPalette::Window).lighter(103));
        setPalette(shaded);
    } else {
        setPalette(QPalette());
    }
}

void NumericField::setValue(double value)
{
    if (m_wholeNumber) {
        value = roundHalfEven(value, 0);
    }
    const bool changed = value != m_value;
    m_value = value;
    m_accepted = value;
    setText(formatted(value));
    if (changed) {
        emit valueChanged(m_value);
    }
}

double NumericField::shownValue() const
{
    return readNumber(text().toStdString()).value_or(0.0);
}

void NumericField::returnFocus()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

QSize NumericField::sizeHint() const
{
    const int digits = neededIntegerDigits();
    const int shownDecimals = m_wholeNumber ? 0 : m_decimals;
    double widest = std::pow(10.0, std::min(digits, 15)) - 1.0;
    if (shownDecimals > 0) {
        widest += 1.0 - std::pow(10.0, -std::min(shownDecimals, 6));
    }
    QString sample = formatted(widest);
    if (m_minimum < 0.0) {
        sample.prepend(QLatin1Char('-'));
    }
    if (sample.size() < 3) {
        sample = QStringLiteral("000");
    }
    const QFontMetrics metrics = fontMetrics();
    const QSize base = QLineEdit::sizeHint();
    const int width = base.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) +
                      metrics.horizontalAdvance(sample) +
                      metrics.horizontalAdvance(QLatin1Char('0'));
    return {width, base.height()};
}

QSize NumericField::minimumSizeHint() const
{
    return {sizeHint().width(), QLineEdit::minimumSizeHint().height()};
}

void NumericField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu taking the focus is not the user leaving the field.
    if (event->reason() != Qt::PopupFocusReason) {
        commit();
        emit focusLeft();
    }
}

void NumericField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commit();
    }
    // Typing over a selection escapes QLineEdit's validator check, so typed and pasted text is
    // judged here, before it reaches the text.
    QString inserted;
    if (event->matches(QKeySequence::Paste)) {
        inserted = QGuiApplication::clipboard()->text();
    } else if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
               !event->text().isEmpty() && event->text().at(0).isPrint()) {
        inserted = event->text();
    }
    if (!inserted.isEmpty() && !isReadOnly()) {
        QString after = text();
        if (hasSelectedText()) {
            after.replace(selectionStart(), selectionLength(), inserted);
        } else {
            after.insert(cursorPosition(), inserted);
        }
        if (!acceptableEdit(after, countDigits(text()), *this)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (m_sign == FieldSign::None) {
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::PlaceholderText));
    const QMargins margins = textMargins();
    if (m_sign == FieldSign::Rand) {
        const QRect signArea(contents.left() + kSignGap, contents.top(), margins.left() - kSignGap,
                             contents.height());
        painter.drawText(signArea, Qt::AlignLeft | Qt::AlignVCenter, kRandSign);
    } else {
        const QRect signArea(contents.right() - margins.right() + 1, contents.top(),
                             margins.right() - kSignGap, contents.height());
        painter.drawText(signArea, Qt::AlignRight | Qt::AlignVCenter, kPercentSign);
    }
}

void NumericField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateMargins();
    }
}

void NumericField::readTypedText(const QString& text)
{
    m_value = valueOfText(text);
    emit valueChanged(m_value);
}

void NumericField::commit()
{
    if (isReadOnly() || !isModified()) {
        return;
    }
    const double typed = m_value;
    if (typed < m_minimum || typed > m_maximum) {
        m_value = m_accepted;
        setText(formatted(m_accepted));
        emit valueChanged(m_value);
        rejectLater(typed);
        return;
    }
    m_accepted = typed;
    setText(formatted(typed));
    emit committed(typed);
}

void NumericField::rejectLater(double rejected)
{
    QMetaObject::invokeMethod(
        this,
        [this, rejected] {
            if (isSignalConnected(QMetaMethod::fromSignal(&NumericField::outOfRange))) {
                emit outOfRange(rejected);
            } else {
                QApplication::beep();
            }
        },
        Qt::QueuedConnection);
}

double NumericField::valueOfText(const QString& text) const
{
    // The digit limits keep typed text far from the range of a double, so "nothing" only comes
    // from text the program set; it reads as 0 like any text without a number.
    const double read = readNumber(text.toStdString()).value_or(0.0);
    return m_wholeNumber ? roundHalfEven(read, 0) : read;
}

QString NumericField::formatted(double value) const
{
    if (std::isnan(value)) {
        return {};
    }
    return QString::fromStdString(formatNumber(value, effectivePattern().toStdString()));
}

QString NumericField::effectivePattern() const
{
    if (!m_pattern.isEmpty()) {
        return m_pattern;
    }
    QString pattern =
        neededIntegerDigits() > 3 ? QStringLiteral("### ### ##0") : QStringLiteral("##0");
    const int shownDecimals = m_wholeNumber ? 0 : m_decimals;
    if (shownDecimals > 0) {
        pattern += QLatin1Char('.') + QString(shownDecimals, QLatin1Char('0'));
    }
    return pattern;
}

int NumericField::neededIntegerDigits() const
{
    if (m_integerDigits > 0) {
        return m_integerDigits;
    }
    return std::max(digitsOf(m_minimum), digitsOf(m_maximum));
}

void NumericField::updateMargins()
{
    const QFontMetrics metrics = fontMetrics();
    const int left =
        m_sign == FieldSign::Rand ? metrics.horizontalAdvance(kRandSign) + 2 * kSignGap : 0;
    const int right =
        m_sign == FieldSign::Percent ? metrics.horizontalAdvance(kPercentSign) + 2 * kSignGap : 0;
    setTextMargins(left, 0, right, 0);
    updateGeometry();
}

} // namespace grovan
