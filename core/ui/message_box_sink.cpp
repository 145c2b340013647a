// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/message_box_sink.h"

#include <QApplication>
#include <QCursor>
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
    // A message can arrive while the busy pointer shows (a printout that fails); the user reads
    // and answers it with the normal pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    box.exec();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace grovan
