#include "editing/find_pattern.h"

#include "editing/number_text.h"
#include "editing/validators.h"

namespace orvel {

BytePattern ParseFindPattern(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > kMaxValueDigits)
        return {};
    BytePattern pattern;
    // An odd count lets the first byte take one digit; every other byte takes two.
    std::size_t digit = 0;
    std::size_t take = text.size() % 2 == 1 ? 1 : 2;
    while (digit < text.size()) {
        const std::optional<std::uint32_t> value =
            ParseNumber(text.substr(digit, take), NumberBase::kHex);
        if (!value)
            return {};
        pattern.bytes[pattern.size++] = static_cast<std::uint8_t>(*value);
        digit += take;
        take = 2;
    }
    return pattern;
}

}  // namespace orvel
