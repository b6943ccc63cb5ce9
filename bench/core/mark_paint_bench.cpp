// The marking commands end to end, without a window: the scan, the worker's
// batching into paint requests, and the requests applied to a mark store, as
// the GUI thread applies them. Baselines in the same run: memchr over the
// same bytes, memset over as many bytes, and filling the mark store one entry
// at a time at the same offsets.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "marking/mark_range.h"
#include "marking/mark_value.h"
#include "marking/run_batcher.h"
#include "random_bytes.h"
#include "view/mark_store.h"

namespace {

using orvel::ByteBuffer;
using orvel::MarkColor;
using orvel::MarkStore;
using orvel::Offset;

constexpr Offset kSize = Offset{1} << 30;

const ByteBuffer& Bytes() {
    static const ByteBuffer bytes = [] {
        ByteBuffer b = orvel::bench::RandomBytesWithoutFF(kSize);
        // A rare four-byte value, about every 10 MiB.
        for (Offset at = 12345; at + 4 <= kSize; at += 10 << 20)
            std::memcpy(&b[at], "\xFF\x01\x02\x03", 4);
        return b;
    }();
    return bytes;
}

// Runs a scan through the worker's batching into `store`, as paint requests.
template <typename Scan>
void MarkInto(MarkStore& store, const std::atomic<int>& marking, Scan scan) {
    orvel::RunBatcher batcher(
        [&store](std::vector<orvel::BatchedRun>&& runs) {
            for (const orvel::BatchedRun& item : runs)
                store.Paint(item.run);
            return true;
        },
        [&marking] { return marking.load() == 0; });
    const bool done = scan(batcher.Sink(), batcher.Stop());
    benchmark::DoNotOptimize(done);
    (void)batcher.Flush();
}

void BM_MemchrBaseline(benchmark::State& state) {
    const ByteBuffer& bytes = Bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvel::bench::CountByte(bytes, 0xFF));
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_MarkBytesRareFourByteValue(benchmark::State& state) {
    const ByteBuffer& bytes = Bytes();
    const std::uint8_t value[] = {0xFF, 0x01, 0x02, 0x03};
    const std::atomic<int> marking{1};
    for (auto _ : state) {
        MarkStore store;
        MarkInto(store, marking, [&](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
            return orvel::MarkValue(bytes.span(), 0, kSize - 1, value, MarkColor::kRed, sink, stop);
        });
        benchmark::DoNotOptimize(store.pagesInUse());
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

// A one-byte value that occurs about four million times in 1 GiB.
void BM_MarkBytesFrequentOneByteValue(benchmark::State& state) {
    const ByteBuffer& bytes = Bytes();
    const std::uint8_t value[] = {0x41};
    const std::atomic<int> marking{1};
    for (auto _ : state) {
        MarkStore store;
        MarkInto(store, marking, [&](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
            return orvel::MarkValue(bytes.span(), 0, kSize - 1, value, MarkColor::kRed, sink, stop);
        });
        benchmark::DoNotOptimize(store.pagesInUse());
    }
}

void BM_FillStoreEntriesOneByOne(benchmark::State& state) {
    const ByteBuffer& bytes = Bytes();
    std::vector<Offset> offsets;
    for (Offset i = 0; i < kSize; ++i) {
        if (bytes[i] == 0x41)
            offsets.push_back(i);
    }
    state.counters["entries"] = static_cast<double>(offsets.size());
    for (auto _ : state) {
        MarkStore store;
        for (const Offset at : offsets)
            store.PaintByte(at, MarkColor::kRed);
        benchmark::DoNotOptimize(store.pagesInUse());
    }
}

void BM_MemsetBaseline(benchmark::State& state) {
    std::vector<std::uint8_t> block(Offset{64} << 20);
    for (auto _ : state) {
        for (Offset done = 0; done < kSize; done += static_cast<Offset>(block.size())) {
            std::memset(block.data(), static_cast<int>(done >> 20), block.size());
            benchmark::ClobberMemory();
        }
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

// Mark Units into a fresh store (its memory first touched during the run), or
// into the store of a view that holds marks already (the memory reused).
void BM_MarkUnits(benchmark::State& state) {
    const Offset unit = state.range(0);
    const bool reuse = state.range(1) == 1;
    const std::atomic<int> marking{1};
    MarkStore kept;
    for (auto _ : state) {
        MarkStore fresh;
        MarkStore& store = reuse ? kept : fresh;
        MarkInto(store, marking, [&](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
            return orvel::PaintUnits(0, kSize - 1, kSize, unit, MarkColor::kRed, MarkColor::kBlue,
                                     sink, stop);
        });
        benchmark::DoNotOptimize(store.pagesInUse());
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

// From the stop request to the end of painting, while Mark Units with units
// of one byte (the most runs there can be) paints 1 GiB on another thread.
void BM_StopLatency(benchmark::State& state) {
    for (auto _ : state) {
        std::atomic<int> marking{1};
        std::atomic<bool> painting{false};
        MarkStore store;
        std::chrono::steady_clock::time_point ended;
        std::thread worker([&] {
            orvel::RunBatcher batcher(
                [&](std::vector<orvel::BatchedRun>&& runs) {
                    for (const orvel::BatchedRun& item : runs)
                        store.Paint(item.run);
                    painting = true;
                    return true;
                },
                [&marking] { return marking.load() == 0; });
            const bool done = orvel::PaintUnits(0, kSize - 1, kSize, 1, MarkColor::kRed,
                                                MarkColor::kBlue, batcher.Sink(), batcher.Stop());
            benchmark::DoNotOptimize(done);
            (void)batcher.Flush();
            ended = std::chrono::steady_clock::now();
        });
        while (!painting)
            std::this_thread::yield();
        const auto asked = std::chrono::steady_clock::now();
        marking = 0;
        worker.join();
        state.SetIterationTime(std::chrono::duration<double>(ended - asked).count());
    }
}

BENCHMARK(BM_MemchrBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkBytesRareFourByteValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillStoreEntriesOneByOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkBytesFrequentOneByteValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemsetBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkUnits)
    ->ArgsProduct({{16, 512}, {0, 1}})
    ->ArgNames({"unit", "reuse"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopLatency)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
