// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace grovan {

/// The program's title, which message boxes carry unless they name another.
inline constexpr const char* kProgramTitle = "Grovan2022";

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Error
};

/// A message box's contents: a fixed text, a title and an icon, with one OK button.
struct Message
{
    std::string text;
    std::string title = kProgramTitle;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

/// Where the engine's messages go: message boxes in the desktop program, standard error in the
/// command-line program, a list in tests.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

} // namespace grovan
