#include "editing/find_pattern.h"

#include "editing/validators.h"

namespace orvel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

BytePattern ParseFindPattern(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > kMaxValueDigits)
        return {};
    BytePattern pattern;
    // An odd count lets the first byte take one digit; every other byte takes two.
    std::size_t digit = 0;
    std::size_t take = text.size() % 2 == 1 ? 1 : 2;
    while (digit < text.size()) {
        int value = 0;
        for (std::size_t k = 0; k < take; ++k) {
            const int nibble = HexDigitValue(text[digit + k]);
            if (nibble < 0)
                return {};
            value = value * 16 + nibble;
        }
        pattern.bytes[pattern.size++] = static_cast<std::uint8_t>(value);
        digit += take;
        take = 2;
    }
    return pattern;
}

}  // namespace orvel
