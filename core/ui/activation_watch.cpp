// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/activation_watch.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace grovan {

ActivationWatch::ActivationWatch(QWidget* window, std::function<void()> activated)
    : QObject(window), m_window(window), m_activated(std::move(activated))
{
    window->installEventFilter(this);
    watchFrame();
}

bool ActivationWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ParentChange) {
            watchFrame();
        } else if (event->type() == QEvent::WindowActivate && isActiveChild()) {
            m_activated();
        }
    }
    return QObject::eventFilter(watched, event);
}

void ActivationWatch::watchFrame()
{
    if (m_frame != nullptr) {
        disconnect(m_frame, nullptr, this, nullptr);
    }
    m_frame = qobject_cast<QMdiSubWindow*>(m_window->parentWidget());
    if (m_frame == nullptr) {
        return;
    }
    connect(m_frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if (!before.testFlag(Qt::WindowActive) && now.testFlag(Qt::WindowActive)) {
                    m_activated();
                }
            });
}

bool ActivationWatch::isActiveChild() const
{
    if (m_frame == nullptr || m_frame->mdiArea() == nullptr) {
        return true;
    }
    return m_frame->mdiArea()->activeSubWindow() == m_frame;
}

} // namespace grovan
