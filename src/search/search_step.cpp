#include "search/search_step.h"

#include <algorithm>

namespace orvel {

std::vector<ByteSpan> FindStepRanges(ByteSpan scope, ByteSpan current, Offset length,
                                     SearchDirection direction, bool wrap) {
    std::vector<ByteSpan> ranges;
    if (direction == SearchDirection::kForward) {
        const Offset start = std::clamp(current.last, scope.first, scope.last);
        ranges.push_back({start, scope.last});
        if (wrap && start > scope.first)
            ranges.push_back({scope.first, std::min(start + length - 1, scope.last)});
    } else {
        const Offset end = std::clamp(current.first, scope.first, scope.last);
        ranges.push_back({scope.first, end});
        if (wrap && end < scope.last)
            ranges.push_back({std::max(end - length + 1, scope.first), scope.last});
    }
    return ranges;
}

}  // namespace orvel
