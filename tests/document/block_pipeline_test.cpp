#include "document/block_pipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace orvel {
namespace {

// Each block's work takes a different time, so the workers finish out of
// order; delivery is still in order and sees every block's own result.
TEST(BlockPipelineTest, DeliversEveryBlockInOrderWhateverFinishesFirst) {
    for (const int threads : {1, 2, 4}) {
        const std::size_t slots = static_cast<std::size_t>(threads) + 2;
        std::vector<Offset> read(slots, -1);
        std::vector<std::uint64_t> result(slots, 0);
        std::vector<Offset> delivered;
        BlockStages stages;
        stages.read = [&](Offset block, std::size_t slot) {
            read[slot] = block;
            return block < 200;
        };
        stages.process = [&](Offset block, std::size_t slot) {
            std::uint64_t x = static_cast<std::uint64_t>(block) + 1;
            for (Offset k = 0; k < (block * 7919) % 5000; ++k)
                x = x * 6364136223846793005ULL + 1;
            result[slot] = read[slot] == block ? static_cast<std::uint64_t>(block) : x;
        };
        stages.deliver = [&](Offset block, std::size_t slot) {
            delivered.push_back(static_cast<Offset>(result[slot]));
            return block >= 0;
        };
        RunBlockPipeline(stages, threads, slots);
        ASSERT_EQ(delivered.size(), 200u) << threads;
        for (Offset block = 0; block < 200; ++block)
            ASSERT_EQ(delivered[static_cast<std::size_t>(block)], block) << threads;
    }
}

// A delivery that says stop ends the run: no block is read that could not
// have been in a slot by then, and nothing more is delivered.
TEST(BlockPipelineTest, StopsWhenDeliverySaysSo) {
    constexpr std::size_t kSlots = 4;
    std::atomic<Offset> highestRead{-1};
    Offset lastDelivered = -1;
    BlockStages stages;
    stages.read = [&](Offset block, std::size_t) {
        highestRead = block;
        return true;  // an endless input
    };
    stages.process = [](Offset, std::size_t) {};
    stages.deliver = [&](Offset block, std::size_t) {
        lastDelivered = block;
        return block < 10;
    };
    RunBlockPipeline(stages, 2, kSlots);
    EXPECT_EQ(lastDelivered, 10);
    EXPECT_LE(highestRead.load(), 10 + static_cast<Offset>(kSlots));
}

}  // namespace
}  // namespace orvel
