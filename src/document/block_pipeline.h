#pragma once

#include <cstddef>
#include <functional>

#include "document/offset.h"

namespace orvel {

// The three stages a long input goes through block by block, each block in
// one of a few slots that the caller owns (block i uses slot i % slots):
struct BlockStages {
    // Gets block i ready in its slot, for i = 0, 1, ... in order and one call
    // at a time, on a worker (a stream is read here). False when there is no
    // block i: the input ended or failed (the caller keeps the reason).
    std::function<bool(Offset block, std::size_t slot)> read;
    // Does the work of a block that was read, on a worker; several blocks at
    // once, each in its own slot.
    std::function<void(Offset block, std::size_t slot)> process;
    // Hands a processed block on, on the calling thread, in order. False ends
    // the pipeline: the blocks after it are dropped.
    std::function<bool(Offset block, std::size_t slot)> deliver;
};

// Runs the stages on `threads` workers (at least 1) and `slots` slots (at
// least threads + 1, so that a worker can read while the oldest block waits to
// be delivered). Returns once every block read was delivered, or delivery
// ended it; all workers have finished by then.
void RunBlockPipeline(const BlockStages& stages, int threads, std::size_t slots);

// The workers to use: the processor's threads, at most 8.
[[nodiscard]] int PipelineThreads();

}  // namespace orvel
