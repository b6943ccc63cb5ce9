// Find Next over 1 GiB of random bytes against memchr over the same buffer, and
// `orvel-cli find` against `LC_ALL=C grep -obUaF` on the same 1 GiB file.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "document/byte_buffer.h"
#include "editing/find_pattern.h"
#include "editing/find_search.h"
#include "random_bytes.h"

namespace orvel {
namespace {

constexpr Offset kSize = Offset{1} << 30;

// A few FF-led values planted in random bytes without FF.
const ByteBuffer& Data() {
    static const ByteBuffer buffer = [] {
        ByteBuffer b = bench::RandomBytesWithoutFF(kSize);
        for (Offset at = kSize / 7; at < kSize - 8; at += kSize / 7) {
            std::memcpy(b.data() + at, "\xFF\x12\x34\x56", 4);
        }
        return b;
    }();
    return buffer;
}

void BM_Memchr(benchmark::State& state) {
    const ByteBuffer& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::CountByte(data, 0xFF));
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_Memchr)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Steps through every occurrence as repeated Find Next would. The 2- to
// 4-byte patterns begin with a byte that is common in the data.
void BM_FindNext(benchmark::State& state) {
    const char* texts[] = {"", "FF", "1234", "123456", "12345678"};
    const BytePattern pattern = ParseFindPattern(texts[state.range(0)]);
    const ByteBuffer& data = Data();
    Offset finds = 0;
    for (auto _ : state) {
        finds = 0;
        Offset next = 0;
        while (FindNext(data.span(), pattern.view(), next) != kNotFound)
            ++finds;
        benchmark::DoNotOptimize(finds);
    }
    state.counters["finds"] = static_cast<double>(finds);
    state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_FindNext)->DenseRange(1, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

struct Cost {
    double wall = 0;
    double cpu = 0;  // user + system time of the command's processes
};

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Cost Run(const std::string& command) {
    const double cpu = ChildrenCpuSeconds();
    const auto begin = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        return {-1, -1};
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(),
            ChildrenCpuSeconds() - cpu};
}

// Whole runs of the command line tools, loading included; the file stays in
// the page cache after a first warm-up read. Both write to a file: grep stops
// at the first match when its output is /dev/null.
void BM_CliFindVersusGrep(benchmark::State& state) {
    const std::string path = "/tmp/orvel_find_bench.bin";
    const std::string out = "/tmp/orvel_find_bench.out";
    if (state.range(0) == 1) {
        const ByteBuffer& data = Data();
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(data.data(), 1, kSize, f);
        std::fclose(f);
    }
    const char* hex[] = {"FF", "1234", "123456", "12345678"};
    // Octal, which every shell's printf understands.
    const char* grepBytes[] = {"\\377", "\\022\\064", "\\022\\064\\126", "\\022\\064\\126\\170"};
    const std::string pattern = hex[state.range(0) - 1];
    const std::string cli =
        std::string(ORVEL_CLI_PATH) + " find " + path + " " + pattern + " > " + out;
    const std::string grep = "LC_ALL=C grep -obUaF \"$(printf '" +
                             std::string(grepBytes[state.range(0) - 1]) + "')\" " + path + " > " +
                             out + "; true";
    static_cast<void>(Run("cat " + path + " > /dev/null"));
    Cost cliCost, grepCost;
    for (auto _ : state) {
        const Cost c = Run(cli);
        const Cost g = Run(grep);
        cliCost.wall += c.wall, cliCost.cpu += c.cpu;
        grepCost.wall += g.wall, grepCost.cpu += g.cpu;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["cli_s"] = cliCost.wall / n;
    state.counters["grep_s"] = grepCost.wall / n;
    state.counters["cli_cpu_s"] = cliCost.cpu / n;
    state.counters["grep_cpu_s"] = grepCost.cpu / n;
    state.counters["speedup_wall"] = grepCost.wall / cliCost.wall;
    state.counters["speedup_cpu"] = grepCost.cpu / cliCost.cpu;
    std::remove(out.c_str());
    if (state.range(0) == 4)
        std::remove(path.c_str());
}
BENCHMARK(BM_CliFindVersusGrep)->DenseRange(1, 4)->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace orvel

BENCHMARK_MAIN();
