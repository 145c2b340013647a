// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

class QWidget;

namespace grovan {

/// Shows the engine's messages as modal message boxes with one OK button, over `parent`.
class MessageBoxSink : public MessageSink
{
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }
    void show(const Message& message) override;

private:
    QWidget* m_parent;
};

} // namespace grovan
