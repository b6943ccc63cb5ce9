#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The header lines of the ASCII table window, one per range.
inline constexpr std::string_view kAsciiHeadControl = "  Binary        Dec     Hex    Control";
inline constexpr std::string_view kAsciiHeadChars = "  Binary        Dec     Hex    Character";

// The table texts of the two ranges: a line break, then one row per code,
// each preceded by two spaces, for instance
// "0000 1000     008     08     Backspace\n". The 0-31 text ends in a line
// break and one space; the 32-127 text in the line break of code 127.
[[nodiscard]] std::string AsciiControlTableText();
[[nodiscard]] std::string AsciiCharsTableText();

}  // namespace orvel
