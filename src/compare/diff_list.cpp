#include "compare/diff_list.h"

#include <algorithm>
#include <new>

namespace orvel {
namespace {

ComparedFile Other(ComparedFile which) {
    return which == ComparedFile::kFirst ? ComparedFile::kSecond : ComparedFile::kFirst;
}

void Count(DiffList::Totals& totals, const AlignedEdit& edit, Offset sign) {
    switch (edit.kind) {
        case AlignedEditKind::kChange:
            totals.changed += sign * edit.length;
            break;
        case AlignedEditKind::kDelete:
            totals.deleted += sign * edit.length;
            break;
        case AlignedEditKind::kInsert:
            totals.inserted += sign * edit.length;
            break;
    }
}

// What a copy of `edit` into `target` adds to that file's length.
Offset Growth(const AlignedEdit& edit, ComparedFile target) {
    const ComparedFile source = Other(target);
    return (EditEnd(edit, source) - EditStart(edit, source)) -
           (EditEnd(edit, target) - EditStart(edit, target));
}

}  // namespace

void DiffList::Clear() {
    rows_.clear();
    rows_.shrink_to_fit();
    totals_ = {};
    full_ = false;
}

bool DiffList::Add(const AlignedEdit& edit) {
    Count(totals_, edit, 1);
    if (full_)
        return false;
    if (!rows_.empty() && Continues(rows_.back(), edit)) {
        rows_.back().length += edit.length;
        return false;
    }
    if (rows_.size() >= maxRows_) {
        full_ = true;
        return false;
    }
    try {
        rows_.push_back(edit);
    } catch (const std::bad_alloc&) {
        full_ = true;
        return false;
    }
    return true;
}

Offset DiffList::MapOffset(ComparedFile from, Offset pos) const {
    // The last row that starts at or before `pos` in `from`.
    const auto after = std::partition_point(rows_.begin(), rows_.end(), [&](const AlignedEdit& e) {
        return EditStart(e, from) <= pos;
    });
    if (after == rows_.begin())
        return pos;
    const AlignedEdit& row = *(after - 1);
    const ComparedFile to = Other(from);
    if (pos < EditEnd(row, from)) {
        if (row.kind == AlignedEditKind::kChange)
            return EditStart(row, to) + (pos - EditStart(row, from));
        return EditStart(row, to);
    }
    return pos - EditEnd(row, from) + EditEnd(row, to);
}

std::optional<std::size_t> DiffList::RowAt(ComparedFile which, Offset pos) const {
    const auto after = std::partition_point(
        rows_.begin(), rows_.end(), [&](const AlignedEdit& e) { return EditEnd(e, which) <= pos; });
    if (after == rows_.end() || EditStart(*after, which) > pos)
        return std::nullopt;
    return static_cast<std::size_t>(after - rows_.begin());
}

void DiffList::Shift(std::size_t from, ComparedFile target, Offset by) {
    for (auto it = rows_.begin() + static_cast<std::ptrdiff_t>(from); it != rows_.end(); ++it)
        (target == ComparedFile::kFirst ? it->offsetA : it->offsetB) += by;
}

AlignedEdit DiffList::Settle(std::size_t row, ComparedFile target) {
    const AlignedEdit settled = rows_[row];
    Count(totals_, settled, -1);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    Shift(row, target, Growth(settled, target));
    return settled;
}

void DiffList::Unsettle(std::size_t row, const AlignedEdit& edit, ComparedFile target) {
    Shift(row, target, -Growth(edit, target));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), edit);
    Count(totals_, edit, 1);
}

Offset FollowingTopLine(const DiffList& diffs, ComparedFile follower, Offset leaderTop,
                        Offset firstDataLine, Offset followerSize) {
    if (leaderTop < firstDataLine)
        return leaderTop;
    const Offset across = diffs.MapOffset(Other(follower), (leaderTop - firstDataLine) * 16);
    return firstDataLine + std::clamp<Offset>(across, 0, followerSize) / 16;
}

std::optional<AlignedEdit> PlainRunEdit(const PaintRun& run, ComparedFile pane, Offset size1,
                                        Offset size2) {
    const Offset common = std::min(size1, size2);
    const Offset length = run.last - run.first + 1;
    if (pane == ComparedFile::kFirst) {
        if (run.first < common)
            return AlignedEdit{AlignedEditKind::kChange, run.first, run.first, length};
        return AlignedEdit{AlignedEditKind::kDelete, run.first, size2, length};
    }
    if (run.first < common)
        return std::nullopt;
    return AlignedEdit{AlignedEditKind::kInsert, size1, run.first, length};
}

std::optional<PaintRun> DiffPaintRun(const AlignedEdit& edit, ComparedFile pane,
                                     DiffColouring colouring) {
    const Offset first = EditStart(edit, pane);
    const Offset end = EditEnd(edit, pane);
    if (end == first)
        return std::nullopt;
    const bool inFirst = pane == ComparedFile::kFirst;
    MarkColor color = kSurplusColor;
    if (colouring == DiffColouring::kAligned) {
        color = edit.kind == AlignedEditKind::kChange   ? kAlignedChangeColor
                : edit.kind == AlignedEditKind::kDelete ? kOnlyInFirstColor
                                                        : kOnlyInSecondColor;
    } else if (inFirst) {
        color = kFirstPaneDiffColor;
    } else if (edit.kind == AlignedEditKind::kChange) {
        color = kSecondPaneDiffColor;
    }
    return PaintRun{first, end - 1, color};
}

}  // namespace orvel
