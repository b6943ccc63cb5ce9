#include "search/searcher.h"

#include <algorithm>
#include <utility>

namespace orvel {

Searcher::Searcher(SearchPattern pattern) : pattern_(std::move(pattern)) {
    const auto masks = pattern_.masks();
    if (pattern_.empty()) {
        way_ = Way::Nothing;
    } else if (std::all_of(masks.begin(), masks.end(), [](std::uint8_t m) { return m == 0; })) {
        way_ = Way::EveryPosition;
    } else if (pattern_.exact()) {
        way_ = Way::Exact;
    } else {
        way_ = Way::Masked;
        probe_.emplace(pattern_);
    }
}

Offset Searcher::FindFirst(std::span<const std::uint8_t> bytes) const {
    return Find(bytes, SearchDirection::Forward);
}

Offset Searcher::FindLast(std::span<const std::uint8_t> bytes) const {
    return Find(bytes, SearchDirection::Backward);
}

Offset Searcher::Find(std::span<const std::uint8_t> bytes, SearchDirection direction) const {
    const std::size_t n = pattern_.size();
    if (way_ == Way::Nothing || n > bytes.size())
        return kNotFound;
    const bool forward = direction == SearchDirection::Forward;
    const std::uint8_t* first = bytes.data();
    const std::uint8_t* lastStart = first + (bytes.size() - n);
    const std::uint8_t* hit = nullptr;
    switch (way_) {
        case Way::Nothing:
            break;
        case Way::EveryPosition:
            hit = forward ? first : lastStart;
            break;
        case Way::Exact:
            hit = (forward ? FindExactForward : FindExactBackward)(first, lastStart,
                                                                   pattern_.values().data(), n);
            break;
        case Way::Masked:
            hit = (forward ? FindMaskedForward : FindMaskedBackward)(first, lastStart, *probe_);
            break;
    }
    return hit == nullptr ? kNotFound : hit - first;
}

}  // namespace orvel
