#include "search/hit_context.h"

#include <algorithm>

#include "view/dump_layout.h"

namespace orvel {
namespace {

constexpr Offset kAround = 4;
constexpr Offset kShown = 16;

void AppendHex(std::string& text, std::uint8_t byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
}

}  // namespace

std::string HitContextText(std::span<const std::uint8_t> bytes, Offset offset, Offset length) {
    const auto size = static_cast<Offset>(bytes.size());
    const Offset from = std::clamp<Offset>(offset - kAround, 0, size);
    const Offset hitEnd = std::clamp<Offset>(offset + std::min(length, kShown), from, size);
    const bool cut = length > kShown;
    const Offset to = cut ? hitEnd : std::min(hitEnd + kAround, size);
    std::string hex;
    std::string chars;
    for (Offset i = from; i < to; ++i) {
        if (i == offset)
            hex += i == from ? "[" : " [";
        else if (i > from)
            hex += ' ';
        AppendHex(hex, bytes[static_cast<std::size_t>(i)]);
        if (i + 1 == hitEnd)
            hex += cut ? "...]" : "]";
        chars += ToDisplayChar(bytes[static_cast<std::size_t>(i)]);
    }
    return hex + "  " + chars;
}

}  // namespace orvel
