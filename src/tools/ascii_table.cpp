#include "tools/ascii_table.h"

#include <array>
#include <cstdio>

namespace orvel {
namespace {

constexpr std::array<std::string_view, 32> kControlNames = {
    "NULL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "Backspace", "HT",  "LF",
    "VT",   "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3",       "DC4", "NAK",
    "SYN",  "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",        "US"};

std::string CodeName(int code) {
    if (code < 32)
        return std::string(kControlNames[static_cast<std::size_t>(code)]);
    if (code == 32)
        return "space";
    if (code == 127)
        return "delete";
    if (code == '"')
        return "\" ";  // the double quote's row carries a trailing blank
    return std::string(1, static_cast<char>(code));
}

// Rows [first, last], each preceded by two spaces, after an opening line break.
std::string TableText(int first, int last) {
    std::string text = "\n";
    for (int code = first; code <= last; ++code) {
        char row[32];
        std::snprintf(row, sizeof row, "  %d%d%d%d %d%d%d%d     %03d     %02X     ", code >> 7 & 1,
                      code >> 6 & 1, code >> 5 & 1, code >> 4 & 1, code >> 3 & 1, code >> 2 & 1,
                      code >> 1 & 1, code & 1, code, code);
        text += row;
        text += CodeName(code);
        text += '\n';
    }
    return text;
}

}  // namespace

std::string AsciiControlTableText() {
    return TableText(0, 31) + ' ';
}

std::string AsciiCharsTableText() {
    return TableText(32, 127);
}

}  // namespace orvel
