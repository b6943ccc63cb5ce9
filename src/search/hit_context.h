#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "document/offset.h"

namespace orvel {

// How the hit list shows a hit of `length` bytes at `offset`: up to four
// bytes either side of it and at most sixteen of its own ("..." after them
// when it is longer), in hex with the hit in brackets, then the same bytes as
// characters: "0A 0B [41 42] 0C  ..AB.". Bytes past the end are left out.
[[nodiscard]] std::string HitContextText(std::span<const std::uint8_t> bytes, Offset offset,
                                         Offset length);

}  // namespace orvel
