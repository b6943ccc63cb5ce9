// The block kernels on a 1 GiB document against the memory operation each one
// cannot beat, measured in the same run: removing or inserting a byte at offset
// 0 against one memmove of the whole array (target: at most 1.5 times its time),
// reversal and the bitwise operations over the whole file against one memcpy of
// 1 GiB (target: at least half its speed). The ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editing/bitwise_kernels.h"
#include "editing/block_kernels.h"

namespace orvel {
namespace {

constexpr Offset kSize = Offset{1} << 30;
const DumpLayout kLayout;

BinaryDocument& Doc() {
    static BinaryDocument* doc = [] {
        ByteBuffer bytes;
        bytes.resizeForOverwrite(kSize);
        for (Offset i = 0; i < kSize; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 131 + 7);
        auto* d = new BinaryDocument;
        d->AssignBytes(std::move(bytes), false);
        return d;
    }();
    return *doc;
}

std::vector<std::uint8_t>& Scratch(int which) {
    static std::vector<std::uint8_t> buffers[2] = {std::vector<std::uint8_t>(kSize + 1, 1),
                                                   std::vector<std::uint8_t>(kSize + 1, 2)};
    return buffers[which];
}

void BM_Memmove(benchmark::State& state) {
    auto& buffer = Scratch(0);
    for (auto _ : state) {
        std::memmove(buffer.data() + 1, buffer.data(), kSize);
        benchmark::ClobberMemory();
    }
}

void BM_Memcpy(benchmark::State& state) {
    auto& from = Scratch(0);
    auto& to = Scratch(1);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kSize);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_DeleteFirstByte(benchmark::State& state) {
    BinaryDocument& doc = Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(DeleteBytes(doc, kLayout, 0, 0));
}

void BM_InsertFirstByte(benchmark::State& state) {
    BinaryDocument& doc = Doc();
    for (auto _ : state) {
        benchmark::DoNotOptimize(InsertBytes(doc, kLayout, 0, 1, 0xAA));
    }
}

template <typename Kernel>
void WholeFile(benchmark::State& state, Kernel kernel) {
    BinaryDocument& doc = Doc();
    for (auto _ : state) {
        kernel(doc, doc.size() - 1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * doc.size());
}

void BM_Reverse(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) { (void)ReverseBytes(doc, 0, last); });
}
void BM_ShiftLeft(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)ShiftBytes(doc, kLayout, 0, last, ShiftType::kLeft, 1);
    });
}
void BM_ShiftRight(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)ShiftBytes(doc, kLayout, 0, last, ShiftType::kRight, 3);
    });
}
void BM_MaskAnd(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)MaskBytes(doc, kLayout, 0, last, MaskType::kAnd, 0xF7);
    });
}
void BM_MaskOr(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)MaskBytes(doc, kLayout, 0, last, MaskType::kOr, 0x10);
    });
}
void BM_MaskXor(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)MaskBytes(doc, kLayout, 0, last, MaskType::kXor, 0x5A);
    });
}
void BM_OnesComplement(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)OnesComplement(doc, kLayout, 0, last);
    });
}
void BM_TwosComplement(benchmark::State& state) {
    WholeFile(state, [](BinaryDocument& doc, Offset last) {
        (void)TwosComplement(doc, kLayout, 0, last);
    });
}

// Keeps the CPU time per iteration of every run for the ratios (the machine is
// shared, so wall time would count the waits of other processes).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            seconds_[run.benchmark_name()] =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        const auto time = [this](const std::string& name) {
            const auto it = seconds_.find(name);
            return it == seconds_.end() ? 0.0 : it->second;
        };
        std::printf("\nTime against memmove of the whole array (target <= 1.5):\n");
        for (const char* name : {"DeleteFirstByte", "InsertFirstByte"}) {
            if (time("Memmove") > 0 && time(name) > 0) {
                std::printf("  %-20s %.2f\n", name, time(name) / time("Memmove"));
            }
        }
        std::printf("Speed against memcpy of 1 GiB (target >= 0.5):\n");
        for (const char* name : {"Reverse", "ShiftLeft", "ShiftRight", "MaskAnd", "MaskOr",
                                 "MaskXor", "OnesComplement", "TwosComplement"}) {
            if (time("Memcpy") > 0 && time(name) > 0) {
                std::printf("  %-20s %.2f\n", name, time("Memcpy") / time(name));
            }
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace
}  // namespace orvel

int main(int argc, char** argv) {
    using namespace orvel;
    const std::pair<const char*, void (*)(benchmark::State&)> benches[] = {
        {"Memmove", BM_Memmove},
        {"DeleteFirstByte", BM_DeleteFirstByte},
        {"InsertFirstByte", BM_InsertFirstByte},
        {"Memcpy", BM_Memcpy},
        {"Reverse", BM_Reverse},
        {"ShiftLeft", BM_ShiftLeft},
        {"ShiftRight", BM_ShiftRight},
        {"MaskAnd", BM_MaskAnd},
        {"MaskOr", BM_MaskOr},
        {"MaskXor", BM_MaskXor},
        {"OnesComplement", BM_OnesComplement},
        {"TwosComplement", BM_TwosComplement},
    };
    for (const auto& [name, fn] : benches) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
