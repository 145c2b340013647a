// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/text_field.h"

#include "core/ui/qt_text.h"

namespace grovan {

TextField::TextField(QWidget* parent) : QLineEdit(parent) {}

TextField::TextField(int maximumLength, const QString& hint, QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(maximumLength);
    setHint(hint);
}

TextField::TextField(const FieldDescription& description, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(qText(description.controlName));
    if (description.maximum > 0.0) {
        setMaxLength(static_cast<int>(description.maximum));
    }
    setHint(qText(description.hint));
    setReadOnly(description.readOnly);
}

void TextField::setHint(const QString& hint)
{
    m_hint = hint;
    setToolTip(hint);
}

} // namespace grovan
