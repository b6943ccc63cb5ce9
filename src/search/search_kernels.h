#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/search_pattern.h"

namespace orvel {

// The scanning loops behind every search. Each looks at the candidate positions
// first..lastStart (pointers into one array that holds lastStart + the pattern's
// length bytes) and returns the lowest (Forward) or highest (Backward) position
// where the pattern matches, or null. They filter 32 to 64 candidates at a time
// on two bytes of the pattern (AVX2 where the processor has it, SSE2 otherwise)
// and check only the candidates that pass in full, so rare patterns run at
// close to memory speed. Safe on any thread.

// An exact pattern of n >= 1 bytes: memchr (memrchr) for one byte, otherwise
// filtered on its first and last byte.
[[nodiscard]] const std::uint8_t* FindExactForward(const std::uint8_t* first,
                                                   const std::uint8_t* lastStart,
                                                   const std::uint8_t* pattern, std::size_t n);
[[nodiscard]] const std::uint8_t* FindExactBackward(const std::uint8_t* first,
                                                    const std::uint8_t* lastStart,
                                                    const std::uint8_t* pattern, std::size_t n);

// A pattern with masks, filtered on its first and last byte that is not a
// full wildcard (mask 00). The pattern must have at least one such byte.
class MaskedProbe {
  public:
    explicit MaskedProbe(const SearchPattern& pattern);

    // The filter: byte `offset` of a match, masked, equals `value`.
    struct Anchor {
        std::size_t offset = 0;
        std::uint8_t value = 0;
        std::uint8_t mask = 0;
    };
    [[nodiscard]] const Anchor& head() const { return head_; }
    [[nodiscard]] const Anchor& tail() const { return tail_; }
    // The whole pattern at `at`, eight bytes at a time.
    [[nodiscard]] bool Matches(const std::uint8_t* at) const;

  private:
    Anchor head_;
    Anchor tail_;
    std::size_t size_ = 0;
    std::vector<std::uint64_t> valueWords_;  // the pattern in words of 8 bytes
    std::vector<std::uint64_t> maskWords_;   // zero past the pattern's end
};

[[nodiscard]] const std::uint8_t* FindMaskedForward(const std::uint8_t* first,
                                                    const std::uint8_t* lastStart,
                                                    const MaskedProbe& probe);
[[nodiscard]] const std::uint8_t* FindMaskedBackward(const std::uint8_t* first,
                                                     const std::uint8_t* lastStart,
                                                     const MaskedProbe& probe);

}  // namespace orvel
