#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvel {

// Reading whole numbers from text: the one reader behind every number a dialog
// field, a value text, the notation converter or a command-line argument holds.

// The digits a number is written in: 0-9, A-F and a-f, or 0-9.
enum class NumberBase { kHex, kDecimal };

struct LeadingNumber {
    std::uint32_t value = 0;  // 0xFFFFFFFF when the digits do not fit
    std::size_t digits = 0;   // characters read: 0 when the text does not begin with a digit
    bool fits = true;         // false when the digits stand for 2^32 or more
};

// The number written by the digits at the start of `text`, read up to the
// first character that is not a digit of `base`. Nothing is trimmed: a text
// that begins with a blank reads no digit.
[[nodiscard]] LeadingNumber ReadLeadingNumber(std::string_view text, NumberBase base);

// The number `text` writes as a whole; nothing for an empty text, any
// character that is not a digit of `base` (blanks included), or 2^32 or more.
[[nodiscard]] std::optional<std::uint32_t> ParseNumber(std::string_view text, NumberBase base);

}  // namespace orvel
