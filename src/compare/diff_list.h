#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "compare/aligned_edit.h"
#include "compare/compare_engine.h"

namespace orvel {

// Colours of an aligned comparison, the same in both panes: changed bytes red,
// bytes only in the first file blue, bytes only in the second green.
inline constexpr MarkColor kAlignedChangeColor = MarkColor::kRed;
inline constexpr MarkColor kOnlyInFirstColor = MarkColor::kBlue;
inline constexpr MarkColor kOnlyInSecondColor = MarkColor::kGreen;

// The differences of one comparison, one row per run: what the differences
// panel lists, what synchronised scrolling maps offsets through and what Copy
// to Other File settles. A plain comparison gives changes at equal offsets and
// the surplus of the longer file as a deletion or an insertion; an aligned one
// gives its edits. Rows are added in offset order. It holds at most a
// number of rows (files that differ everywhere have hundreds of millions of
// runs); the totals count every run. Not thread-safe.
class DiffList {
  public:
    static constexpr std::size_t kMaxRows = std::size_t{1} << 22;

    struct Totals {
        Offset changed = 0;   // bytes of each file in changes
        Offset deleted = 0;   // bytes only in the first file
        Offset inserted = 0;  // bytes only in the second file
    };

    explicit DiffList(std::size_t maxRows = kMaxRows) : maxRows_(maxRows) {}

    void Clear();
    // Appends an edit that lies after every row; one that continues the last
    // row lengthens it. Returns true when a row was added. Once the list is
    // full (or out of memory) an edit that needs a new row is only counted.
    bool Add(const AlignedEdit& edit);
    // True when runs were left out of the list.
    [[nodiscard]] bool full() const { return full_; }

    [[nodiscard]] std::size_t size() const { return rows_.size(); }
    [[nodiscard]] bool empty() const { return rows_.empty(); }
    [[nodiscard]] const AlignedEdit& operator[](std::size_t row) const { return rows_[row]; }
    [[nodiscard]] const Totals& totals() const { return totals_; }

    // The offset of the other file that stands where `pos` stands in `from`:
    // the same offset before the first row, inside a change the byte across,
    // inside bytes only `from` has the place they would be in the other file,
    // and after a row the same distance past its end. May lie past the other
    // file's end (the surplus of a plain comparison).
    [[nodiscard]] Offset MapOffset(ComparedFile from, Offset pos) const;

    // The row whose bytes in `which` hold `pos`, or null.
    [[nodiscard]] std::optional<std::size_t> RowAt(ComparedFile which, Offset pos) const;

    // After the bytes of `row` were copied into `target` (which now holds the
    // other file's bytes there): the row goes, and the rows after it move by
    // the change of `target`'s length. Returns the row as it was.
    AlignedEdit Settle(std::size_t row, ComparedFile target);
    // Takes a Settle back (its copy was undone): `edit` is row `row` again.
    void Unsettle(std::size_t row, const AlignedEdit& edit, ComparedFile target);

  private:
    // Moves `target`'s offsets of the rows from `from` on by `by`.
    void Shift(std::size_t from, ComparedFile target, Offset by);

    std::size_t maxRows_;
    std::vector<AlignedEdit> rows_;
    Totals totals_;
    bool full_ = false;
};

// The edit a run of a plain comparison's pane `pane` stands for, with the two
// files' sizes: a run in the first pane within the common length is a change,
// beyond it the first file's surplus (a deletion); a run in the second pane
// beyond the common length is the second file's surplus (an insertion). The
// second pane's copy of a change gives none.
[[nodiscard]] std::optional<AlignedEdit> PlainRunEdit(const PaintRun& run, ComparedFile pane,
                                                      Offset size1, Offset size2);

// The colours a comparison paints its rows in: a plain comparison's (a change
// red in the first pane and blue in the second, the surplus of the first file
// red, of the second green) or an aligned one's (see kAlignedChangeColor).
enum class DiffColouring { kPlain, kAligned };

// How row `edit` colours pane `pane`: none where that file has none of its
// bytes (an insertion in the first pane, a deletion in the second).
[[nodiscard]] std::optional<PaintRun> DiffPaintRun(const AlignedEdit& edit, ComparedFile pane,
                                                   DiffColouring colouring);

// Synchronised scrolling: the top line of pane `follower` that keeps it at the
// offset across from the top line `leaderTop` of the other pane (text lines of
// either pane; data line 0 is text line `firstDataLine`). Header lines follow
// line for line; the result stays within the follower's `followerSize` bytes.
[[nodiscard]] Offset FollowingTopLine(const DiffList& diffs, ComparedFile follower,
                                      Offset leaderTop, Offset firstDataLine, Offset followerSize);

// The first and one past the last byte of `edit` in file `which`.
[[nodiscard]] inline Offset EditStart(const AlignedEdit& edit, ComparedFile which) {
    return which == ComparedFile::kFirst ? edit.offsetA : edit.offsetB;
}
[[nodiscard]] inline Offset EditEnd(const AlignedEdit& edit, ComparedFile which) {
    return which == ComparedFile::kFirst ? edit.endA() : edit.endB();
}

}  // namespace orvel
