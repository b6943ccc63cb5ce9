// The marking scans over 1 GiB of random bytes, against memchr (value and
// pattern scans) and memset (units) over the same buffer in the same run.
#include <benchmark/benchmark.h>

#include <cstring>

#include "document/byte_buffer.h"
#include "marking/mark_patterns.h"
#include "marking/mark_range.h"
#include "marking/mark_value.h"
#include "random_bytes.h"

namespace orvel {
namespace {

constexpr Offset kSize = Offset{1} << 30;

const ByteBuffer& Data() {
    static const ByteBuffer buffer = [] {
        ByteBuffer b = bench::RandomBytesWithoutFF(kSize);
        for (Offset at = kSize / 5; at < kSize - 16; at += kSize / 5) {
            std::memcpy(b.data() + at, "\xFF\xFE\x01\x02\x03\x04\xFF\xFD", 8);
        }
        return b;
    }();
    return buffer;
}

using Bytes = std::span<const std::uint8_t>;
constexpr std::uint8_t kHeader[] = {0xFF, 0xFE};
constexpr std::uint8_t kTail[] = {0xFF, 0xFD};
constexpr std::uint8_t kValue[] = {0xFF, 0xFE, 0x01, 0x02};
constexpr PatternColors kColors{MarkColor::kRed, MarkColor::kGreen, MarkColor::kBlue};

struct Counter {
    Offset runs = 0;
    RunSink Sink() {
        return [this](const PaintRun&) {
            ++runs;
            return true;
        };
    }
};
const StopCheck kNeverStop = [] { return false; };

void BM_Memchr(benchmark::State& state) {
    const ByteBuffer& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::CountByte(data, 0xFF));
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_Memchr)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_MarkValueRare4(benchmark::State& state) {
    const ByteBuffer& data = Data();
    Counter counter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MarkValue(data.span(), 0, kSize - 1, Bytes(kValue),
                                           MarkColor::kRed, counter.Sink(), kNeverStop));
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_MarkValueRare4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Pattern type 1, 2, 3 with a rare two-byte header.
void BM_MarkPatternRare(benchmark::State& state) {
    const ByteBuffer& data = Data();
    Counter counter;
    for (auto _ : state) {
        bool done = false;
        if (state.range(0) == 1) {
            done = MarkPatternType1(data.span(), 0, kSize - 1, kHeader, kTail, kColors,
                                    counter.Sink(), kNeverStop);
        } else if (state.range(0) == 2) {
            done = MarkPatternType2(data.span(), 0, kSize - 1, kHeader, 4, kTail, kColors,
                                    counter.Sink(), kNeverStop);
        } else {
            done = MarkPatternType3(data.span(), 0, kSize - 1, kHeader, 4, kColors, counter.Sink(),
                                    kNeverStop);
        }
        benchmark::DoNotOptimize(done);
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_MarkPatternRare)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Type 1 with a header every 256 bytes and a tail that never occurs: linear
// in the block (compare the 256 MiB and 1 GiB rows).
void BM_MarkPatternType1NoTail(benchmark::State& state) {
    const ByteBuffer& data = Data();
    const Offset block = state.range(0) << 20;
    constexpr std::uint8_t header[] = {0x41};
    constexpr std::uint8_t tail[] = {0xFF, 0xFF};
    Counter counter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MarkPatternType1(data.span(), 0, block - 1, header, tail, kColors,
                                                  counter.Sink(), kNeverStop));
    }
    state.SetBytesProcessed(state.iterations() * block);
}
BENCHMARK(BM_MarkPatternType1NoTail)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_Memset(benchmark::State& state) {
    static ByteBuffer target(kSize);
    for (auto _ : state) {
        std::memset(target.data(), 0x5A, kSize);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Units of the given size over 1 GiB, every run handed to a sink.
void BM_PaintUnits(benchmark::State& state) {
    Counter counter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintUnits(0, kSize - 1, kSize, state.range(0), MarkColor::kRed,
                                            MarkColor::kBlue, counter.Sink(), kNeverStop));
    }
    state.counters["runs"] = static_cast<double>(kSize / state.range(0));
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_PaintUnits)->Arg(16)->Arg(64)->Arg(512)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvel

BENCHMARK_MAIN();
