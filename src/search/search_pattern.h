#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// The most bytes a search pattern may have.
inline constexpr std::size_t kMaxSearchPatternSize = std::size_t{64} << 10;

// What a search looks for: a sequence of byte tests. Byte k of a match must
// satisfy (byte & mask(k)) == value(k), where value(k) has no bit outside
// mask(k). A mask of FF asks for one value, 00 takes any byte (a wildcard),
// F0 or 0F one nibble, and DF on an ASCII letter takes it in either case.
class SearchPattern {
  public:
    SearchPattern() = default;
    // The pattern that matches exactly `bytes`.
    [[nodiscard]] static SearchPattern Exact(std::span<const std::uint8_t> bytes);

    // Adds a test at the end; bits of `value` outside `mask` are dropped.
    void Append(std::uint8_t value, std::uint8_t mask);

    [[nodiscard]] std::size_t size() const { return values_.size(); }
    [[nodiscard]] bool empty() const { return values_.empty(); }
    [[nodiscard]] std::span<const std::uint8_t> values() const { return values_; }
    [[nodiscard]] std::span<const std::uint8_t> masks() const { return masks_; }
    // True when every mask is FF.
    [[nodiscard]] bool exact() const;
    // True when the pattern matches at the start of `bytes` (which holds at least size() bytes).
    [[nodiscard]] bool MatchesAt(const std::uint8_t* bytes) const;

    friend bool operator==(const SearchPattern&, const SearchPattern&) = default;

  private:
    std::vector<std::uint8_t> values_;
    std::vector<std::uint8_t> masks_;
};

// Hex text of any length: hex digits, "?" for a nibble that may be anything
// ("??" for any byte). Every two characters make one byte, high nibble first;
// with an odd count the first character makes a byte by itself, as in the
// value texts ("ABC" is 0A BC, "?" is 00 to 0F). Blanks around the text are
// dropped. Nothing for a text that is empty, holds another character, or makes
// more than kMaxSearchPatternSize bytes.
[[nodiscard]] std::optional<SearchPattern> ParseHexPattern(std::string_view text);

// How text is turned into the bytes searched for.
enum class TextEncoding { kLatin1, kUtf8, kUtf16LE, kUtf16BE };

// The bytes of `text` (Unicode code points) in `encoding`; with `ignoreCase`
// every ASCII letter also matches its other case (in UTF-16 the letter's
// other byte stays 00). Nothing for empty text, a code point that is not a
// character or that Latin-1 cannot hold, or more than kMaxSearchPatternSize bytes.
[[nodiscard]] std::optional<SearchPattern> TextPattern(std::u32string_view text,
                                                       TextEncoding encoding, bool ignoreCase);

// The characters of a command-line argument: UTF-8 decoded when it is valid
// UTF-8, otherwise one Latin-1 character per byte.
[[nodiscard]] std::u32string DecodeArgumentText(std::string_view bytes);

}  // namespace orvel
