#include "compare/input_compare.h"

#include <algorithm>
#include <vector>

#include "compare/compare_engine.h"

namespace orvel {
namespace {

static_assert(kInputCompareBlock % kCompareBlock == 0);

struct Slot {
    std::vector<std::uint8_t> bytes[2] = {std::vector<std::uint8_t>(kInputCompareBlock),
                                          std::vector<std::uint8_t>(kInputCompareBlock)};
    Offset count[2] = {0, 0};  // -1 when reading failed
    Offset differences = 0;
    FileError error;
};

}  // namespace

bool CompareInputs(BlockReader& first, BlockReader& second, Offset from,
                   const ComparedBlockSink& sink, FileError& error, int threads) {
    BlockReader* inputs[2] = {&first, &second};
    const Offset end = std::max(first.size(), second.size());
    std::vector<Slot> slots(static_cast<std::size_t>(threads) + 2);
    const auto offsetOf = [from](Offset block) { return from + block * kInputCompareBlock; };
    FileError failure;
    bool sinkEnded = false;

    BlockStages stages;
    stages.read = [&](Offset block, std::size_t) { return offsetOf(block) < end; };
    stages.process = [&](Offset block, std::size_t s) {
        Slot& slot = slots[s];
        const Offset at = offsetOf(block);
        for (int k = 0; k < 2; ++k) {
            const Offset wanted = std::clamp<Offset>(inputs[k]->size() - at, 0, kInputCompareBlock);
            slot.count[k] = inputs[k]->ReadAt(at, slot.bytes[k].data(),
                                              static_cast<std::size_t>(wanted), slot.error);
            if (slot.count[k] < 0)
                return;
        }
        const CompareResult result = CompareBytes(
            std::span(slot.bytes[0].data(), static_cast<std::size_t>(slot.count[0])),
            std::span(slot.bytes[1].data(), static_cast<std::size_t>(slot.count[1])), {}, {});
        slot.differences = result.differences;
    };
    stages.deliver = [&](Offset block, std::size_t s) {
        const Slot& slot = slots[s];
        if (slot.count[0] < 0 || slot.count[1] < 0) {
            failure = slot.error;
            return false;
        }
        const ComparedBlock compared{
            offsetOf(block),
            std::span(slot.bytes[0].data(), static_cast<std::size_t>(slot.count[0])),
            std::span(slot.bytes[1].data(), static_cast<std::size_t>(slot.count[1])),
            slot.differences};
        sinkEnded = !sink(compared);
        return !sinkEnded;
    };
    RunBlockPipeline(stages, threads, slots.size());
    if (failure.code != 0) {
        error = failure;
        return false;
    }
    return !sinkEnded;
}

}  // namespace orvel
