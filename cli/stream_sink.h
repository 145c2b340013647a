// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <ostream>

namespace grovan::cli {

/// Writes the engine's messages to a stream (standard error), one line each.
class StreamSink : public MessageSink
{
public:
    explicit StreamSink(std::ostream& out) : m_out(out) {}
    void show(const Message& message) override { m_out << "grovan-cli: " << message.text << '\n'; }

private:
    std::ostream& m_out;
};

} // namespace grovan::cli
