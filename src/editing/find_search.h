#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"

namespace orvel {

inline constexpr Offset kNotFound = -1;

// The first position i >= from at which `pattern` occurs whole inside `bytes`
// (i + pattern.size() <= bytes.size()), or kNotFound. The search goes forward
// only and never wraps. An empty pattern or a negative `from` finds nothing.
// Vectorised (AVX2 where the processor has it, SSE2 otherwise): it filters
// on the pattern's first and last byte together, so rare patterns run at close
// to memory speed. Safe to call from any thread on bytes nobody resizes.
[[nodiscard]] Offset FindBytes(std::span<const std::uint8_t> bytes,
                               std::span<const std::uint8_t> pattern, Offset from);

// One Find Next: searches from `nextStart` and, on a find, moves `nextStart`
// past the found bytes, so that repeated calls step through the occurrences
// without overlap (00 00 in 00 00 00 00 is found at 0 and 2). Nothing found
// leaves `nextStart` as it was. Returns the position found or kNotFound.
[[nodiscard]] Offset FindNext(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> pattern, Offset& nextStart);

}  // namespace orvel
