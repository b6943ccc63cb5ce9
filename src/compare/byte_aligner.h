#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "compare/aligned_edit.h"
#include "compare/block_reader.h"
#include "compare/compare_engine.h"

namespace orvel {

// The aligned comparison: two files compared allowing inserted and deleted bytes,
// their differences handed over as changes, deletions and insertions.
//
// How it works. Equal stretches are skipped block by block with memcmp, so files
// that agree cost what a plain comparison costs. At a byte that differs the
// aligner looks ahead in both files for the nearest place where they come back
// into step (AnchorSearch: rolling hashes of 32-byte windows), first within 64
// bytes of each file, then further each round (4 times, past 4 KiB 16 times) up
// to the search window, so that a small difference costs a small search. The
// bytes before that anchor become edits (GapAligner: the least edits where that
// is cheap to find and not splintered, else changes in place and one insertion or
// deletion), and the skipping goes on from the anchor. Where no anchor lies
// within the window of either file, a window's worth of bytes is compared offset
// by offset instead: the result counts those stretches, so the window can say so.
// When what is left of both files fits in the window, the rest is one gap,
// aligned to both ends.
//
// Every step reads forward only, through BlockReader: memory stays a few times the
// window whatever the files' size, and the cost linear in it (on files that never
// agree, a few hash steps per byte).
//
// A run of differences longer than the window may come as several adjacent edits
// of one kind (EditJoiner joins them).

// How far the aligner looks ahead in each file for the files to come back into
// step: an insertion or deletion longer than this is not recognised.
inline constexpr Offset kDefaultAlignWindow = Offset{1} << 20;
inline constexpr Offset kMinAlignWindow = 64;
inline constexpr Offset kMaxAlignWindow = Offset{1} << 26;

struct AlignOptions {
    // Clamped to [kMinAlignWindow, kMaxAlignWindow].
    Offset window = kDefaultAlignWindow;
};

enum class AlignOutcome {
    kFinished,
    kStopped,     // the stop predicate or the sink ended it
    kReadFailed,  // see `failedFile` and that reader's error()
};

struct AlignResult {
    Offset size1 = 0;
    Offset size2 = 0;
    Offset edits = 0;     // handed to the sink
    Offset changed = 0;   // bytes of each file in changes
    Offset deleted = 0;   // bytes only in the first file
    Offset inserted = 0;  // bytes only in the second file
    // Stretches compared offset by offset because no alignment was found within
    // the window, and how many bytes of each file they took.
    Offset unalignedStretches = 0;
    Offset unalignedBytes = 0;
    AlignOutcome outcome = AlignOutcome::kStopped;
    ComparedFile failedFile = ComparedFile::kFirst;

    [[nodiscard]] bool identical() const {
        return outcome == AlignOutcome::kFinished && edits == 0;
    }
};

// Aligns `first` with `second` and hands every edit to `sink` (may be empty) in
// offset order. `stop` (may be empty) is asked between blocks of work, at least
// once per window of bytes; `progress` (may be null) is given the bytes of both
// files done so far, out of size1 + size2; another thread may read it. On a stop
// or a read failure the edits handed over so far stay true. May run on any
// thread; the sink and `stop` are called on the caller's thread.
[[nodiscard]] AlignResult AlignBlocks(BlockReader& first, BlockReader& second, const EditSink& sink,
                                      const AlignOptions& options = {}, const StopCheck& stop = {},
                                      std::atomic<Offset>* progress = nullptr);

// The same on two arrays in memory, which must stay unchanged while it runs.
[[nodiscard]] AlignResult AlignBytes(std::span<const std::uint8_t> first,
                                     std::span<const std::uint8_t> second, const EditSink& sink,
                                     const AlignOptions& options = {}, const StopCheck& stop = {},
                                     std::atomic<Offset>* progress = nullptr);

// What to tell the user when part of the files could not be aligned, e.g. "In 2
// places no alignment was found within 1048576 bytes; 2097152 bytes there were
// compared byte for byte."; empty when everything was aligned.
[[nodiscard]] std::string UnalignedNoteText(const AlignResult& result, const AlignOptions& options);

// The summary of a finished Compare Aligned, e.g. "Aligned comparison: 3 bytes
// changed, 1 byte only in file1, 0 bytes only in file2.", followed by the
// unaligned note on a line of its own when there is one.
[[nodiscard]] std::string AlignSummaryText(const AlignResult& result, const AlignOptions& options);

}  // namespace orvel
