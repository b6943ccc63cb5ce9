#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvel {

// One to four bytes typed as a value text (Find What, the Mark Bytes values,
// the header and tail values of Mark Patterns).
struct BytePattern {
    std::array<std::uint8_t, 4> bytes{};
    std::size_t size = 0;  // 0 when the text stands for no bytes

    [[nodiscard]] bool empty() const { return size == 0; }
    [[nodiscard]] std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
    friend bool operator==(const BytePattern&, const BytePattern&) = default;
};

inline constexpr std::size_t kMaxValueDigits = 8;

// Splits a value text of 1 to 8 hex digits into 1 to 4 bytes, big-endian:
// every two digits form a byte, and with an odd count the first digit forms a
// byte by itself ("ABC" is 0A BC, "12345" is 01 23 45). Blanks around the text
// are removed first. A text that is empty after trimming, longer than eight
// digits or holding any other character gives the empty pattern; the dialogs
// report such texts before they get here.
[[nodiscard]] BytePattern ParseFindPattern(std::string_view text);

}  // namespace orvel
