#include "core/ui/message_box_sink.h"

#include <QMessageBox>

namespace grovan {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxSink::show(const Message& message)
{
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok, m_parent);
    box.exec();
}

} // namespace grovan
