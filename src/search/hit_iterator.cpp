#include "search/hit_iterator.h"

#include <algorithm>
#include <utility>

namespace orvel {
namespace {

// Candidate positions searched between two stop checks: a few milliseconds at
// the slowest, well under one at memory speed.
constexpr Offset kSlice = Offset{1} << 22;

}  // namespace

HitIterator::HitIterator(const Searcher& searcher, std::span<const std::uint8_t> bytes,
                         Offset first, Offset last, SearchDirection direction, StopCheck stop)
    : searcher_(searcher),
      bytes_(bytes),
      low_(std::max<Offset>(first, 0)),
      high_(std::min(last, static_cast<Offset>(bytes.size()))),
      direction_(direction),
      stop_(std::move(stop)) {}

Offset HitIterator::Next() {
    const Offset n = searcher_.length();
    while (n > 0 && high_ - low_ >= n) {
        if (stop_ && stop_())
            return kSearchStopped;
        // A slice holds kSlice candidate positions and the bytes they need.
        const Offset span = std::min(high_ - low_, kSlice + n - 1);
        const Offset from = direction_ == SearchDirection::kForward ? low_ : high_ - span;
        const Offset hit = searcher_.Find(
            bytes_.subspan(static_cast<std::size_t>(from), static_cast<std::size_t>(span)),
            direction_);
        if (direction_ == SearchDirection::kForward) {
            low_ = hit == kNotFound ? from + span - n + 1 : from + hit + n;
        } else {
            high_ = hit == kNotFound ? from + n - 1 : from + hit;
        }
        if (hit != kNotFound)
            return from + hit;
    }
    return kNotFound;
}

}  // namespace orvel
