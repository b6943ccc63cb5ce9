// Undo on a 1 GiB document against what it takes back, measured in the same
// run: the undo of a whole-file Reverse or XOR against the command itself
// (target: at most 1.2 times its time, and no undo data beyond a few hundred
// bytes), the undo of Delete 1 byte at offset 0 against one memmove of the
// array (target: at most 1.5 times), and the memory a typing step keeps per
// byte typed (target: a constant, a byte or two). ORVEL_BENCH_UNDO_MIB sets the
// size (default 1024 MiB).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/binary_document.h"

namespace {

using orvel::BinaryDocument;
using orvel::Offset;

std::unique_ptr<BinaryDocument> g_doc;
Offset g_undoBytes = 0;  // the most undo data a whole-file command kept

BinaryDocument& Doc() {
    if (!g_doc) {
        const Offset size = orvel::bench::SizeFromEnvMiB("ORVEL_BENCH_UNDO_MIB", 1024) << 20;
        orvel::ByteBuffer bytes;
        bytes.resizeForOverwrite(size);
        for (Offset i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 131 + 7);
        g_doc = std::make_unique<BinaryDocument>();
        g_doc->AssignBytes(std::move(bytes), false);
    }
    return *g_doc;
}

// Times `timed` in every iteration, after `before` (not timed), both on the
// document; the step the pair leaves is undone or redone so the next starts alike.
template <typename Before, typename Timed>
void TimePair(benchmark::State& state, const std::string& name, Before before, Timed timed) {
    BinaryDocument& doc = Doc();
    for (auto _ : state) {
        before(doc);
        const double cpu0 = orvel::bench::ProcessCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        timed(doc);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - t0;
        orvel::bench::RecordIteration(state, name, wall.count(),
                                      orvel::bench::ProcessCpuSeconds() - cpu0);
        g_undoBytes = std::max(g_undoBytes, doc.history().memoryUsed());
    }
    state.SetBytesProcessed(state.iterations() * doc.size());
}

void Undo(BinaryDocument& doc) {
    (void)doc.Undo();
}
void Reverse(BinaryDocument& doc) {
    (void)doc.Reverse(0, doc.size());
}
void Xor(BinaryDocument& doc) {
    (void)doc.Mask(0, doc.size(), orvel::MaskType::kXor, 0x5A);
}
void DeleteFirst(BinaryDocument& doc) {
    (void)doc.RemoveBytes(0, 1);
}

// A command's iteration first undoes the one before, untimed.
void UndoAny(BinaryDocument& doc) {
    if (doc.history().CanUndo())
        Undo(doc);
}

void BM_Reverse(benchmark::State& state) {
    TimePair(state, "Reverse", UndoAny, Reverse);
}
void BM_UndoReverse(benchmark::State& state) {
    TimePair(state, "Undo Reverse", Reverse, Undo);
}
void BM_Xor(benchmark::State& state) {
    TimePair(state, "XOR", UndoAny, Xor);
}
void BM_UndoXor(benchmark::State& state) {
    TimePair(state, "Undo XOR", Xor, Undo);
}
void BM_UndoDeleteFirstByte(benchmark::State& state) {
    TimePair(state, "Undo Delete first byte", DeleteFirst, Undo);
}

void BM_Memmove(benchmark::State& state) {
    const Offset size = Doc().size();
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 1);
    for (auto _ : state) {
        const double cpu0 = orvel::bench::ProcessCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        std::memmove(buffer.data() + 1, buffer.data(), static_cast<std::size_t>(size));
        benchmark::ClobberMemory();
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - t0;
        orvel::bench::RecordIteration(state, "memmove", wall.count(),
                                      orvel::bench::ProcessCpuSeconds() - cpu0);
    }
}

// Two digits per byte over 16 MiB typed as one step: the undo data per byte.
void BM_TypingStep(benchmark::State& state) {
    constexpr Offset kTyped = Offset{16} << 20;
    BinaryDocument& doc = Doc();
    for (auto _ : state) {
        doc.EndTyping();
        const Offset before = doc.history().memoryUsed();
        const auto t0 = std::chrono::steady_clock::now();
        for (Offset i = 0; i < kTyped; ++i) {
            const std::uint8_t old = doc.at(i);
            (void)doc.TypeByte(i, static_cast<std::uint8_t>((old & 0x0F) | 0xA0));
            (void)doc.TypeByte(i, static_cast<std::uint8_t>(~old));
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - t0;
        state.SetIterationTime(wall.count());
        state.counters["undo bytes per byte typed"] =
            static_cast<double>(doc.history().memoryUsed() - before) / static_cast<double>(kTyped);
        Undo(doc);
    }
}

}  // namespace

BENCHMARK(BM_Memmove)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoDeleteFirstByte)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Reverse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_UndoReverse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Xor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_UndoXor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
// Once: an undone step keeps its bytes for the redo until the next step.
BENCHMARK(BM_TypingStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    orvel::bench::RunBenchmarks(argc, argv);
    orvel::bench::PrintRatio("Undo Reverse", "Reverse", "target: at most 1.2");
    orvel::bench::PrintRatio("Undo XOR", "XOR", "target: at most 1.2");
    orvel::bench::PrintRatio("Undo Delete first byte", "memmove", "target: at most 1.5");
    std::printf("Undo data kept by a whole-file Reverse or XOR: at most %lld bytes\n",
                static_cast<long long>(g_undoBytes));
    g_doc.reset();
    return 0;
}
