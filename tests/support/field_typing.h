// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests do with fields as a user does: find them by control name, type over
// their text, leave them, read what they and their labels show.

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace grovan::testing {

template <typename Widget = QLineEdit> Widget* control(const QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QLatin1String(name));
}

/// Types `keys` over the whole text of a field, as a user who selects it and types, and leaves
/// the focus in it.
inline void typeInto(QLineEdit* field, const QString& keys)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    if (keys.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, keys);
}

/// Types into a field and leaves it with Tab, as a user going on to the next field.
inline void enter(const QWidget& window, const char* name, const QString& keys)
{
    QLineEdit* field = control(window, name);
    QVERIFY2(field != nullptr, name);
    typeInto(field, keys);
    QTest::keyClick(field, Qt::Key_Tab);
}

/// The text a field shows.
inline QString shown(const QWidget& window, const char* name)
{
    const QLineEdit* field = control(window, name);
    return field != nullptr ? field->text() : QStringLiteral("(no field %1)").arg(name);
}

/// The text of the label whose buddy is `field`, or "(no label)".
inline QString labelOf(const QWidget& window, const QWidget* field)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return QStringLiteral("(no label)");
}

/// The texts of the labels whose buddy is `field`, joined by " | ".
inline QString labelsOf(const QWidget& window, const QWidget* field)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            texts << label->text();
        }
    }
    return texts.join(QStringLiteral(" | "));
}

} // namespace grovan::testing
