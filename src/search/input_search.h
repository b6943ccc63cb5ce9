#pragma once

#include <cstddef>
#include <functional>

#include "document/file_error.h"
#include "document/input_reader.h"
#include "search/searcher.h"

namespace orvel {

// Told each hit's offset; returning false ends the search.
using HitSink = std::function<bool(Offset offset)>;

// Searches an input too large to hold, window by window through one buffer
// of `window` bytes plus the pattern's length, with the stepping rules of
// HitIterator: forwards over the bytes from `from` to the end, backwards over
// the bytes before `from` (hits that end at or before it; `from` past the end
// means the end). Backwards needs a seekable input (see InputReader::Spool).
// Returns false on a read error (`error` says why); a sink that ends the
// search is not an error.
[[nodiscard]] bool SearchInput(InputReader& in, const Searcher& searcher, SearchDirection direction,
                               Offset from, const HitSink& sink, FileError& error,
                               std::size_t window = std::size_t{1} << 20);

}  // namespace orvel
