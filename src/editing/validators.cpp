#include "editing/validators.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace orvel {

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsHexString(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsHexDigit);
}

bool IsDecimalString(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string FileSizeText(Offset size, SizePrefix prefix) {
    // 64-bit formats, so that sizes above 0x7FFFFFFF print as themselves.
    char buf[96];
    std::snprintf(buf, sizeof buf,
                  "File Size: %s %" PRIX64 " Bytes (In Hex) or %" PRId64 " Bytes (In Decimal)",
                  prefix == SizePrefix::kUpper ? "0X" : "0x", static_cast<std::int64_t>(size),
                  static_cast<std::int64_t>(size));
    return buf;
}

}  // namespace orvel
