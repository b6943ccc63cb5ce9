#include "search/search_pattern.h"

#include <algorithm>

#include "editing/validators.h"

namespace orvel {
namespace {

constexpr std::uint8_t kCaseBit = 0x20;

bool IsAsciiLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A nibble of hex text: its value and mask (? takes any value).
struct Nibble {
    std::uint8_t value = 0;
    std::uint8_t mask = 0;
};

std::optional<Nibble> ReadNibble(char c) {
    if (c == '?')
        return Nibble{};
    const int value = HexDigitValue(c);
    if (value < 0)
        return std::nullopt;
    return Nibble{static_cast<std::uint8_t>(value), 0xF};
}

// The UTF-16 code units of one code point.
std::u16string Utf16Units(char32_t c) {
    if (c < 0x10000)
        return std::u16string(1, static_cast<char16_t>(c));
    c -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

bool IsCharacter(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Appends code point `c` to `out` as UTF-8.
void AppendUtf8(char32_t c, std::vector<std::uint8_t>& out) {
    if (c < 0x80) {
        out.push_back(static_cast<std::uint8_t>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<std::uint8_t>(0xC0 | c >> 6));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<std::uint8_t>(0xE0 | c >> 12));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<std::uint8_t>(0xF0 | c >> 18));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
    }
}

// The code point of the UTF-8 sequence at the start of `bytes` and its length,
// or nothing for a sequence that is not valid (overlong forms and surrogates included).
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view bytes) {
    const auto lead = static_cast<std::uint8_t>(bytes[0]);
    if (lead < 0x80)
        return std::pair<char32_t, std::size_t>{lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || length > bytes.size())
        return std::nullopt;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || !IsCharacter(c))
        return std::nullopt;
    return std::pair<char32_t, std::size_t>{c, length};
}

}  // namespace

SearchPattern SearchPattern::Exact(std::span<const std::uint8_t> bytes) {
    SearchPattern pattern;
    pattern.values_.assign(bytes.begin(), bytes.end());
    pattern.masks_.assign(bytes.size(), 0xFF);
    return pattern;
}

void SearchPattern::Append(std::uint8_t value, std::uint8_t mask) {
    values_.push_back(static_cast<std::uint8_t>(value & mask));
    masks_.push_back(mask);
}

bool SearchPattern::exact() const {
    return std::all_of(masks_.begin(), masks_.end(), [](std::uint8_t m) { return m == 0xFF; });
}

bool SearchPattern::MatchesAt(const std::uint8_t* bytes) const {
    for (std::size_t k = 0; k < values_.size(); ++k) {
        if ((bytes[k] & masks_[k]) != values_[k])
            return false;
    }
    return true;
}

std::optional<SearchPattern> ParseHexPattern(std::string_view text) {
    text = TrimBlanks(text);
    const std::size_t bytes = (text.size() + 1) / 2;
    if (text.empty() || bytes > kMaxSearchPatternSize)
        return std::nullopt;
    SearchPattern pattern;
    std::size_t at = 0;
    if (text.size() % 2 == 1) {
        const std::optional<Nibble> low = ReadNibble(text[0]);
        if (!low)
            return std::nullopt;
        pattern.Append(low->value, static_cast<std::uint8_t>(0xF0 | low->mask));
        at = 1;
    }
    for (; at < text.size(); at += 2) {
        const std::optional<Nibble> high = ReadNibble(text[at]);
        const std::optional<Nibble> low = ReadNibble(text[at + 1]);
        if (!high || !low)
            return std::nullopt;
        pattern.Append(static_cast<std::uint8_t>(high->value << 4 | low->value),
                       static_cast<std::uint8_t>(high->mask << 4 | low->mask));
    }
    return pattern;
}

std::optional<SearchPattern> TextPattern(std::u32string_view text, TextEncoding encoding,
                                         bool ignoreCase) {
    if (text.empty())
        return std::nullopt;
    SearchPattern pattern;
    std::vector<std::uint8_t> bytes;
    for (const char32_t c : text) {
        if (!IsCharacter(c) || (encoding == TextEncoding::kLatin1 && c > 0xFF))
            return std::nullopt;
        bytes.clear();
        switch (encoding) {
            case TextEncoding::kLatin1:
                bytes.push_back(static_cast<std::uint8_t>(c));
                break;
            case TextEncoding::kUtf8:
                AppendUtf8(c, bytes);
                break;
            case TextEncoding::kUtf16LE:
            case TextEncoding::kUtf16BE:
                for (const char16_t unit : Utf16Units(c)) {
                    const auto low = static_cast<std::uint8_t>(unit & 0xFF);
                    const auto high = static_cast<std::uint8_t>(unit >> 8);
                    bytes.push_back(encoding == TextEncoding::kUtf16LE ? low : high);
                    bytes.push_back(encoding == TextEncoding::kUtf16LE ? high : low);
                }
                break;
        }
        if (pattern.size() + bytes.size() > kMaxSearchPatternSize)
            return std::nullopt;
        // An ASCII letter is one byte of its own value in every encoding (with
        // a 00 beside it in UTF-16); only that byte takes either case.
        const bool either = ignoreCase && IsAsciiLetter(c);
        for (const std::uint8_t byte : bytes) {
            const bool letter = either && byte == c;
            pattern.Append(byte, letter ? static_cast<std::uint8_t>(~kCaseBit) : 0xFF);
        }
    }
    return pattern;
}

std::u32string DecodeArgumentText(std::string_view bytes) {
    std::u32string text;
    for (std::string_view rest = bytes; !rest.empty();) {
        const auto decoded = DecodeUtf8(rest);
        if (!decoded) {
            text.clear();
            for (const char c : bytes)
                text.push_back(static_cast<std::uint8_t>(c));
            return text;
        }
        text.push_back(decoded->first);
        rest.remove_prefix(decoded->second);
    }
    return text;
}

}  // namespace orvel
