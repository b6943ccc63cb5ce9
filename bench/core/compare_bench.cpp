// The compare scan and difference navigation against memcmp on the same data,
// one run each, with the ratios at the end; then orvel-cli compare against cmp
// and cmp -l on cached 1 GiB files, alternated, best of five.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "bench_support.h"
#include "compare/compare_engine.h"
#include "compare/diff_navigation.h"
#include "document/byte_buffer.h"
#include "document/file_io.h"
#include "view/mark_store.h"

namespace {

using orvel::ByteBuffer;
using orvel::Offset;
using Clock = std::chrono::steady_clock;

constexpr Offset kMiB = Offset{1} << 20;
std::map<std::string, double> g_seconds;

ByteBuffer Filled(Offset size, std::uint64_t seed) {
    ByteBuffer buffer(size);
    std::uint64_t x = seed;
    for (Offset i = 0; i + 8 <= size; i += 8) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::memcpy(buffer.data() + i, &x, 8);
    }
    return buffer;
}

ByteBuffer Copy(const ByteBuffer& from) {
    return ByteBuffer(from.data(), from.size());
}

// Times `work` once and records it under `name`.
template <typename Work>
void TimeOnce(benchmark::State& state, const std::string& name, Work work) {
    for (auto _ : state) {
        const auto start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        g_seconds[name] = seconds;
    }
}

// memcmp over the whole span even where it differs: one call per 64 KiB.
int ChunkedMemcmp(const ByteBuffer& a, const ByteBuffer& b) {
    int sum = 0;
    for (Offset pos = 0; pos < a.size(); pos += 65536) {
        const auto n = static_cast<std::size_t>(std::min<Offset>(65536, a.size() - pos));
        sum += std::memcmp(a.data() + pos, b.data() + pos, n) != 0;
    }
    return sum;
}

struct Scanned {
    Offset runs = 0;
    Offset bytes = 0;
};

// The comparison end to end as the compare worker runs it: an atomic stop
// flag, and the runs painted into the two panes' mark stores.
Scanned Scan(const ByteBuffer& a, const ByteBuffer& b) {
    std::atomic<int> comparing{1};
    Scanned scanned;
    orvel::MarkStore first;
    orvel::MarkStore second;
    const auto result = orvel::CompareBytes(
        a.span(), b.span(),
        [&](const orvel::PaintRun& run) {
            ++scanned.runs;
            scanned.bytes += run.last - run.first + 1;
            first.Paint(run.first, run.last, run.color);
            return true;
        },
        [&](const orvel::PaintRun& run) {
            second.Paint(run.first, run.last, run.color);
            return true;
        },
        [&] { return comparing.load() == 0; });
    benchmark::DoNotOptimize(result);
    return scanned;
}

void BM_ScatteredDiffs1GiB(benchmark::State& state) {
    const ByteBuffer a = Filled(1024 * kMiB, 1);
    ByteBuffer b = Copy(a);
    for (Offset k = 0; k < 1000; ++k)
        b[(k * 1073741) % b.size()] ^= 0x5A;
    const bool scan = state.range(0) == 1;
    if (scan) {
        Scanned scanned;
        TimeOnce(state, "scan 1 GiB", [&] { scanned = Scan(a, b); });
        state.counters["runs"] = static_cast<double>(scanned.runs);
        state.counters["bytes"] = static_cast<double>(scanned.bytes);
    } else {
        TimeOnce(state, "memcmp 1 GiB", [&] { benchmark::DoNotOptimize(ChunkedMemcmp(a, b)); });
    }
}
BENCHMARK(BM_ScatteredDiffs1GiB)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("scan")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FindNextDiff512MiB(benchmark::State& state) {
    const ByteBuffer a = Filled(512 * kMiB, 2);
    ByteBuffer b = Copy(a);
    if (state.range(0) == 1) {
        b[b.size() - 1] ^= 1;  // the only difference, at the end
        TimeOnce(state, "find next 512 MiB",
                 [&] { benchmark::DoNotOptimize(orvel::FindNextDiff(a.span(), b.span(), 0, -1)); });
    } else {
        TimeOnce(state, "memcmp 512 MiB", [&] {
            benchmark::DoNotOptimize(
                std::memcmp(a.data(), b.data(), static_cast<std::size_t>(a.size())));
        });
    }
}
BENCHMARK(BM_FindNextDiff512MiB)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("find")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_AllDiffer256MiB(benchmark::State& state) {
    const ByteBuffer a = Filled(256 * kMiB, 3);
    ByteBuffer b = Copy(a);
    for (Offset i = 0; i < b.size(); ++i)
        b[i] ^= 0xFF;
    if (state.range(0) == 1) {
        Scanned scanned;
        TimeOnce(state, "scan all differ 256 MiB", [&] { scanned = Scan(a, b); });
        state.counters["runs"] = static_cast<double>(scanned.runs);
    } else if (state.range(0) == 2) {
        // The baseline of painting: every entry of both stores filled one by one.
        TimeOnce(state, "fill two stores 256 MiB", [&] {
            orvel::MarkStore first;
            orvel::MarkStore second;
            for (Offset i = 0; i < a.size(); ++i) {
                first.PaintByte(i, orvel::MarkColor::kRed);
                second.PaintByte(i, orvel::MarkColor::kBlue);
            }
            benchmark::DoNotOptimize(first.pagesInUse() + second.pagesInUse());
        });
    } else {
        TimeOnce(state, "memcmp 256 MiB", [&] { benchmark::DoNotOptimize(ChunkedMemcmp(a, b)); });
    }
}
BENCHMARK(BM_AllDiffer256MiB)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("scan")
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Two identical 1 GiB files and a third that differs from them in 1000
// scattered bytes, read once beforehand so that every tool finds them cached.
class CachedFiles {
  public:
    CachedFiles() {
        const char* tmp = std::getenv("TMPDIR");
        folder_ = std::filesystem::path(tmp != nullptr ? tmp : "/tmp") /
                  ("orvel-compare-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        ByteBuffer bytes = Filled(1024 * kMiB, 4);
        orvel::FileError error;
        for (const auto& path : {first(), second()}) {
            if (!orvel::SaveFile(path, bytes, error))
                std::fprintf(stderr, "%s\n", error.text.c_str());
        }
        for (Offset k = 0; k < 1000; ++k)
            bytes[(k * 1073741) % bytes.size()] ^= 0x5A;
        if (!orvel::SaveFile(scattered(), bytes, error))
            std::fprintf(stderr, "%s\n", error.text.c_str());
        static_cast<void>(std::system(
            ("cat " + first() + " " + second() + " " + scattered() + " >/dev/null").c_str()));
    }
    ~CachedFiles() { std::filesystem::remove_all(folder_); }
    [[nodiscard]] std::string first() const { return (folder_ / "first").string(); }
    [[nodiscard]] std::string second() const { return (folder_ / "second").string(); }
    [[nodiscard]] std::string scattered() const { return (folder_ / "scattered").string(); }

  private:
    std::filesystem::path folder_;
};

// orvel-cli compare against cmp, whole runs alternated, best of five.
void CompareCommandLines() {
    using namespace orvel::bench;
    const CachedFiles files;
    const Duel equal =
        RunAlternately(Command({ORVEL_CLI_PATH, "compare", files.first(), files.second()}),
                       Command({"cmp", files.first(), files.second()}));
    PrintDuel("compare of two equal cached 1 GiB files", "orvel-cli compare", "cmp", equal,
              "target: at least 3x");
    // Both list into a file: cmp only says whether the files differ when its
    // output is /dev/null.
    const std::string ours = files.first() + ".orvel";
    const std::string theirs = files.first() + ".cmp";
    const Duel scattered = RunAlternately(
        Command({ORVEL_CLI_PATH, "compare", files.first(), files.scattered()}, ours, {1}, {ours}),
        Command({"cmp", "-l", files.first(), files.scattered()}, theirs, {1}, {theirs}));
    PrintDuel("compare of 1 GiB files differing in 1000 scattered bytes", "orvel-cli compare",
              "cmp -l", scattered, "target: at least 3x");
}

void Ratio(const char* what, const std::string& ours, const std::string& base, const char* goal) {
    if (g_seconds.count(ours) == 0 || g_seconds.count(base) == 0)
        return;
    std::printf("%-44s %7.3f (%s)\n", what, g_seconds[ours] / g_seconds[base], goal);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::puts("\ntime ratios, ours / baseline:");
    Ratio("compare with painting, 1000 differences in 1 GiB / memcmp", "scan 1 GiB", "memcmp 1 GiB",
          "goal <= 2");
    Ratio("Find Next Diff over 512 MiB / memcmp", "find next 512 MiB", "memcmp 512 MiB",
          "goal < 1.5");
    Ratio("compare with painting, 256 MiB all differ / filling both stores",
          "scan all differ 256 MiB", "fill two stores 256 MiB", "goal < 4");
    std::puts("");
    CompareCommandLines();
    return 0;
}
