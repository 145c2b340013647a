// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"
#include "core/message.h"

#include <optional>

namespace grovan {

/// What a vehicle window does after an action of the user, as the engine decides it: the message
/// it shows (if any), then the field that receives the focus (if any).
struct WindowReply
{
    std::optional<Message> message;
    const FieldDescription* focus = nullptr;

    bool operator==(const WindowReply&) const = default;
};

} // namespace grovan
