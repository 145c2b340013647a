// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QMdiSubWindow;
class QWidget;

namespace grovan {

/// Tells a calculator window each time it becomes the active window, for the windows whose
/// values are the application's and are shown and calculated again on every activation. A window
/// on its own becomes active as any top-level window does; inside the main window it becomes
/// active when its frame becomes the active child window, which need not activate the main
/// window itself. The main window's own activation reaches every child window: it counts only for
/// the active one.
class ActivationWatch : public QObject
{
    Q_OBJECT

public:
    /// Watches `window` (which owns the watch) and calls `activated` at each activation.
    ActivationWatch(QWidget* window, std::function<void()> activated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchFrame();
    bool isActiveChild() const;

    QWidget* m_window;
    std::function<void()> m_activated;
    QPointer<QMdiSubWindow> m_frame;
};

} // namespace grovan
