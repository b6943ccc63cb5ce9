#include "compare/input_compare.h"

#include <sys/mman.h>

#include <algorithm>
#include <vector>

#include "compare/compare_engine.h"

namespace orvel {
namespace {

static_assert(kInputCompareBlock % kCompareBlock == 0);

// A block of zeros, for the holes of sparse files: a mapping of the
// system's page of zeros, which costs no memory.
const std::uint8_t* Zeros() {
    static const void* zeros =
        mmap(nullptr, kInputCompareBlock, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return static_cast<const std::uint8_t*>(zeros == MAP_FAILED ? nullptr : zeros);
}

// One side of a block: zeros for a hole, mapped, or read into a buffer where
// the file cannot be mapped.
struct Side {
    MappedBytes mapped;
    std::vector<std::uint8_t> buffer;
    std::span<const std::uint8_t> bytes;

    bool Get(InputReader& in, Offset at, FileError& error) {
        const auto wanted =
            static_cast<std::size_t>(std::clamp<Offset>(in.size() - at, 0, kInputCompareBlock));
        if (in.IsHole(at, wanted) && Zeros() != nullptr) {
            mapped.Reset();
            bytes = std::span(Zeros(), wanted);
            return true;
        }
        if (in.MapAt(at, wanted, mapped, error)) {
            bytes = mapped.bytes();
            return true;
        }
        buffer.resize(kInputCompareBlock);
        const Offset got = in.ReadAt(at, buffer.data(), wanted, error);
        bytes = std::span(buffer.data(), static_cast<std::size_t>(std::max<Offset>(got, 0)));
        return got >= 0;
    }
};

struct Slot {
    Side sides[2];
    bool failed = false;
    Offset differences = 0;
    std::string text;
    FileError error;

    [[nodiscard]] ComparedBlock Compared(Offset offset) const {
        return {offset, sides[0].bytes, sides[1].bytes, differences, text};
    }
};

}  // namespace

bool CompareInputs(InputReader& first, InputReader& second, Offset from,
                   const ComparedBlockWork& work, const ComparedBlockSink& sink, FileError& error,
                   int threads) {
    InputReader* inputs[2] = {&first, &second};
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
        slot.failed = !slot.sides[0].Get(*inputs[0], at, slot.error) ||
                      !slot.sides[1].Get(*inputs[1], at, slot.error);
        if (slot.failed)
            return;
        slot.text.clear();
        const ComparedBlock read = slot.Compared(at);
        slot.differences = work ? work(read, slot.text)
                                : CompareBytes(read.first, read.second, {}, {}).differences;
    };
    stages.deliver = [&](Offset block, std::size_t s) {
        const Slot& slot = slots[s];
        if (slot.failed) {
            failure = slot.error;
            return false;
        }
        sinkEnded = !sink(slot.Compared(offsetOf(block)));
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
