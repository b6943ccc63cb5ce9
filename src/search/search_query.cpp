#include "search/search_query.h"

namespace orvel {
namespace {

bool IsBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

TextEncoding EncodingOf(PatternMode mode) {
    switch (mode) {
        case PatternMode::kUtf8:
            return TextEncoding::kUtf8;
        case PatternMode::kUtf16LE:
            return TextEncoding::kUtf16LE;
        case PatternMode::kUtf16BE:
            return TextEncoding::kUtf16BE;
        case PatternMode::kHex:
        case PatternMode::kLatin1:
            break;
    }
    return TextEncoding::kLatin1;
}

// The hex groups of `text` as one pattern; `error` says why there is none.
std::optional<SearchPattern> ParseHexGroups(std::u32string_view text, std::string_view badText,
                                            std::string_view tooLong, std::string& error) {
    SearchPattern pattern;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        std::string group;
        for (; at < text.size() && !IsBlank(text[at]); ++at) {
            if (text[at] > 0x7F) {
                error = badText;
                return std::nullopt;
            }
            group += static_cast<char>(text[at]);
        }
        // A group longer than the whole limit needs no parsing to be refused.
        if (group.size() > 2 * kMaxSearchPatternSize) {
            error = tooLong;
            return std::nullopt;
        }
        const std::optional<SearchPattern> part = ParseHexPattern(group);
        if (!part) {
            error = badText;
            return std::nullopt;
        }
        if (pattern.size() + part->size() > kMaxSearchPatternSize) {
            error = tooLong;
            return std::nullopt;
        }
        for (std::size_t k = 0; k < part->size(); ++k)
            pattern.Append(part->values()[k], part->masks()[k]);
    }
    if (pattern.empty()) {
        error = kEmptyPatternMessage;
        return std::nullopt;
    }
    return pattern;
}

std::optional<SearchPattern> ParseText(std::u32string_view text, PatternMode mode, bool ignoreCase,
                                       std::string_view tooLong, std::string& error) {
    std::optional<SearchPattern> pattern = TextPattern(text, EncodingOf(mode), ignoreCase);
    if (pattern)
        return pattern;
    // TextPattern refuses a character the encoding cannot hold, and length.
    error = tooLong;
    for (const char32_t c : text) {
        if (!TextPattern(std::u32string_view(&c, 1), EncodingOf(mode), false)) {
            error = kBadCharacterMessage;
            break;
        }
    }
    return pattern;
}

}  // namespace

ParsedPattern ParseSearchQuery(std::u32string_view text, PatternMode mode, bool caseSensitive) {
    ParsedPattern parsed;
    if (text.empty()) {
        parsed.error = kEmptyPatternMessage;
    } else if (mode == PatternMode::kHex) {
        parsed.pattern =
            ParseHexGroups(text, kBadHexPatternMessage, kPatternTooLongMessage, parsed.error);
    } else {
        parsed.pattern =
            ParseText(text, mode, !caseSensitive, kPatternTooLongMessage, parsed.error);
    }
    return parsed;
}

ParsedReplacement ParseReplacement(std::u32string_view text, PatternMode mode) {
    ParsedReplacement parsed;
    const bool blank = text.find_first_not_of(U" \t\r\n") == std::u32string_view::npos;
    // No bytes: the hits are removed.
    if (text.empty() || (mode == PatternMode::kHex && blank)) {
        parsed.bytes.emplace();
        return parsed;
    }
    std::optional<SearchPattern> pattern;
    if (mode == PatternMode::kHex) {
        pattern = ParseHexGroups(text, kBadHexReplacementMessage, kReplacementTooLongMessage,
                                 parsed.error);
        if (pattern && !pattern->exact()) {
            parsed.error = kBadHexReplacementMessage;
            return parsed;
        }
    } else {
        pattern = ParseText(text, mode, false, kReplacementTooLongMessage, parsed.error);
    }
    if (pattern) {
        const auto values = pattern->values();
        parsed.bytes.emplace(values.begin(), values.end());
    }
    return parsed;
}

}  // namespace orvel
