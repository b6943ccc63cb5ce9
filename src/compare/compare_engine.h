#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// The two files of a comparison, shown in the upper and the lower pane.
enum class ComparedFile { kFirst, kSecond };

// Difference colours: a differing byte is red in the first pane and blue in the
// second; the surplus of a longer first file is red, of a longer second file green.
inline constexpr MarkColor kFirstPaneDiffColor = MarkColor::kRed;
inline constexpr MarkColor kSecondPaneDiffColor = MarkColor::kBlue;
inline constexpr MarkColor kSurplusColor = MarkColor::kGreen;

// The comparison works in blocks of this many offsets: it asks its stop predicate
// at every block boundary, and cuts every run of differences at each multiple of
// it, so that a long stretch of differences is painted piece by piece.
inline constexpr Offset kCompareBlock = Offset{1} << 16;

struct CompareResult {
    Offset size1 = 0;
    Offset size2 = 0;
    // Differing offsets within the common length; surplus bytes are not counted.
    Offset differences = 0;
    // False when the stop predicate or a sink ended the comparison early.
    bool finished = false;

    [[nodiscard]] Offset common() const { return size1 < size2 ? size1 : size2; }
    [[nodiscard]] Offset surplus() const { return size1 < size2 ? size2 - size1 : size1 - size2; }
    [[nodiscard]] bool identical() const { return differences == 0 && size1 == size2; }
};

// The compare worker's scan. Walks the offsets in increasing order and hands each
// run of differing offsets to both sinks, `firstPane` then `secondPane`, in the
// panes' difference colours; then the surplus of the longer file, to the sink of
// that file's pane (red in the first, green in the second). `stop` (may be empty)
// is asked at every block boundary and before every byte a run takes in; on a stop
// the part of a run scanned so far is still handed on, then the scan returns.
// `progress` (may be null) is given the offsets done so far, out of the longer
// size, at every block boundary and at the end; another thread may read it.
// The sizes are those of the spans, taken once: the caller must keep both arrays
// unchanged while the scan runs. May run on any thread; the sinks and `stop` are
// called on the caller's thread.
[[nodiscard]] CompareResult CompareBytes(std::span<const std::uint8_t> first,
                                         std::span<const std::uint8_t> second,
                                         const RunSink& firstPane, const RunSink& secondPane,
                                         const StopCheck& stop = {},
                                         std::atomic<Offset>* progress = nullptr);

// The summary message shown when a comparison finished (numbers in decimal).
[[nodiscard]] std::string CompareSummaryText(const CompareResult& result);

// The first offset in [from, to) where the two arrays differ, or -1. Both arrays
// must hold at least `to` bytes. Costs about one memcmp of the span.
[[nodiscard]] Offset FindFirstMismatch(const std::uint8_t* a, const std::uint8_t* b, Offset from,
                                       Offset to);
// The last offset in [from, to) where the two arrays differ, or -1.
[[nodiscard]] Offset FindLastMismatch(const std::uint8_t* a, const std::uint8_t* b, Offset from,
                                      Offset to);

}  // namespace orvel
