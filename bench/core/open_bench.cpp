// Opening a file: LoadFile against dd reading the same file to /dev/null (which
// reuses one small buffer) and against filling a fresh buffer of the file's
// size (the cost of new memory alone), and the peak memory of a process that
// has loaded the file.
// ORVEL_BENCH_OPEN_MIB sets the file size (default 1024 MiB).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "bench_support.h"
#include "document/file_io.h"

namespace {

using orvel::bench::RecordIteration;

std::unique_ptr<orvel::bench::TempRandomFile> g_file;
std::int64_t g_peakKiB = 0;

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int LoadInChild(const void* path) {
    orvel::ByteBuffer bytes;
    orvel::FileError error;
    return orvel::LoadFile(*static_cast<const std::string*>(path), bytes, error) ? 0 : 1;
}

void BM_LoadFile(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = orvel::bench::ProcessCpuSeconds();
        orvel::ByteBuffer bytes;
        orvel::FileError error;
        if (!orvel::LoadFile(g_file->path(), bytes, error)) {
            state.SkipWithError(error.text.c_str());
            return;
        }
        benchmark::DoNotOptimize(bytes.data());
        bytes = orvel::ByteBuffer();  // the release belongs to the cost of a load
        RecordIteration(state, "LoadFile", Since(start),
                        orvel::bench::ProcessCpuSeconds() - cpuStart);
    }
    state.SetBytesProcessed(state.iterations() * g_file->size());
}

// The floor under any load into fresh memory: faulting in and writing a new
// buffer of the file's size, with no file involved.
void BM_FreshMemoryFloor(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = orvel::bench::ProcessCpuSeconds();
        orvel::ByteBuffer bytes;
        bytes.resizeForOverwrite(g_file->size());
        std::memset(bytes.data(), 0xA5, static_cast<std::size_t>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
        bytes = orvel::ByteBuffer();
        RecordIteration(state, "fresh memory", Since(start),
                        orvel::bench::ProcessCpuSeconds() - cpuStart);
    }
    state.SetBytesProcessed(state.iterations() * g_file->size());
}

void BM_DdBaseline(benchmark::State& state) {
    for (auto _ : state) {
        const auto run =
            orvel::bench::RunCommand({"dd", "if=" + g_file->path(), "of=/dev/null", "bs=1M"});
        if (run.status != 0) {
            state.SkipWithError("dd failed");
            return;
        }
        RecordIteration(state, "dd", run.seconds, run.cpuSeconds);
    }
    state.SetBytesProcessed(state.iterations() * g_file->size());
}

// A fresh process loads the file; its peak resident set is what opening costs.
void BM_LoadFilePeakRss(benchmark::State& state) {
    std::int64_t& peakKiB = g_peakKiB;
    for (auto _ : state) {
        const auto run = orvel::bench::RunInChild(LoadInChild, &g_file->path());
        if (run.status != 0) {
            state.SkipWithError("load failed in the child");
            return;
        }
        peakKiB = std::max(peakKiB, run.peakRssKiB);
        RecordIteration(state, "LoadFile in a child", run.seconds, run.cpuSeconds);
    }
    const double fileMiB = static_cast<double>(g_file->size()) / (1 << 20);
    state.counters["peak_rss_MiB"] = static_cast<double>(peakKiB) / 1024;
    state.counters["file_MiB"] = fileMiB;
    state.counters["overhead_MiB"] = static_cast<double>(peakKiB) / 1024 - fileMiB;
}

}  // namespace

BENCHMARK(BM_LoadFile)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FreshMemoryFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_DdBaseline)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadFilePeakRss)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    g_file = std::make_unique<orvel::bench::TempRandomFile>(
        orvel::bench::SizeFromEnvMiB("ORVEL_BENCH_OPEN_MIB", 1024) << 20);
    // Read once so that all contenders start from the page cache, and load once
    // untimed: on a virtual machine the first touch of memory the guest never
    // used includes the host backing it, which is no cost of LoadFile.
    (void)orvel::bench::RunCommand({"dd", "if=" + g_file->path(), "of=/dev/null", "bs=1M"});
    (void)LoadInChild(&g_file->path());
    orvel::bench::RunBenchmarks(argc, argv);
    orvel::bench::PrintRatio("LoadFile", "dd", "target: at most 4");
    orvel::bench::PrintRatio("LoadFile", "fresh memory", "what the kernel's page set-up leaves");
    if (g_peakKiB > 0) {
        const double fileMiB = static_cast<double>(g_file->size()) / (1 << 20);
        std::printf(
            "peak RSS after LoadFile %.1f MiB for a %.0f MiB file: %.1f MiB over "
            "(target: at most 64)\n",
            static_cast<double>(g_peakKiB) / 1024, fileMiB,
            static_cast<double>(g_peakKiB) / 1024 - fileMiB);
    }
    g_file.reset();
    return 0;
}
