// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/field_reader.h"

#include "core/number_format.h"
#include "core/plain_number.h"
#include "core/rounding.h"
#include "core/text.h"
#include "core/utf8_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace grovan {

namespace {

bool isNumeric(FieldKind kind)
{
    return kind != FieldKind::Date && kind != FieldKind::Text;
}

std::string given(const RawValue& raw)
{
    switch (raw.type) {
    case RawType::Number:
        return plainNumberText(raw.number);
    case RawType::String:
    case RawType::Typed:
        return quotedText(raw.text);
    case RawType::List:
    case RawType::Other:
        return raw.text;
    }
    return raw.text;
}

std::string expected(const FieldDescription& field)
{
    switch (field.kind) {
    case FieldKind::Date:
        return "a date as \"dd/mm/yyyy\" text";
    case FieldKind::Text:
        return "text";
    default:
        return "a number (" + std::string(field.unit) + ")";
    }
}

Refusal wrongType(const FieldDescription& field, const RawValue& raw)
{
    return {"must be " + expected(field) + ", not " + given(raw), false, std::nullopt};
}

std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (const unsigned char c : text) {
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

bool fitsField(const FieldDescription& field, std::size_t characterCount)
{
    return static_cast<double>(characterCount) <= field.maximum;
}

std::variant<InputValue, Refusal> readNumber(const FieldDescription& field, const RawValue& raw)
{
    std::optional<double> number;
    if (raw.type == RawType::Number) {
        number = raw.number;
    } else if (raw.type == RawType::Typed) {
        number = parseTypedNumber(raw.text);
    }
    if (!number || !std::isfinite(*number)) {
        return wrongType(field, raw);
    }
    if (double accepted = *number; takesNumber(field, accepted)) {
        return accepted;
    }
    double value = *number;
    if (field.kind == FieldKind::WholeNumber) {
        value = value == std::floor(value) ? value : roundHalfEven(value, 0);
    } else if (value != std::floor(value) && cutToDecimals(value, field.decimals) != value) {
        const std::string takes =
            field.decimals == 0 ? "must be whole " + std::string(field.unit)
                                : "takes at most " + std::to_string(field.decimals) + " decimals";
        return Refusal{takes + ", not " + plainNumberText(value), false, std::nullopt};
    }
    return Refusal{"must be from " + limitText(field, field.minimum) + " to " +
                       limitText(field, field.maximum) + " (" + std::string(field.unit) +
                       "), not " + plainNumberText(*number),
                   true, value};
}

std::variant<InputValue, Refusal> readDate(const FieldDescription& field, const RawValue& raw)
{
    if (raw.type != RawType::String && raw.type != RawType::Typed) {
        return wrongType(field, raw);
    }
    const auto date = CalendarDate::parseDisplayOrIso(raw.text);
    if (!date) {
        return Refusal{"is not a valid date \"dd/mm/yyyy\": " + quotedText(raw.text), true,
                       std::nullopt};
    }
    if (date->dayNumber() < field.minimum || date->dayNumber() > field.maximum) {
        return Refusal{"must be a date from " + limitText(field, field.minimum) + " to " +
                           limitText(field, field.maximum) + ", not " + date->text(),
                       true, date->dayNumber()};
    }
    return *date;
}

std::variant<InputValue, Refusal> readText(const FieldDescription& field, const RawValue& raw)
{
    if (raw.type != RawType::String && raw.type != RawType::Typed) {
        return wrongType(field, raw);
    }
    // Typed text loses the blanks around it (a CSV typed with a space after each comma); a JSON
    // string is taken as it stands.
    const std::string_view text =
        raw.type == RawType::Typed ? trimmed(raw.text) : std::string_view(raw.text);
    // Text goes on into JSON, printouts and PDF files, which hold UTF-8 only; a text in another
    // encoding (Latin-1, as some payroll exports are) is refused rather than guessed at.
    if (const std::size_t valid = validUtf8Length(text); valid < text.size()) {
        return Refusal{"must be UTF-8 text, not " + quotedText(text) + ": its byte " +
                           std::to_string(valid + 1) +
                           " is no UTF-8 (convert text in Latin-1 or another encoding to UTF-8)",
                       false, std::nullopt};
    }
    const std::size_t length = characters(text);
    if (!fitsField(field, length)) {
        return Refusal{"must be at most " + limitText(field, field.maximum) +
                           " characters long, not " + std::to_string(length),
                       false, std::nullopt};
    }
    return std::string(text);
}

} // namespace

bool takesNumberAfterAll(const FieldDescription& field, double& number)
{
    if (!std::isfinite(number)) {
        return false;
    }
    double value = number;
    // Whole numbers, the usual case, need no decimal digits examined.
    // From 2^52 up every double is whole; below, the conversion to an integer drops the fraction
    // (the same test as std::floor, without a call).
    const bool whole = std::abs(value) >= 4503599627370496.0 ||
                       static_cast<double>(static_cast<std::int64_t>(value)) == value;
    if (field.kind == FieldKind::WholeNumber) {
        value = whole ? value : roundHalfEven(value, 0);
    } else if (!whole && cutToDecimals(value, field.decimals) != value) {
        return false;
    }
    if (value < field.minimum || value > field.maximum) {
        return false;
    }
    number = value;
    return true;
}

std::optional<std::string_view> acceptedText(const FieldDescription& field, std::string_view typed)
{
    const std::string_view text = trimmed(typed);
    // Plain ASCII, the usual name, is UTF-8 of a character a byte: told eight bytes at a time.
    std::size_t at = 0;
    for (std::uint64_t word = 0; at + 8 <= text.size(); at += 8) {
        std::memcpy(&word, text.data() + at, 8);
        if ((word & 0x8080808080808080) != 0) {
            break;
        }
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) {
        ++at;
    }
    if (at == text.size()) {
        return fitsField(field, text.size()) ? std::optional(text) : std::nullopt;
    }
    if (validUtf8Length(text) < text.size() || !fitsField(field, characters(text))) {
        return std::nullopt;
    }
    return text;
}

std::variant<InputValue, Refusal> readField(const FieldDescription& field, const RawValue& raw)
{
    if (isNumeric(field.kind)) {
        return readNumber(field, raw);
    }
    if (field.kind == FieldKind::Date) {
        return readDate(field, raw);
    }
    return readText(field, raw);
}

FieldValue outputValue(const FieldDescription& field, const InputValue& value)
{
    if (const auto* date = std::get_if<CalendarDate>(&value)) {
        return date->text();
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    const double number = resultNumber(field, std::get<double>(value));
    if (field.kind == FieldKind::WholeNumber) {
        return static_cast<std::int64_t>(number);
    }
    return number;
}

std::string limitText(const FieldDescription& field, double value)
{
    if (field.kind == FieldKind::Date) {
        return CalendarDate::fromDayNumber(static_cast<std::int32_t>(value)).text();
    }
    if (value == std::floor(value)) {
        return formatNumber(value, "### ### ### ##0");
    }
    return plainNumberText(value);
}

} // namespace grovan
