// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <vector>

namespace grovan::testing {

/// Keeps every message the engine shows, in order.
class RecordingSink : public MessageSink
{
public:
    void show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

} // namespace grovan::testing
