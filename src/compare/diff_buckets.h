#pragma once

#include <vector>

#include "compare/aligned_edit.h"

namespace orvel {

// How many bytes of one file differ, counted per bucket of the file: what the
// overview bar beside a comparison's panes draws from, so that painting it never
// looks at single bytes. A bucket is a power of two long, the shortest that keeps
// the file within kMaxBuckets buckets. Fed with the runs (plain comparison) or
// edits (aligned comparison) as they arrive; not thread-safe.
class DiffBuckets {
  public:
    static constexpr int kMaxBuckets = 4096;

    // A share of the file the bar shows as one row: whole buckets [first, end).
    struct Strip {
        Offset first;
        Offset end;
        Offset differing;
        friend bool operator==(const Strip&, const Strip&) = default;
    };

    explicit DiffBuckets(Offset length = 0);

    [[nodiscard]] Offset length() const { return length_; }
    [[nodiscard]] Offset bucketSize() const { return Offset{1} << shift_; }
    [[nodiscard]] int bucketCount() const { return static_cast<int>(counts_.size()); }
    [[nodiscard]] Offset count(int bucket) const {
        return counts_[static_cast<std::size_t>(bucket)];
    }
    [[nodiscard]] Offset total() const { return total_; }

    // Counts bytes first..last (inclusive) as differing; the part outside the
    // file is ignored. A comparison reports each byte once, so counts never pass
    // a bucket's size.
    void Add(Offset first, Offset last);
    // Back to no differences, as at the start of a new comparison.
    void Clear();

    // The file cut into `rows` (> 0) rows of equal share, each widened to the
    // buckets it touches; a row narrower than a bucket shows the bucket it lies in.
    // Empty for an empty file.
    [[nodiscard]] std::vector<Strip> Strips(int rows) const;

  private:
    Offset length_;
    int shift_ = 0;
    Offset total_ = 0;
    std::vector<Offset> counts_;
};

// Counts an aligned edit in the buckets of both files: a change in both, a
// deletion in the first, an insertion in the second.
void AddEdit(DiffBuckets& first, DiffBuckets& second, const AlignedEdit& edit);

}  // namespace orvel
