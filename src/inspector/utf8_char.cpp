#include "inspector/utf8_char.h"

namespace orvel {

Utf8Char ReadUtf8Char(std::span<const std::uint8_t> bytes) {
    using State = Utf8Char::State;
    if (bytes.empty())
        return {};
    const std::uint8_t lead = bytes[0];
    if (lead < 0x80)
        return {State::kValid, lead, 1};
    // The lead byte gives the length, the first bits of the value and the range
    // the second byte must lie in (narrower than 80-BF where an overlong form, a
    // surrogate or a value past U+10FFFF would begin).
    int length = 0;
    char32_t value = 0;
    std::uint8_t low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return {State::kInvalid, 0, 0};
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) >= bytes.size())
            return {State::kTruncated, 0, 0};
        const std::uint8_t next = bytes[static_cast<std::size_t>(i)];
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return {State::kInvalid, 0, 0};
        value = value << 6 | (next & 0x3F);
    }
    return {State::kValid, value, length};
}

std::string Utf8Bytes(char32_t codePoint) {
    std::string out;
    const auto put = [&out](unsigned value) { out += static_cast<char>(value); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | codePoint >> 6);
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | codePoint >> 12);
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | codePoint >> 18);
        put(0x80 | (codePoint >> 12 & 0x3F));
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
    return out;
}

}  // namespace orvel
