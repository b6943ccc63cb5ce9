#include "compare/diff_navigation.h"

#include <algorithm>

namespace orvel {
namespace {

Offset CommonLength(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return static_cast<Offset>(std::min(a.size(), b.size()));
}

}  // namespace

Offset DiffStartByte(TextSelection paneSelection) {
    const DumpLayout layout(DumpLayout::kPaneFirstDataPos);
    const Offset pos = layout.GetInsertPos(paneSelection);
    return pos < 0 ? -1 : layout.TextPosToByte(pos);
}

Offset FindNextDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, Offset start,
                    Offset lastDiff) {
    const Offset from = start == lastDiff ? start + 1 : start;
    const Offset limit = CommonLength(a, b);
    if (from >= limit)
        return -1;
    return FindFirstMismatch(a.data(), b.data(), from, limit);
}

Offset FindPrevDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, Offset start,
                    Offset lastDiff) {
    const Offset limit = CommonLength(a, b);
    const Offset from = std::min(start == lastDiff ? start - 1 : start, limit - 1);
    if (from < 0)
        return -1;
    return FindLastMismatch(a.data(), b.data(), 0, from + 1);
}

Offset FindFirstDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    const Offset limit = CommonLength(a, b);
    return limit > 0 ? FindFirstMismatch(a.data(), b.data(), 0, limit) : -1;
}

Offset FindLastDiff(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    const Offset limit = CommonLength(a, b);
    return limit > 0 ? FindLastMismatch(a.data(), b.data(), 0, limit) : -1;
}

DiffNavigation NavigateDiff(DiffCommand command, ComparedFile pane, TextSelection paneSelection,
                            std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                            Offset& lastDiff) {
    DiffNavigation result;
    Offset found = -1;
    if (command == DiffCommand::kFirst) {
        found = FindFirstDiff(a, b);
    } else if (command == DiffCommand::kLast) {
        found = FindLastDiff(a, b);
    } else {
        const Offset start = DiffStartByte(paneSelection);
        if (start < 0) {
            result.outcome = DiffNavigation::Outcome::kClickRequest;
            result.message = command == DiffCommand::kPrev && pane == ComparedFile::kFirst
                                 ? kClickToStartPrevFirstPaneText
                                 : kClickToStartText;
            return result;
        }
        found = command == DiffCommand::kNext ? FindNextDiff(a, b, start, lastDiff)
                                              : FindPrevDiff(a, b, start, lastDiff);
    }
    if (found >= 0) {
        result.outcome = DiffNavigation::Outcome::kFound;
        result.offset = found;
        lastDiff = found;
    }
    return result;
}

}  // namespace orvel
