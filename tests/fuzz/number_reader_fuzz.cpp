// SPDX-License-Identifier: GPL-3.0-or-later
// The number readers: a numeric field's text (readNumber) and typed text of the command line and
// CSV cells (parseTypedNumber, parsePlainNumber).
#include "core/number_reader.h"
#include "core/plain_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto check = [](std::optional<double> value) {
        // Never anything but a finite number, and never a negative zero.
        if (value && (!std::isfinite(*value) || (*value == 0.0 && std::signbit(*value)))) {
            std::abort();
        }
    };
    const auto field = grovan::readNumber(text);
    const auto typed = grovan::parseTypedNumber(text);
    const auto plain = grovan::parsePlainNumber(text);
    check(field);
    check(typed);
    check(plain);
    // Text that is a number as a whole reads the same as typed text and in a field.
    if (plain && (!typed || *typed != *plain)) {
        std::abort();
    }
    if (typed && (!field || *field != *typed)) {
        std::abort();
    }
    return 0;
}
