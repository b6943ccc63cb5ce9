#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "compare/aligned_edit.h"

namespace orvel {

// Turns the bytes between two places where the files are in step (a gap: a from
// A, b from B, both ending where the next anchor starts, or at the files' ends)
// into edits.
//
// Two cheap scripts always exist: compare a and b byte for byte along one
// diagonal and put the difference in length at the gap's end, or at its start.
// The cheaper of the two (counting one per changed, deleted or inserted byte)
// bounds the cost. When it is not already the least possible (the difference in
// length), the least script is sought (LeastScript) and taken if it is worth its
// pieces: each edit counts as kEditWeight bytes more, so a replaced run of noise
// stays one change and one insertion or deletion instead of a splinter of small
// edits that thread through bytes equal by chance.
//
// The object keeps its tables between calls; it is not thread-safe.
class GapAligner {
  public:
    static constexpr Offset kMaxGapEdits = 1024;
    static constexpr Offset kEditWeight = 8;

    // Hands the edits that turn a into b, in order, to `sink`, with a[0] at
    // offsetA in A and b[0] at offsetB in B; false once the sink asked to end.
    [[nodiscard]] bool Align(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                             Offset offsetA, Offset offsetB, const EditSink& sink);

    // Sets `script` to a script of least cost that turns a into b, its offsets
    // counted from the gap's start, when that cost is at most `limit`
    // (<= kMaxGapEdits). It is found with the diagonal-furthest-reach method for
    // edit distance with changes (an O(ND) search: for each cost d, how far each
    // diagonal gets, sliding over equal bytes for free). False when the cost
    // passes `limit` or the work a budget proportional to the gap, so a gap of
    // noise costs a few dozen steps per byte at most.
    [[nodiscard]] bool LeastScript(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                   Offset limit, std::vector<AlignedEdit>& script);

  private:
    struct Step {
        std::int32_t from;  // the row the step lands on, before sliding; -1: none
        AlignedEditKind kind;
    };

    // The least cost within `limit`, or -1; rows_ keeps the search.
    [[nodiscard]] Offset LeastCost(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                   Offset limit);
    [[nodiscard]] Step Reach(Offset d, Offset k, Offset la, Offset lb) const;
    [[nodiscard]] std::int32_t Row(Offset d, Offset k) const;

    std::vector<std::int32_t> rows_;  // the row reached at cost d on diagonal k: d*d + k + d
    std::vector<AlignedEdit> steps_;
    std::vector<AlignedEdit> script_;
};

// Hands each run of differing bytes of a and b (of equal length), compared
// offset by offset, to `sink` as a change, a[0] being at offsetA in A and b[0]
// at offsetB in B; false once the sink asked to end.
[[nodiscard]] bool EmitChangedRuns(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                   Offset offsetA, Offset offsetB, const EditSink& sink);

}  // namespace orvel
