#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "document/offset.h"

namespace orvel {

// Two stretches agree on at least this many bytes at an anchor. Long enough that
// random data never agrees by chance, short enough that two edits this far apart
// are still told apart.
inline constexpr Offset kAnchorLength = 32;

// A place where two stretches come back into step: a[first..] and b[second..]
// agree on at least kAnchorLength bytes.
struct Anchor {
    Offset first;
    Offset second;
    friend bool operator==(const Anchor&, const Anchor&) = default;
};

// Finds where two stretches that start out of step, a and b, come back into step.
//
// Every kAnchorLength-byte window of b goes into a hash table under its rolling
// hash (the first place of each content only); the windows of a are then rolled
// through it and a hit is confirmed byte by byte. The anchor with the least
// first + second wins, and of those the one nearest the diagonal, so an insertion
// of n bytes is found as (0, n) and a change of n bytes as (n, n).
//
// On long stretches only the windows whose hash falls in a fixed 32nd are
// indexed and looked up, which keeps the table small and the cost near one hash
// step per byte; since equal windows have equal hashes both sides choose alike,
// and a confirmed hit is followed back along its diagonal to the start of the
// agreement. An agreement shorter than a few hundred bytes may then be missed,
// and the winner is the least found, not always the least there is.
//
// The object keeps its tables between calls; it is not thread-safe.
class AnchorSearch {
  public:
    // Stretches up to this long are searched at every window.
    static constexpr Offset kExactLength = 4096;

    // The anchor whose windows lie wholly inside both spans, or none.
    [[nodiscard]] std::optional<Anchor> Find(std::span<const std::uint8_t> a,
                                             std::span<const std::uint8_t> b);

  private:
    struct Slot {
        std::uint64_t hash;
        std::int64_t pos;  // -1: empty
    };

    void Index(std::span<const std::uint8_t> b, bool sampled);
    [[nodiscard]] const Slot* Lookup(std::uint64_t hash) const;

    std::vector<Slot> table_;
    std::uint64_t mask_ = 0;
};

}  // namespace orvel
