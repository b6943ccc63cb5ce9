#include "search/searcher.h"

#include <algorithm>
#include <utility>

namespace orvel {

Searcher::Searcher(SearchPattern pattern) : pattern_(std::move(pattern)) {
    const auto masks = pattern_.masks();
    if (pattern_.empty()) {
        way_ = Way::kNothing;
    } else if (std::all_of(masks.begin(), masks.end(), [](std::uint8_t m) { return m == 0; })) {
        way_ = Way::kEveryPosition;
    } else if (pattern_.exact()) {
        way_ = Way::kExact;
    } else {
        way_ = Way::kMasked;
        probe_.emplace(pattern_);
    }
}

Offset Searcher::FindFirst(std::span<const std::uint8_t> bytes) const {
    return Find(bytes, SearchDirection::kForward);
}

Offset Searcher::FindLast(std::span<const std::uint8_t> bytes) const {
    return Find(bytes, SearchDirection::kBackward);
}

Offset Searcher::Find(std::span<const std::uint8_t> bytes, SearchDirection direction) const {
    const std::size_t n = pattern_.size();
    if (way_ == Way::kNothing || n > bytes.size())
        return kNotFound;
    const bool forward = direction == SearchDirection::kForward;
    const std::uint8_t* first = bytes.data();
    const std::uint8_t* lastStart = first + (bytes.size() - n);
    const std::uint8_t* hit = nullptr;
    switch (way_) {
        case Way::kNothing:
            break;
        case Way::kEveryPosition:
            hit = forward ? first : lastStart;
            break;
        case Way::kExact:
            hit = (forward ? FindExactForward : FindExactBackward)(first, lastStart,
                                                                   pattern_.values().data(), n);
            break;
        case Way::kMasked:
            hit = (forward ? FindMaskedForward : FindMaskedBackward)(first, lastStart, *probe_);
            break;
    }
    return hit == nullptr ? kNotFound : hit - first;
}

}  // namespace orvel
