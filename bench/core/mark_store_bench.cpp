// Colour marks against memset over the same number of bytes. Marking or
// clearing a long range must keep up with at least half of memset's speed.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "view/mark_store.h"

namespace orvel {
namespace {

constexpr Offset kGiB = Offset{1} << 30;
constexpr Offset kSingleBytes = Offset{4} << 20;
// memset runs over a buffer this large as many times as it takes to reach the
// byte count, so that the baseline does not need 1 GiB of memory.
constexpr std::size_t kBaselineBuffer = std::size_t{64} << 20;

void MemsetBytes(std::vector<std::uint8_t>& buffer, Offset bytes, int value) {
    for (Offset done = 0; done < bytes;) {
        const auto n = static_cast<std::size_t>(std::min<Offset>(bytes - done, buffer.size()));
        std::memset(buffer.data(), value, n);
        benchmark::ClobberMemory();
        done += static_cast<Offset>(n);
    }
}

void BM_MemsetBaseline(benchmark::State& state) {
    const Offset bytes = state.range(0);
    std::vector<std::uint8_t> buffer(std::min<std::size_t>(kBaselineBuffer, bytes), 1);
    int value = 0;
    for (auto _ : state)
        MemsetBytes(buffer, bytes, ++value);
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_MemsetBaseline)->Arg(kGiB)->Arg(kSingleBytes)->Unit(benchmark::kMicrosecond);

// A mark over 1 GiB that starts and ends inside pages.
void BM_PaintRange(benchmark::State& state) {
    MarkStore store;
    bool red = false;
    for (auto _ : state) {
        red = !red;
        store.Paint(7, 7 + kGiB - 1, red ? MarkColor::kRed : MarkColor::kBlue);
    }
    state.SetBytesProcessed(state.iterations() * kGiB);
}
BENCHMARK(BM_PaintRange)->Unit(benchmark::kMicrosecond);

void BM_ClearRange(benchmark::State& state) {
    MarkStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store.Paint(0, kGiB + 99, MarkColor::kGreen);
        state.ResumeTiming();
        store.ClearRange(7, 7 + kGiB - 1);
    }
    state.SetBytesProcessed(state.iterations() * kGiB);
}
BENCHMARK(BM_ClearRange)->Unit(benchmark::kMicrosecond);

void BM_ClearAfterPaintingOneGiB(benchmark::State& state) {
    MarkStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store.Paint(7, 7 + kGiB - 1, MarkColor::kRed);
        state.ResumeTiming();
        store.Clear();
    }
}
BENCHMARK(BM_ClearAfterPaintingOneGiB)->Unit(benchmark::kMicrosecond);

// 4 Mi bytes marked one by one in alternating colours: every page turns
// per-byte. A fresh store per round pays for its memory, as after a rebuild.
void BM_PaintSingleBytes(benchmark::State& state) {
    for (auto _ : state) {
        MarkStore store;
        for (Offset i = 0; i < kSingleBytes; ++i) {
            store.PaintByte(i, (i & 1) != 0 ? MarkColor::kRed : MarkColor::kBlue);
        }
        benchmark::DoNotOptimize(store.ColorAt(kSingleBytes - 1));
        state.PauseTiming();
        store.Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kSingleBytes);
}
BENCHMARK(BM_PaintSingleBytes)->Unit(benchmark::kMicrosecond);

// The same over a plain array that is already in memory.
void BM_PlainArraySingleBytesBaseline(benchmark::State& state) {
    std::vector<MarkColor> colors(static_cast<std::size_t>(kSingleBytes), MarkColor::kBlack);
    for (auto _ : state) {
        for (Offset i = 0; i < kSingleBytes; ++i) {
            colors[static_cast<std::size_t>(i)] = (i & 1) != 0 ? MarkColor::kRed : MarkColor::kBlue;
            benchmark::ClobberMemory();
        }
    }
    state.SetBytesProcessed(state.iterations() * kSingleBytes);
}
BENCHMARK(BM_PlainArraySingleBytesBaseline)->Unit(benchmark::kMicrosecond);

// What the view asks for one screen: 64 lines of 16 bytes over per-byte pages.
void BM_RunsOfAScreen(benchmark::State& state) {
    MarkStore store;
    for (Offset i = 0; i < 1024; i += 3)
        store.PaintByte(i, MarkColor::kCyan);
    Offset runs = 0;
    for (auto _ : state) {
        for (Offset line = 0; line < 64; ++line) {
            store.Runs(line * 16, line * 16 + 15, [&](const PaintRun&) {
                ++runs;
                return true;
            });
        }
    }
    benchmark::DoNotOptimize(runs);
}
BENCHMARK(BM_RunsOfAScreen);

}  // namespace
}  // namespace orvel

BENCHMARK_MAIN();
