#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"
#include "search/searcher.h"

namespace orvel {

// The first position i >= from at which `pattern` occurs whole inside `bytes`
// (i + pattern.size() <= bytes.size()), or kNotFound. The search goes forward
// only and never wraps. An empty pattern or a negative `from` finds nothing.
// The exact path of the search engine without building a Searcher, for scans
// that search a short pattern many times. Safe to call from any thread on
// bytes nobody resizes.
[[nodiscard]] Offset FindBytes(std::span<const std::uint8_t> bytes,
                               std::span<const std::uint8_t> pattern, Offset from);

// One Find Next: searches from `nextStart` and, on a find, moves `nextStart`
// past the found bytes, so that repeated calls step through the occurrences
// without overlap (00 00 in 00 00 00 00 is found at 0 and 2). Nothing found
// leaves `nextStart` as it was. Returns the position found or kNotFound.
[[nodiscard]] Offset FindNext(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> pattern, Offset& nextStart);

}  // namespace orvel
