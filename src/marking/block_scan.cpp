#include "marking/block_scan.h"

#include <algorithm>

#include "search/find_search.h"

namespace orvel {
namespace {

// Candidate positions searched between two stop checks: well under a
// millisecond at memory speed.
constexpr Offset kSliceBytes = Offset{1} << 22;

}  // namespace

Offset FindInBlock(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> pattern,
                   Offset from, Offset lastStart, const StopCheck& stop) {
    const auto n = static_cast<Offset>(pattern.size());
    while (from <= lastStart) {
        if (StopAsked(stop))
            return kStopped;
        const Offset sliceLast = std::min(lastStart, from + kSliceBytes - 1);
        const Offset found =
            FindBytes(bytes.first(static_cast<std::size_t>(sliceLast + n)), pattern, from);
        if (found != kNotFound)
            return found;
        from = sliceLast + 1;
    }
    return kNotFound;
}

bool RunMerger::Add(Offset first, Offset last, MarkColor color) {
    if (holding_ && color == pending_.color && first <= pending_.last + 1) {
        pending_.last = std::max(pending_.last, last);
        return true;
    }
    if (!Flush())
        return false;
    pending_ = {first, last, color};
    holding_ = true;
    return true;
}

bool RunMerger::Flush() {
    if (!holding_)
        return true;
    holding_ = false;
    return sink_(pending_);
}

}  // namespace orvel
