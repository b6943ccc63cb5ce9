#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_pattern.h"

namespace orvel {

// How the text of the search panel's fields is read: hex bytes (with "?"
// wildcards in a pattern), or text in one of the encodings.
enum class PatternMode { kHex, kLatin1, kUtf8, kUtf16LE, kUtf16BE };

// A pattern, or the message that says why the text makes none.
struct ParsedPattern {
    std::optional<SearchPattern> pattern;
    std::string error;
};

// The search pattern of a panel field. Hex text is read group by group, the
// groups parted by blanks, each as ParseHexPattern reads it ("41 4 42" is
// 41 04 42). `caseSensitive` false lets ASCII letters of text match either case.
[[nodiscard]] ParsedPattern ParseSearchQuery(std::u32string_view text, PatternMode mode,
                                             bool caseSensitive);

// The bytes a replacement text stands for (no wildcards; empty text is no
// bytes), or the message that says why the text makes none.
struct ParsedReplacement {
    std::optional<std::vector<std::uint8_t>> bytes;
    std::string error;
};
[[nodiscard]] ParsedReplacement ParseReplacement(std::u32string_view text, PatternMode mode);

inline constexpr std::string_view kEmptyPatternMessage = "Please type the bytes to search for.";
inline constexpr std::string_view kBadHexPatternMessage =
    "The search pattern may hold only hex digits, ? for any digit and blanks.";
inline constexpr std::string_view kBadHexReplacementMessage =
    "The replacement may hold only hex digits and blanks.";
inline constexpr std::string_view kPatternTooLongMessage =
    "The search pattern may be at most 64 KiB (65536 bytes) long.";
inline constexpr std::string_view kReplacementTooLongMessage =
    "The replacement may be at most 64 KiB (65536 bytes) long.";
inline constexpr std::string_view kBadCharacterMessage =
    "The text holds a character that the chosen encoding can not hold.";

}  // namespace orvel
