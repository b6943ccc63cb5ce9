#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "document/block_pipeline.h"
#include "document/block_reader.h"
#include "document/file_error.h"

namespace orvel {

// Two inputs are compared in blocks of this many offsets (a multiple of
// kCompareBlock, so CompareBytes cuts a block's runs where it would cut them
// in the whole arrays).
inline constexpr Offset kInputCompareBlock = Offset{1} << 19;

// One block of two inputs compared: the offset of its first byte, the bytes
// of each input there (fewer or none where an input ends), and the offsets of
// the block where both inputs have a byte and the bytes differ.
struct ComparedBlock {
    Offset offset = 0;
    std::span<const std::uint8_t> first;
    std::span<const std::uint8_t> second;
    Offset differences = 0;
};

// Takes the blocks in order; false ends the comparison.
using ComparedBlockSink = std::function<bool(const ComparedBlock& block)>;

// Compares two seekable inputs (regular files, or spooled streams) block by
// block from offset `from` (a multiple of kInputCompareBlock) to the end of
// the longer one: `threads` workers read and compare blocks of both at once,
// and the sink gets them in order on the calling thread; the spans stay valid
// only during the call. Memory stays at about a MiB a thread. Returns false
// on a read error (`error` says why) or when the sink returned false (`error`
// is left as it was).
[[nodiscard]] bool CompareInputs(BlockReader& first, BlockReader& second, Offset from,
                                 const ComparedBlockSink& sink, FileError& error,
                                 int threads = PipelineThreads());

}  // namespace orvel
