// The aligned comparison against the plain compare engine on the same pair of
// 256 MiB arrays that differ by 100 scattered insertions and deletions of 1-1000
// bytes, best of five; the aligner's extra memory as the peak resident set of a
// child beside a child running the plain comparison; and orvel-cli compare
// --aligned on the same pair as files. ORVEL_ALIGN_BENCH_MIB sets the size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench_support.h"
#include "compare/byte_aligner.h"
#include "compare/compare_engine.h"
#include "document/byte_buffer.h"
#include "document/file_io.h"
#include "random_bytes.h"

namespace {

using orvel::ByteBuffer;
using orvel::Offset;
using Clock = std::chrono::steady_clock;

struct Best {
    double wall = 1e30;
    double cpu = 1e30;
};
std::map<std::string, Best> g_best;

std::uint64_t Next(std::uint64_t& x) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return x;
}

// The pair: random bytes, and a copy with `edits` insertions and deletions of
// 1-1000 bytes at evenly scattered places.
struct Pair {
    ByteBuffer a;
    ByteBuffer b;
};

Offset PairSize() {
    return orvel::bench::SizeFromEnvMiB("ORVEL_ALIGN_BENCH_MIB", 256) << 20;
}

Pair MakePair(Offset size, int edits) {
    Pair pair{orvel::bench::RandomBytesWithoutFF(size), ByteBuffer()};
    pair.b.reserve(size + 1000 * edits);
    std::uint64_t x = 0x2545F4914F6CDD1DULL;
    Offset from = 0;
    for (int k = 1; k <= edits; ++k) {
        const Offset at = size * k / (edits + 1);
        pair.b.append(pair.a.data() + from, at - from);
        const auto length = static_cast<Offset>(1 + Next(x) % 1000);
        if (k % 2 == 0) {
            from = at + length;  // deleted
            continue;
        }
        for (Offset i = 0; i < length; ++i) {
            const auto byte = static_cast<std::uint8_t>(Next(x));
            pair.b.append(&byte, 1);
        }
        from = at;
    }
    pair.b.append(pair.a.data() + from, size - from);
    return pair;
}

const Pair& ScatteredPair() {
    static const Pair pair =
        MakePair(orvel::bench::SizeFromEnvMiB("ORVEL_ALIGN_BENCH_MIB", 256) << 20, 100);
    return pair;
}

// orvel-cli reads the files block by block: its whole resident set, next to the
// files' size. It runs first, while this process is still small (a child's peak
// counts what it inherits), and the files are made by a child for the same reason.
std::int64_t g_cliRss = 0;
std::string g_folder;

int SavePair(const void*) {
    const Pair pair = MakePair(PairSize(), 100);
    orvel::FileError error;
    return orvel::SaveFile(g_folder + "/a", pair.a, error) &&
                   orvel::SaveFile(g_folder + "/b", pair.b, error)
               ? 0
               : 1;
}

void BM_CliAlignedFiles(benchmark::State& state) {
    g_folder =
        std::filesystem::temp_directory_path() / ("orvel-align-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(g_folder);
    if (orvel::bench::RunInChild(SavePair, nullptr).status != 0) {
        state.SkipWithError("cannot write the files");
        return;
    }
    for (auto _ : state) {
        const auto run = orvel::bench::RunCommand(
            {ORVEL_CLI_PATH, "compare", "--aligned", g_folder + "/a", g_folder + "/b"});
        state.SetIterationTime(run.seconds);
        g_cliRss = run.peakRssKiB;
        state.counters["status"] = run.status;
        state.counters["peak_rss_MiB"] = static_cast<double>(run.peakRssKiB) / 1024;
    }
    std::filesystem::remove_all(g_folder);
}
BENCHMARK(BM_CliAlignedFiles)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

template <typename Work>
void TimeBest(benchmark::State& state, const std::string& name, Work work) {
    for (auto _ : state) {
        const double cpu0 = orvel::bench::ProcessCpuSeconds();
        const auto start = Clock::now();
        work();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = orvel::bench::ProcessCpuSeconds() - cpu0;
        state.SetIterationTime(wall);
        Best& best = g_best[name];
        best.wall = std::min(best.wall, wall);
        best.cpu = std::min(best.cpu, cpu);
    }
}

orvel::CompareResult Plain(const Pair& pair) {
    return orvel::CompareBytes(pair.a.span(), pair.b.span(), nullptr, nullptr);
}

orvel::AlignResult Aligned(const Pair& pair) {
    return orvel::AlignBytes(pair.a.span(), pair.b.span(), nullptr);
}

void BM_Scattered(benchmark::State& state) {
    const Pair& pair = ScatteredPair();
    if (state.range(0) == 1) {
        orvel::AlignResult result;
        TimeBest(state, "aligned", [&] { result = Aligned(pair); });
        state.counters["edits"] = static_cast<double>(result.edits);
        state.counters["unaligned"] = static_cast<double>(result.unalignedStretches);
    } else if (state.range(0) == 2) {
        const ByteBuffer copy(pair.a.data(), pair.a.size());
        TimeBest(state, "plain, identical", [&] {
            benchmark::DoNotOptimize(
                orvel::CompareBytes(pair.a.span(), copy.span(), nullptr, nullptr));
        });
    } else {
        orvel::CompareResult result;
        TimeBest(state, "plain", [&] { result = Plain(pair); });
        state.counters["differences"] = static_cast<double>(result.differences);
    }
}
BENCHMARK(BM_Scattered)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("aligned")
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The worst case: two unrelated 64 MiB arrays, where every search window fails
// and is compared in place.
void BM_Unrelated(benchmark::State& state) {
    static const ByteBuffer first = orvel::bench::RandomBytesWithoutFF(64 << 20);
    static const ByteBuffer other = [] {
        ByteBuffer bytes(64 << 20);
        std::uint64_t x = 0x9E3779B97F4A7C15ULL;
        for (Offset i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(Next(x));
        return bytes;
    }();
    if (state.range(0) == 1) {
        TimeBest(state, "aligned, unrelated", [&] {
            benchmark::DoNotOptimize(orvel::AlignBytes(first.span(), other.span(), nullptr));
        });
    } else {
        TimeBest(state, "plain, unrelated", [&] {
            benchmark::DoNotOptimize(
                orvel::CompareBytes(first.span(), other.span(), nullptr, nullptr));
        });
    }
}
BENCHMARK(BM_Unrelated)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("aligned")
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Each child runs one comparison on the arrays it inherits; what the aligned one
// needs beyond the plain one is the aligner's own memory.
int PlainChild(const void*) {
    return Plain(ScatteredPair()).finished ? 0 : 1;
}
int AlignedChild(const void*) {
    return Aligned(ScatteredPair()).outcome == orvel::AlignOutcome::kFinished ? 0 : 1;
}

std::int64_t g_plainRss = 0;
std::int64_t g_alignedRss = 0;

void BM_PeakMemory(benchmark::State& state) {
    static_cast<void>(ScatteredPair());
    for (auto _ : state) {
        const auto run =
            orvel::bench::RunInChild(state.range(0) == 1 ? AlignedChild : PlainChild, nullptr);
        state.SetIterationTime(run.seconds);
        (state.range(0) == 1 ? g_alignedRss : g_plainRss) = run.peakRssKiB;
        state.counters["peak_rss_MiB"] = static_cast<double>(run.peakRssKiB) / 1024;
    }
}
BENCHMARK(BM_PeakMemory)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("aligned")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void Ratio(const char* what, const std::string& ours, const std::string& base, const char* goal) {
    if (g_best.count(ours) == 0 || g_best.count(base) == 0)
        return;
    const Best& a = g_best[ours];
    const Best& b = g_best[base];
    std::printf("%-40s wall %.3f / %.3f s = %6.3f, cpu %.3f / %.3f s = %6.3f (%s)\n", what, a.wall,
                b.wall, a.wall / b.wall, a.cpu, b.cpu, a.cpu / b.cpu, goal);
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("load average before: %s\n", LoadAverage().c_str());
    orvel::bench::RunBenchmarks(argc, argv);
    std::printf("\nload average after: %s\n", LoadAverage().c_str());
    std::puts("best of five, ours / baseline:");
    Ratio("aligned / plain, same pair", "aligned", "plain", "goal <= 4");
    Ratio("aligned / plain on identical arrays", "aligned", "plain, identical", "for reference");
    Ratio("aligned / plain, unrelated 64 MiB", "aligned, unrelated", "plain, unrelated",
          "for reference");
    if (g_alignedRss > 0 && g_plainRss > 0) {
        std::printf("extra peak memory of the aligned compare: %.1f MiB (goal <= 256 MiB)\n",
                    static_cast<double>(g_alignedRss - g_plainRss) / 1024);
    }
    if (g_cliRss > 0) {
        std::printf(
            "orvel-cli compare --aligned on the files: peak RSS %.1f MiB for %.0f MiB files\n",
            static_cast<double>(g_cliRss) / 1024,
            static_cast<double>(ScatteredPair().a.size()) / (1 << 20));
    }
    return 0;
}
