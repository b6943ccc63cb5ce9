#pragma once

#include <vector>

#include "document/offset.h"
#include "search/searcher.h"

namespace orvel {

// The byte offsets [first, last).
struct ByteSpan {
    Offset first = 0;
    Offset last = 0;
    friend bool operator==(const ByteSpan&, const ByteSpan&) = default;
};

// Where one Find Next or Find Previous of a pattern of `length` bytes looks,
// in the order to try: the first hit of the first range that has one (in the
// search's direction, see HitIterator) is the find. `scope` is the part of the
// file searched (all of it, or the selection a search within it keeps);
// `current` the bytes selected, or the caret's place when empty.
//
// Forwards the hits that start at or after the end of `current` come first;
// backwards the hits that end at or before its start, so that repeated finds
// step over the selected hit. With `wrap` a second range holds the hits of
// the scope the first could not reach. A `current` outside the scope counts as
// at its nearest end.
[[nodiscard]] std::vector<ByteSpan> FindStepRanges(ByteSpan scope, ByteSpan current, Offset length,
                                                   SearchDirection direction, bool wrap);

}  // namespace orvel
