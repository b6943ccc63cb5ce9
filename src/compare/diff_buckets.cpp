#include "compare/diff_buckets.h"

#include <algorithm>

namespace orvel {

DiffBuckets::DiffBuckets(Offset length) : length_(std::max<Offset>(length, 0)) {
    const auto buckets = [this] { return (length_ + bucketSize() - 1) >> shift_; };
    while (buckets() > kMaxBuckets)
        ++shift_;
    counts_.assign(static_cast<std::size_t>(buckets()), 0);
}

void DiffBuckets::Add(Offset first, Offset last) {
    first = std::max<Offset>(first, 0);
    last = std::min(last, length_ - 1);
    for (Offset pos = first; pos <= last;) {
        const Offset bucket = pos >> shift_;
        const Offset end = std::min(last + 1, (bucket + 1) << shift_);
        counts_[static_cast<std::size_t>(bucket)] += end - pos;
        total_ += end - pos;
        pos = end;
    }
}

void DiffBuckets::Clear() {
    std::fill(counts_.begin(), counts_.end(), 0);
    total_ = 0;
}

std::vector<DiffBuckets::Strip> DiffBuckets::Strips(int rows) const {
    std::vector<Strip> strips;
    if (length_ == 0 || rows <= 0)
        return strips;
    strips.reserve(static_cast<std::size_t>(rows));
    for (Offset row = 0; row < rows; ++row) {
        const Offset from = row * length_ / rows;
        const Offset to = std::max((row + 1) * length_ / rows, from + 1);
        const Offset firstBucket = from >> shift_;
        const Offset endBucket = ((to - 1) >> shift_) + 1;
        Strip strip{firstBucket << shift_, std::min(endBucket << shift_, length_), 0};
        for (Offset b = firstBucket; b < endBucket; ++b)
            strip.differing += counts_[static_cast<std::size_t>(b)];
        strips.push_back(strip);
    }
    return strips;
}

void AddEdit(DiffBuckets& first, DiffBuckets& second, const AlignedEdit& edit) {
    if (edit.kind != AlignedEditKind::kInsert)
        first.Add(edit.offsetA, edit.offsetA + edit.length - 1);
    if (edit.kind != AlignedEditKind::kDelete)
        second.Add(edit.offsetB, edit.offsetB + edit.length - 1);
}

}  // namespace orvel
