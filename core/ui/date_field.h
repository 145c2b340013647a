// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar_date.h"
#include "core/field_description.h"

#include <QLineEdit>

#include <optional>

namespace grovan {

/// A date edit field for "dd/mm/yyyy", typed into a mask (the two slashes stand; a field that may
/// be empty shows "__/__/____" when empty), with an allowed range that the window may move at any
/// time (typically from `focusEntered`).
///
/// `dateChanged` is emitted at every edit that makes the text a whole date (or, in a field that
/// may be empty, clears it) and whenever `setDate` changes the date. When the user leaves the
/// field (focus moves away, or Enter) after editing it, the entry is committed against the range
/// as it stands at that moment:
/// - a date inside the range (or no date, in a field that may be empty) is kept, shown as
///   "dd/mm/yyyy" and `committed` is emitted;
/// - text that is not a date, or a date outside the range, is not kept: the field goes back to
///   its last accepted date (shown and emitted through `dateChanged`), then `invalidDate` is
///   emitted with the reason. The window shows its message there and calls `returnFocus()`.
/// As with `NumericField`, `invalidDate` comes through the event queue after the focus change has
/// finished, and dates set by the program are never checked.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Problem
    {
        NotADate, ///< the text is no calendar date (or is empty where a date is required)
        TooEarly, ///< before the earliest allowed date
        TooLate,  ///< after the latest allowed date
    };
    Q_ENUM(Problem)

    /// An unlimited date field that requires a date, showing no date until one is set.
    explicit DateField(QWidget* parent = nullptr);
    /// A field built from its description: objectName, the range (day numbers in `minimum` and
    /// `maximum`, both 0 for none), `mayBeEmpty` and the default date (a day number).
    explicit DateField(const FieldDescription& description, QWidget* parent = nullptr);

    /// A field that may be empty shows "__/__/____" when empty and accepts no date; otherwise an
    /// empty entry is refused as `NotADate`.
    void setMayBeEmpty(bool mayBeEmpty);
    bool mayBeEmpty() const { return m_mayBeEmpty; }

    /// The date that stands for "no date" among the calculator's values, where a calculator
    /// keeps one (a field built from a description that may be empty takes its default date):
    /// `setDate` of it clears the field. Nothing by default.
    void setEmptyDate(std::optional<CalendarDate> date);
    std::optional<CalendarDate> emptyDate() const { return m_emptyDate; }

    void setEarliest(std::optional<CalendarDate> earliest) { m_earliest = earliest; }
    void setLatest(std::optional<CalendarDate> latest) { m_latest = latest; }
    void setRange(std::optional<CalendarDate> earliest, std::optional<CalendarDate> latest);
    std::optional<CalendarDate> earliest() const { return m_earliest; }
    std::optional<CalendarDate> latest() const { return m_latest; }

    /// The field's date; nothing when it holds no date.
    std::optional<CalendarDate> date() const { return m_date; }
    /// Shows `date` (or clears the field, also for the empty date) and makes it the accepted
    /// date.
    void setDate(std::optional<CalendarDate> date);
    /// The entry last refused for lying outside the range; nothing when it was no date.
    std::optional<CalendarDate> rejectedDate() const { return m_rejected; }

    /// Puts the focus back into the field with its text selected, after a window's message.
    void returnFocus();

    QSize sizeHint() const override;

signals:
    void dateChanged(std::optional<grovan::CalendarDate> date);
    /// The user left the field after an edit with an acceptable entry.
    void committed(std::optional<grovan::CalendarDate> date);
    /// The user left the field after an edit with an entry that was refused; the field already
    /// shows its last accepted date again.
    void invalidDate(grovan::DateField::Problem problem);
    /// The field is getting the focus; a window moves the range here.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Reading
    {
        Empty,
        Partial,
        Whole
    };
    struct Entry
    {
        Reading reading = Reading::Empty;
        std::optional<CalendarDate> date;
    };

    Entry readText() const;
    void readTypedText();
    void commit();
    void display(std::optional<CalendarDate> date);

    bool m_mayBeEmpty = false;
    std::optional<CalendarDate> m_emptyDate;
    std::optional<CalendarDate> m_rejected;
    std::optional<CalendarDate> m_earliest;
    std::optional<CalendarDate> m_latest;
    std::optional<CalendarDate> m_date;
    std::optional<CalendarDate> m_accepted;
};

} // namespace grovan
