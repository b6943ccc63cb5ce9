#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvel {

// One character read from UTF-8 bytes, by the strict rules: no overlong forms,
// no surrogates (U+D800-U+DFFF), nothing above U+10FFFF.
struct Utf8Char {
    enum class State {
        kValid,      // `codePoint` in `length` bytes
        kTruncated,  // a lead byte whose continuation bytes, valid so far, run past the end
        kInvalid,    // the bytes do not begin a character (a stray continuation byte, ...)
        kEmpty,      // no byte at all
    };
    State state = State::kEmpty;
    char32_t codePoint = 0;
    int length = 0;  // bytes the character takes, 1-4; 0 unless kValid
};

// The character the first bytes of `bytes` make.
[[nodiscard]] Utf8Char ReadUtf8Char(std::span<const std::uint8_t> bytes);

// The UTF-8 bytes of `codePoint`, which must be a scalar value (not a surrogate,
// at most U+10FFFF).
[[nodiscard]] std::string Utf8Bytes(char32_t codePoint);

// True for U+0000-U+10FFFF outside the surrogates.
[[nodiscard]] constexpr bool IsScalarValue(char32_t codePoint) {
    return codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

}  // namespace orvel
