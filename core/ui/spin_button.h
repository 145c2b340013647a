// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace grovan {

/// The small up/down button pair that steps a value beside its field (the finance calculators'
/// rate, date and period spins). It holds no value: each click, each repeat while a button is held
/// down, and the Up and Down keys while it has the focus emit one step; the window decides what a
/// step does.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);
    /// A spin button named after its control, such as "spRate".
    explicit SpinButton(const QString& controlName, QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void up();
    void down();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace grovan
