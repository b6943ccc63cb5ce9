// Writing the dump text of a file: orvel-cli dump against xxd -u -g1, both
// writing to /dev/null. ORVEL_BENCH_DUMP_MIB sets the file size (default 256 MiB).
#include <cstdio>
#include <memory>

#include "bench_support.h"

namespace {

std::unique_ptr<orvel::bench::TempRandomFile> g_file;

void TimeCommand(benchmark::State& state, const std::string& name,
                 const std::vector<std::string>& argv) {
    for (auto _ : state) {
        const auto run = orvel::bench::RunCommand(argv);
        if (run.status != 0) {
            state.SkipWithError((argv[0] + " failed").c_str());
            return;
        }
        orvel::bench::RecordIteration(state, name, run.seconds, run.cpuSeconds);
    }
    state.SetBytesProcessed(state.iterations() * g_file->size());
}

void BM_OrvelCliDump(benchmark::State& state) {
    TimeCommand(state, "orvel-cli dump", {ORVEL_CLI_PATH, "dump", g_file->path()});
}

void BM_XxdBaseline(benchmark::State& state) {
    TimeCommand(state, "xxd -u -g1", {"xxd", "-u", "-g1", g_file->path()});
}

}  // namespace

BENCHMARK(BM_OrvelCliDump)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_XxdBaseline)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    g_file = std::make_unique<orvel::bench::TempRandomFile>(
        orvel::bench::SizeFromEnvMiB("ORVEL_BENCH_DUMP_MIB", 256) << 20);
    orvel::bench::RunBenchmarks(argc, argv);
    orvel::bench::PrintRatio("orvel-cli dump", "xxd -u -g1", "target: at most 0.1");
    g_file.reset();
    return 0;
}
