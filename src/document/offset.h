#pragma once

#include <cstdint>

namespace orvel {

// A byte offset, a size or a text position. Always 64-bit, so that a file of
// 0xFFFFFFFF bytes and its dump text (about 4.8 times as long) fit.
using Offset = std::int64_t;

// The largest file the eight-digit address fields can reach.
inline constexpr Offset kMaxFileSize = 0xFFFFFFFF;

// True when a file of `size` bytes grown by `growth` bytes stays within kMaxFileSize.
// Both arguments must be non-negative.
[[nodiscard]] constexpr bool FitsFileSize(Offset size, Offset growth) {
    return size <= kMaxFileSize && growth <= kMaxFileSize - size;
}

}  // namespace orvel
