#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"
#include "search/searcher.h"
#include "view/mark_color.h"

namespace orvel {

// Returned by HitIterator::Next when the stop check asked to end.
inline constexpr Offset kSearchStopped = -2;

// The hits of a search inside [first, last) of `bytes`, one at a time, as
// repeated Find Next or Find Previous select them: they never overlap.
// Forwards, the hits come in ascending order and each search starts after the
// previous hit; backwards, in descending order and each search ends where the
// previous hit begins (so 00 00 in 00 00 00 is at 0 forwards, at 1 backwards).
//
// The stop check (may be empty) is asked before every slice of a few
// milliseconds of searching. The searcher and the bytes must outlive the
// iterator and stay unchanged. Not thread-safe; several iterators may share
// one searcher.
class HitIterator {
  public:
    HitIterator(const Searcher& searcher, std::span<const std::uint8_t> bytes, Offset first,
                Offset last, SearchDirection direction, StopCheck stop = {});

    // The next hit, kNotFound when there is no more, or kSearchStopped.
    [[nodiscard]] Offset Next();

  private:
    const Searcher& searcher_;
    std::span<const std::uint8_t> bytes_;
    Offset low_;  // the part still to search: [low_, high_)
    Offset high_;
    SearchDirection direction_;
    StopCheck stop_;
};

}  // namespace orvel
