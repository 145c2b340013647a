// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"

#include <QLineEdit>

namespace grovan {

/// A text edit field that takes at most a given number of characters (longer typing or pasting is
/// cut at the limit, visibly) and carries a hint such as "(max.50 chrs.)", which the form or
/// panel shows beside it and the field shows as its tooltip.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextField(QWidget* parent = nullptr);
    TextField(int maximumLength, const QString& hint, QWidget* parent = nullptr);
    /// objectName from the control name, `maximum` as the longest length (0: unlimited), `hint`.
    explicit TextField(const FieldDescription& description, QWidget* parent = nullptr);

    void setHint(const QString& hint);
    QString hint() const { return m_hint; }

private:
    QString m_hint;
};

} // namespace grovan
