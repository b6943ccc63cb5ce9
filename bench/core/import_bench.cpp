// Import of hex values text: orvel-cli import against `xxd -r -p` on the same
// text in the same run, and the parser alone in memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/hex_import.h"

namespace {

constexpr std::size_t kValueBytes = std::size_t{64} << 20;

struct Workspace {
    std::filesystem::path folder;
    std::string textPath;
    std::string text;  // the hex text: 32 values per line, separated by spaces
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

std::vector<char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

void BM_CliImportVsXxd(benchmark::State& state) {
    const Workspace& ws = Space();
    const std::string ours = (ws.folder / "orvel.bin").string();
    const std::string theirs = (ws.folder / "xxd.bin").string();
    Times orvel;
    Times xxd;
    for (auto _ : state) {
        // Both write a new file each time.
        std::filesystem::remove(ours);
        std::filesystem::remove(theirs);
        orvel += Run({ORVEL_CLI_PATH, "import", ws.textPath, ours});
        xxd += Run({"xxd", "-r", "-p", ws.textPath, theirs});
    }
    if (ReadAll(ours) != ReadAll(theirs))
        state.SkipWithError("the two imports differ");
    const double n = static_cast<double>(state.iterations());
    state.counters["orvel_wall_s"] = orvel.wall / n;
    state.counters["xxd_wall_s"] = xxd.wall / n;
    state.counters["speedup_wall"] = xxd.wall / orvel.wall;
    state.counters["orvel_cpu_s"] = orvel.cpu / n;
    state.counters["xxd_cpu_s"] = xxd.cpu / n;
    state.counters["speedup_cpu"] = xxd.cpu / orvel.cpu;
    std::filesystem::remove(ours);
    std::filesystem::remove(theirs);
}
BENCHMARK(BM_CliImportVsXxd)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ParseInMemory(benchmark::State& state) {
    const std::string& text = Space().text;
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    constexpr std::size_t kBlock = std::size_t{4} << 20;
    orvel::ByteBuffer out;
    for (auto _ : state) {
        out.clear();
        orvel::HexTextParser parser(out);
        for (std::size_t at = 0; at < text.size(); at += kBlock) {
            parser.Feed(data + at, std::min(kBlock, text.size() - at));
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseInMemory)->Unit(benchmark::kMillisecond);

void Prepare() {
    Workspace& ws = Space();
    std::string pattern = (std::filesystem::temp_directory_path() / "orvel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::exit(1);
    ws.folder = pattern;
    ws.textPath = (ws.folder / "values.txt").string();
    std::mt19937_64 rng(42);
    constexpr char kDigits[] = "0123456789abcdef";
    ws.text.reserve(kValueBytes * 3);
    for (std::size_t i = 0; i < kValueBytes; ++i) {
        const auto v = static_cast<unsigned>(rng() & 0xFF);
        ws.text += kDigits[v >> 4];
        ws.text += kDigits[v & 15];
        ws.text += i % 32 == 31 ? '\n' : ' ';
    }
    std::ofstream(ws.textPath, std::ios::binary).write(ws.text.data(), std::ssize(ws.text));
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
