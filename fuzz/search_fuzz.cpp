// Searches the input's bytes for a pattern the input describes, in both
// directions, and checks every hit against a position-by-position search.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "search/hit_iterator.h"

namespace {

using orvel::Offset;
using orvel::SearchDirection;
using orvel::SearchPattern;

bool MatchesAt(const SearchPattern& pattern, const std::uint8_t* at) {
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if ((at[k] & pattern.masks()[k]) != pattern.values()[k])
            return false;
    }
    return true;
}

// The hits in [0, size) with the stepping rule of each direction.
std::vector<Offset> Reference(const SearchPattern& pattern, const std::uint8_t* data, Offset size,
                              SearchDirection direction) {
    const auto n = static_cast<Offset>(pattern.size());
    std::vector<Offset> hits;
    if (direction == SearchDirection::kForward) {
        for (Offset at = 0; at + n <= size;) {
            const bool hit = MatchesAt(pattern, data + at);
            if (hit)
                hits.push_back(at);
            at += hit ? n : 1;
        }
    } else {
        for (Offset at = size - n; at >= 0;) {
            const bool hit = MatchesAt(pattern, data + at);
            if (hit)
                hits.push_back(at);
            at -= hit ? n : 1;
        }
    }
    return hits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte gives the pattern's length (1-16), then one value and one
    // kind of test per pattern byte; the rest is searched.
    if (size < 1)
        return 0;
    const std::size_t n = 1 + data[0] % 16;
    if (size < 1 + 2 * n)
        return 0;
    constexpr std::uint8_t kMasks[] = {0xFF, 0xFF, 0xFF, 0x00, 0xF0, 0x0F, 0xDF};
    SearchPattern pattern;
    for (std::size_t k = 0; k < n; ++k)
        pattern.Append(data[1 + k], kMasks[data[1 + n + k] % sizeof kMasks]);
    const std::uint8_t* bytes = data + 1 + 2 * n;
    const auto count = static_cast<Offset>(size - 1 - 2 * n);
    const orvel::Searcher searcher(pattern);
    for (const auto direction : {SearchDirection::kForward, SearchDirection::kBackward}) {
        orvel::HitIterator hits(searcher, {bytes, static_cast<std::size_t>(count)}, 0, count,
                                direction);
        std::vector<Offset> found;
        for (Offset at; (at = hits.Next()) >= 0;)
            found.push_back(at);
        if (found != Reference(pattern, bytes, count, direction))
            std::abort();
    }
    return 0;
}
