#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "document/block_pipeline.h"
#include "document/file_error.h"
#include "document/input_reader.h"

namespace orvel {

// Two inputs are compared in blocks of this many offsets: a multiple of
// kCompareBlock, so CompareBytes cuts a block's runs where it would cut them
// in the whole arrays, and of the 2 MiB pages a file's cached pages may be
// mapped in at once.
inline constexpr Offset kInputCompareBlock = Offset{2} << 20;

// One block of two inputs compared: the offset of its first byte, the bytes
// of each input there (fewer or none where an input ends), the offsets of the
// block where both inputs have a byte and the bytes differ, and the text the
// caller's work on the block left.
struct ComparedBlock {
    Offset offset = 0;
    std::span<const std::uint8_t> first;
    std::span<const std::uint8_t> second;
    Offset differences = 0;
    std::string_view text;
};

// A comparison of a block of the caller's own, on a worker (so several at
// once): it returns the block's differences (`block.differences` is not known
// yet) and may leave text for the sink (`text` comes empty).
using ComparedBlockWork = std::function<Offset(const ComparedBlock& block, std::string& text)>;
// Takes the blocks in order; false ends the comparison.
using ComparedBlockSink = std::function<bool(const ComparedBlock& block)>;

// Compares two seekable inputs (regular files, or spooled streams) block by
// block from offset `from` (a multiple of kInputCompareBlock) to the end of
// the longer one: `threads` workers map (or, where a file cannot be mapped,
// read) and compare blocks of both at once, reading nothing of the holes of
// sparse files, and the sink gets them in order on the calling thread; the
// spans stay valid only during the call. `work`, when given, compares each
// block instead of CompareBytes. Memory stays at a few MiB a thread and the
// work's text. A
// file cut short while it is compared raises SIGBUS (see
// InputReader::MapAt). Returns false on a read error (`error` says why) or
// when the sink returned false (`error` is left as it was).
[[nodiscard]] bool CompareInputs(InputReader& first, InputReader& second, Offset from,
                                 const ComparedBlockWork& work, const ComparedBlockSink& sink,
                                 FileError& error, int threads = PipelineThreads());

}  // namespace orvel
