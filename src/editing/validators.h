#pragma once

#include <string>
#include <string_view>

#include "document/offset.h"

namespace orvel {

// The character tests of the entry fields and the dialogs' OK checks.
[[nodiscard]] constexpr bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
[[nodiscard]] constexpr bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
// The value 0-15 of a hex digit, -1 for any other character.
[[nodiscard]] constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
// True when every character is a hex digit; an empty text passes (the dialogs
// test emptiness first, on its own).
[[nodiscard]] bool IsHexString(std::string_view text);
// True when every character is 0-9; an empty text passes.
[[nodiscard]] bool IsDecimalString(std::string_view text);

// `text` without leading and trailing blanks (space, tab, line breaks).
[[nodiscard]] std::string_view TrimBlanks(std::string_view text);

// How the file-size line writes its "0x": lower case in most dialogs,
// "0X" in the Bitwise Shift dialog.
enum class SizePrefix { kLower, kUpper };

// "File Size: 0x 1A2B Bytes (In Hex) or 6699 Bytes (In Decimal)" for a size of
// 6699. `size` must be non-negative.
[[nodiscard]] std::string FileSizeText(Offset size, SizePrefix prefix = SizePrefix::kLower);

}  // namespace orvel
