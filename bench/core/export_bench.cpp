// Export of the dump text: orvel-cli export against `xxd -u -g1 FILE > OUT` on
// the same file in the same run, and the dump text alone in memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/byte_buffer.h"
#include "view/dump_text.h"

namespace {

constexpr std::size_t kFileBytes = std::size_t{256} << 20;

struct Workspace {
    std::filesystem::path folder;
    std::string filePath;
    orvel::ByteBuffer bytes;  // the file's random bytes
};

Workspace& Space() {
    static Workspace space;
    return space;
}

struct Times {
    double wall = 0;
    double cpu = 0;  // user and system time of the child: fair on a busy machine
    Times& operator+=(const Times& t) {
        wall += t.wall;
        cpu += t.cpu;
        return *this;
    }
};

// Runs a program with stdout sent to `outPath` (or /dev/null) and returns its
// times in seconds; aborts the benchmark when it fails.
Times Run(const std::vector<std::string>& argv, const std::string& outPath = "/dev/null") {
    const orvel::bench::ChildRun run = orvel::bench::RunCommand(argv, outPath);
    if (run.status != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {run.seconds, run.cpuSeconds};
}

void BM_CliExportVsXxd(benchmark::State& state) {
    const Workspace& ws = Space();
    const std::string ours = (ws.folder / "orvel.txt").string();
    const std::string theirs = (ws.folder / "xxd.txt").string();
    Times orvel;
    Times xxd;
    for (auto _ : state) {
        orvel += Run({ORVEL_CLI_PATH, "export", ws.filePath, ours});
        std::filesystem::remove(ours);
        xxd += Run({"xxd", "-u", "-g1", ws.filePath}, theirs);
        std::filesystem::remove(theirs);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["orvel_wall_s"] = orvel.wall / n;
    state.counters["xxd_wall_s"] = xxd.wall / n;
    state.counters["speedup_wall"] = xxd.wall / orvel.wall;
    state.counters["orvel_cpu_s"] = orvel.cpu / n;
    state.counters["xxd_cpu_s"] = xxd.cpu / n;
    state.counters["speedup_cpu"] = xxd.cpu / orvel.cpu;
}
BENCHMARK(BM_CliExportVsXxd)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_DumpTextInMemory(benchmark::State& state) {
    const orvel::DumpText text(Space().bytes);
    std::size_t total = 0;
    for (auto _ : state) {
        text.Write(
            [&](const char* data, std::size_t size) {
                benchmark::DoNotOptimize(data);
                total += size;
                return true;
            },
            std::size_t{8} << 20);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(total));
}
BENCHMARK(BM_DumpTextInMemory)->Unit(benchmark::kMillisecond);

void Prepare() {
    Workspace& ws = Space();
    std::string pattern = (std::filesystem::temp_directory_path() / "orvel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::exit(1);
    ws.folder = pattern;
    ws.filePath = (ws.folder / "random.bin").string();
    ws.bytes.resizeForOverwrite(static_cast<orvel::Offset>(kFileBytes));
    std::mt19937_64 rng(42);
    for (std::size_t i = 0; i < kFileBytes; i += 8) {
        const std::uint64_t v = rng();
        std::memcpy(ws.bytes.data() + i, &v, 8);
    }
    std::ofstream(ws.filePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(ws.bytes.data()),
               static_cast<std::streamsize>(kFileBytes));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Space().folder);
    return 0;
}
