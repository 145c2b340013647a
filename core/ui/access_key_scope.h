// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace grovan {

/// Gives the buttons of a child window the first claim on their access keys while the keyboard
/// focus is inside the window. A calculator window lives inside the main window, whose menu bar
/// has access keys of its own ("&Car Calculations" and "&Calculate" share Alt+C,
/// "Bu&siness Calculations" and "&Settings" Alt+S); Qt would take such a key as ambiguous and
/// open the menu. With the focus in the window, Alt and a letter clicks the window's one enabled,
/// visible button (or option) with that access key; a letter no button of the window claims
/// goes to the menu bar as before.
class AccessKeyScope : public QObject
{
    Q_OBJECT

public:
    /// Watches key presses for `window` (which owns the scope) for as long as both live.
    explicit AccessKeyScope(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* claimant(QObject* receiver, const QKeyEvent& key) const;

    QPointer<QWidget> m_window;
};

} // namespace grovan
