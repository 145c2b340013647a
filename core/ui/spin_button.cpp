// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/spin_button.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

QToolButton* makeHalf(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    // The pair takes the height of an edit field; each half gets what the pair has.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), m_up(makeHalf(Qt::UpArrow, tr("Up"), this)),
      m_down(makeHalf(Qt::DownArrow, tr("Down"), this))
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::up);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::down);
}

SpinButton::SpinButton(const QString& controlName, QWidget* parent) : SpinButton(parent)
{
    setObjectName(controlName);
}

QSize SpinButton::sizeHint() const
{
    // As tall as an edit field, so that it stands level with the field it steps.
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QSize text(10, qMax(fontMetrics().height(), 14) + 2);
    const int height = style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this).height();
    return {qMax(18, height * 3 / 4), height};
}

QSize SpinButton::minimumSizeHint() const
{
    return sizeHint();
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        emit up();
    } else if (event->key() == Qt::Key_Down) {
        emit down();
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace grovan
