#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "document/offset.h"
#include "search/search_kernels.h"
#include "search/search_pattern.h"

namespace orvel {

inline constexpr Offset kNotFound = -1;

enum class SearchDirection { kForward, kBackward };

// A pattern made ready for searching: it picks the fastest way for its shape
// once (memchr for one exact byte, the first-and-last-byte filter for exact
// patterns, a masked filter on its outer fixed bytes for case-insensitive
// text and wildcards). Immutable; safe to use from several threads at once.
class Searcher {
  public:
    explicit Searcher(SearchPattern pattern);

    [[nodiscard]] const SearchPattern& pattern() const { return pattern_; }
    [[nodiscard]] Offset length() const { return static_cast<Offset>(pattern_.size()); }

    // The lowest position in `bytes` at which the whole pattern lies and
    // matches, or kNotFound (also for an empty pattern).
    [[nodiscard]] Offset FindFirst(std::span<const std::uint8_t> bytes) const;
    // The highest such position, or kNotFound.
    [[nodiscard]] Offset FindLast(std::span<const std::uint8_t> bytes) const;
    // FindFirst or FindLast.
    [[nodiscard]] Offset Find(std::span<const std::uint8_t> bytes, SearchDirection direction) const;

  private:
    enum class Way { kNothing, kEveryPosition, kExact, kMasked };

    SearchPattern pattern_;
    Way way_ = Way::kNothing;
    std::optional<MaskedProbe> probe_;
};

}  // namespace orvel
