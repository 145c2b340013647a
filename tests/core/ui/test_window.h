// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/field_typing.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace grovan::testing {

/// A window to put widgets in, with a plain field elsewhere to move the focus to.
class TestWindow : public QWidget
{
public:
    TestWindow() : m_layout(new QVBoxLayout(this)), elsewhere(new QLineEdit(this))
    {
        resize(640, 480);
        elsewhere->setObjectName(QStringLiteral("elsewhere"));
        m_layout->addWidget(elsewhere);
    }

    template <typename Widget> Widget* add(Widget* widget)
    {
        m_layout->addWidget(widget);
        return widget;
    }

    /// Shows the window and waits until it has the keyboard; false when it never got it.
    [[nodiscard]] bool showActive()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }

    /// Types `keys` over the whole text of `field`, as a user who selects it and types.
    static void typeInto(QLineEdit* field, const QString& keys)
    {
        grovan::testing::typeInto(field, keys);
    }

    /// Moves the focus out of whatever field has it, as a click on another field does.
    void leave() { elsewhere->setFocus(Qt::MouseFocusReason); }

private:
    QVBoxLayout* m_layout;

public:
    QLineEdit* elsewhere;
};

} // namespace grovan::testing
