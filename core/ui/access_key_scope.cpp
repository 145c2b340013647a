// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/access_key_scope.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace grovan {

AccessKeyScope::AccessKeyScope(QWidget* window) : QObject(window), m_window(window)
{
    // Key events reach the focused field before its window: only an application-wide filter
    // sees them early enough to keep the field from taking the letter as typing.
    QCoreApplication::instance()->installEventFilter(this);
}

bool AccessKeyScope::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    QAbstractButton* button = claimant(watched, key);
    if (button == nullptr) {
        return false;
    }
    // The override keeps the menu bar from taking the key; the press that follows clicks.
    event->accept();
    if (type == QEvent::KeyPress && !key.isAutoRepeat()) {
        button->animateClick();
    }
    return true;
}

QAbstractButton* AccessKeyScope::claimant(QObject* receiver, const QKeyEvent& key) const
{
    if (m_window == nullptr || (key.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier ||
        key.key() < Qt::Key_0 || key.key() > Qt::Key_Z) {
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || (widget != m_window && !m_window->isAncestorOf(widget))) {
        return nullptr;
    }
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : m_window->findChildren<QAbstractButton*>()) {
        if (button->isEnabled() && button->isVisibleTo(m_window) &&
            QKeySequence::mnemonic(button->text()) == pressed) {
            if (found != nullptr) {
                return nullptr; // two claim it: Qt's own handling moves between them
            }
            found = button;
        }
    }
    return found;
}

} // namespace grovan
