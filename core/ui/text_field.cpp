#include "core/ui/text_field.h"

namespace grovan {

namespace {

QString qStringOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TextField::TextField(QWidget* parent) : QLineEdit(parent) {}

TextField::TextField(int maximumLength, const QString& hint, QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(maximumLength);
    setHint(hint);
}

TextField::TextField(const FieldDescription& description, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(qStringOf(description.controlName));
    if (description.maximum > 0.0) {
        setMaxLength(static_cast<int>(description.maximum));
    }
    setHint(qStringOf(description.hint));
    setReadOnly(description.readOnly);
}

void TextField::setHint(const QString& hint)
{
    m_hint = hint;
    setToolTip(hint);
}

} // namespace grovan
