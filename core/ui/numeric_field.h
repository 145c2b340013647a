// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"

#include <QLineEdit>

namespace grovan {

/// A right-aligned numeric edit field.
///
/// Typing: only digits, blanks, one decimal point (when decimals may be typed) and, when the
/// minimum is below 0, a leading minus sign are taken; anything else, and digits beyond the
/// integer-digit and decimal limits, are refused without a sound. The text is read with the
/// program's reading rule (`readNumber`: blanks ignored, reading stops at the first character that
/// cannot continue a number, empty text reads 0), so a shown "1 234.50" reads back as 1234.5. A
/// whole-number field rounds what it reads to a whole number, halves to even.
///
/// Values: `valueChanged` is emitted at every edit and whenever `setValue` changes the value, so a
/// window copies it into its working values at once. When the user leaves the field (focus moves
/// away, or Enter) after editing it, the entry is committed:
/// - a value inside [minimum, maximum] is kept, the text is shown in the display format and
///   `committed` is emitted;
/// - a value outside the range is not kept: the field goes back to its last accepted value (shown
///   and emitted through `valueChanged`, so the window's working value is what the user sees),
///   then `outOfRange` is emitted with the rejected value. A window shows its message there and
///   calls `returnFocus()`; it may also set another value (such as the maximum) with `setValue`.
///   When nothing is connected to `outOfRange`, the field beeps once instead.
/// `outOfRange` is emitted through the event queue, after the focus change that committed the
/// entry has finished, so a modal message box and `returnFocus()` work from the slot; a test waits
/// for it (`QTRY_COMPARE`). Values set by the program are accepted as they are and never checked.
///
/// The sign ("R" before, "%" after) is drawn inside the field's frame but is not part of its text.
class NumericField : public QLineEdit
{
    Q_OBJECT

public:
    /// An input field for 0 to 999 999 999 with two decimals, until it is set up.
    explicit NumericField(QWidget* parent = nullptr);
    /// A field built from its description: objectName, range, digit limits, display format,
    /// sign, whole-number rounding, read-only mode and the default value.
    explicit NumericField(const FieldDescription& description, QWidget* parent = nullptr);

    /// Accepted range of committed entries.
    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

    /// How many digits may be typed before and after the decimal point (0 decimals refuses the
    /// point). 0 integer digits means as many as the range needs.
    void setDigitLimits(int integerDigits, int decimals);
    int integerDigits() const { return m_integerDigits; }
    int decimals() const { return m_decimals; }

    /// A `formatNumber` pattern such as "### ### ##0.00"; empty chooses one from the digit limits
    /// (grouped thousands; the typed decimals, none for a whole-number field).
    void setDisplayFormat(const QString& pattern);
    QString displayFormat() const;

    /// Whole-number fields round the value they read to a whole number, halves to even.
    void setWholeNumber(bool whole);
    bool isWholeNumber() const { return m_wholeNumber; }

    void setSign(FieldSign sign);
    FieldSign sign() const { return m_sign; }

    /// A result field: shows values the program sets, takes no typing, keeps out of the tab order
    /// and has a shaded background.
    void setReadOnlyMode(bool readOnly);
    bool isReadOnlyMode() const { return isReadOnly(); }

    /// The field's value: read from the text as typed, or exactly as set by `setValue`
    /// (a result keeps its unrounded value while it shows two decimals).
    double value() const { return m_value; }
    /// Shows `value` in the display format (rounded for display only) and makes it the accepted
    /// value; emits `valueChanged` when the value changes.
    void setValue(double value);
    /// The shown text read with the reading rule, as printouts read back a result "as shown".
    double shownValue() const;

    /// Puts the focus back into the field with its text selected, after a window's message.
    void returnFocus();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(double value);
    /// The user left the field after an edit and the value lies inside the range.
    void committed(double value);
    /// The user left the field after an edit with a value outside the range; the field already
    /// shows its last accepted value again.
    void outOfRange(double rejectedValue);
    /// The focus left the field (not for a context menu), edited or not; any entry has been
    /// committed by then, so the text is what the field shows from now on.
    void focusLeft();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void readTypedText(const QString& text);
    void commit();
    void rejectLater(double rejected);
    double valueOfText(const QString& text) const;
    QString formatted(double value) const;
    QString effectivePattern() const;
    int neededIntegerDigits() const;
    void updateMargins();

    double m_minimum = 0.0;
    double m_maximum = 999999999.0;
    int m_integerDigits = 0;
    int m_decimals = 2;
    QString m_pattern;
    bool m_wholeNumber = false;
    FieldSign m_sign = FieldSign::None;
    double m_value = 0.0;
    double m_accepted = 0.0;
};

} // namespace grovan
