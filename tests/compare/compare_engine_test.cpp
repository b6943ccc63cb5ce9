#include "compare/compare_engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Painted {
    std::vector<PaintRun> first;
    std::vector<PaintRun> second;
    CompareResult result;
};

Painted Compare(const Bytes& a, const Bytes& b, const StopCheck& stop = {}) {
    Painted out;
    out.result = CompareBytes(
        a, b, [&](const PaintRun& run) { return out.first.push_back(run), true; },
        [&](const PaintRun& run) { return out.second.push_back(run), true; }, stop);
    return out;
}

// The plain loop: one offset at a time; a run ends at a block boundary, and the
// surplus starts runs of its own.
void AddByte(std::vector<PaintRun>& runs, Offset i, MarkColor color, Offset common) {
    if (!runs.empty() && runs.back().last == i - 1 && i != common && i % kCompareBlock != 0) {
        runs.back().last = i;
    } else {
        runs.push_back({i, i, color});
    }
}

Painted Expected(const Bytes& a, const Bytes& b) {
    Painted out;
    const auto common = static_cast<Offset>(std::min(a.size(), b.size()));
    for (Offset i = 0; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        AddByte(out.first, i, MarkColor::kRed, common);
        AddByte(out.second, i, MarkColor::kBlue, common);
        ++out.result.differences;
    }
    for (Offset i = common; i < static_cast<Offset>(a.size()); ++i)
        AddByte(out.first, i, MarkColor::kRed, common);
    for (Offset i = common; i < static_cast<Offset>(b.size()); ++i)
        AddByte(out.second, i, MarkColor::kGreen, common);
    return out;
}

Bytes Random(std::mt19937& rng, std::size_t size) {
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(rng());
    return bytes;
}

// A copy of `a` resized to `size` (new bytes random) with each byte changed with
// probability `density`.
Bytes Mutated(std::mt19937& rng, const Bytes& a, std::size_t size, double density) {
    Bytes b = a;
    b.resize(size);
    for (std::size_t i = a.size(); i < size; ++i)
        b[i] = static_cast<std::uint8_t>(rng());
    std::bernoulli_distribution change(density);
    for (auto& byte : b) {
        if (change(rng))
            byte = static_cast<std::uint8_t>(byte ^ (1 + rng() % 255));
    }
    return b;
}

TEST(CompareEngineTest, MatchesPlainLoopOnRandomPairs) {
    std::mt19937 rng(20240611);
    const std::size_t sizes[] = {0, 1, 7, 8, 9, 4095, 8193, 65536, 65537, 200000};
    const double densities[] = {0.0, 0.0001, 0.01, 0.5, 1.0};
    for (int round = 0; round < 60; ++round) {
        const std::size_t size1 =
            sizes[rng() % std::size(sizes)] + (round % 3 == 0 ? rng() % 50 : 0);
        std::size_t size2 = size1;  // equal, shorter, longer, empty
        if (round % 4 == 1)
            size2 = size1 / 2;
        if (round % 4 == 2)
            size2 = size1 + 1 + rng() % 70000;
        if (round % 8 == 3)
            size2 = 0;
        const Bytes a = Random(rng, size1);
        const Bytes b = Mutated(rng, a, size2, densities[rng() % std::size(densities)]);
        const Painted got = Compare(a, b);
        const Painted want = Expected(a, b);
        SCOPED_TRACE(testing::Message() << "sizes " << size1 << ", " << size2);
        ASSERT_EQ(got.first, want.first);
        ASSERT_EQ(got.second, want.second);
        EXPECT_EQ(got.result.differences, want.result.differences);
        EXPECT_EQ(got.result.size1, static_cast<Offset>(size1));
        EXPECT_EQ(got.result.size2, static_cast<Offset>(size2));
        EXPECT_TRUE(got.result.finished);
    }
}

TEST(CompareEngineTest, ColoursDifferencesAndSurplusPerPane) {
    const Painted shorterFirst = Compare({0x00, 0x11, 0x22}, {0x00, 0x12, 0x22, 0x33, 0x44});
    EXPECT_EQ(shorterFirst.first, (std::vector<PaintRun>{{1, 1, MarkColor::kRed}}));
    EXPECT_EQ(shorterFirst.second,
              (std::vector<PaintRun>{{1, 1, MarkColor::kBlue}, {3, 4, MarkColor::kGreen}}));
    EXPECT_EQ(shorterFirst.result.differences, 1);

    const Painted longerFirst = Compare({0x00, 0x11, 0x22, 0x33}, {0x00, 0x11});
    EXPECT_EQ(longerFirst.first, (std::vector<PaintRun>{{2, 3, MarkColor::kRed}}));
    EXPECT_TRUE(longerFirst.second.empty());
    EXPECT_EQ(longerFirst.result.differences, 0);
}

TEST(CompareEngineTest, SummaryText) {
    struct Row {
        Offset size1, size2, count;
        const char* text;
    };
    const Row rows[] = {
        {3, 5, 1,
         "There are 1 different byte between file1 and file2.\nFile2 has 2 more bytes than file1"},
        {4, 2, 0,
         "There are 0 different byte between file1 and file2.\nFile1 has 2 more bytes than file2"},
        {0, 0, 0, "Number of different byte found: 0"},
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, "Number of different byte found: 4294967295"},
        {0, 0xFFFFFFFF, 0,
         "There are 0 different byte between file1 and file2.\nFile2 has 4294967295 more bytes "
         "than file1"},
    };
    for (const Row& row : rows) {
        CompareResult result;
        result.size1 = row.size1;
        result.size2 = row.size2;
        result.differences = row.count;
        EXPECT_EQ(CompareSummaryText(result), row.text);
    }
}

// Every byte painted before a stop is a byte the full comparison paints, in the
// same colour, and nothing after the stop point is painted.
TEST(CompareEngineTest, StopEndsTheScanAndKeepsWhatWasScanned) {
    std::mt19937 rng(7);
    const Bytes a = Random(rng, 300000);
    for (double density : {0.001, 1.0}) {
        const Bytes b = Mutated(rng, a, 400000, density);
        int allCalls = 0;
        const Painted full = Compare(a, b, [&] { return ++allCalls, false; });
        for (int stopAt : {1, 2, 3, 50, allCalls / 3, allCalls / 2, allCalls - 1, allCalls}) {
            int calls = 0;
            const Painted part = Compare(a, b, [&] { return ++calls >= stopAt; });
            EXPECT_FALSE(part.result.finished);
            EXPECT_EQ(calls, stopAt) << "the predicate is not asked after it said stop";
            ASSERT_LE(part.first.size(), full.first.size());
            Offset painted = 0;
            for (std::size_t k = 0; k < part.first.size(); ++k) {
                const PaintRun& got = part.first[k];
                const PaintRun& want = full.first[k];
                EXPECT_EQ(got.first, want.first);
                EXPECT_EQ(got.color, want.color);
                EXPECT_LE(got.last, want.last);
                if (k + 1 < part.first.size()) {
                    EXPECT_EQ(got.last, want.last);
                }
                if (got.color == MarkColor::kRed && got.first < 300000) {
                    painted += got.last - got.first + 1;
                }
            }
            EXPECT_EQ(part.result.differences, painted);
        }
    }
}

TEST(CompareEngineTest, AsksTheStopPredicateBeforeEveryDifferingByte) {
    const Bytes a(10, 0);
    Bytes b(10, 0);
    b[2] = b[3] = b[4] = 1;
    int calls = 0;
    const Painted part = Compare(a, b, [&] { return ++calls > 3; });
    // one call at the block boundary, one for each of bytes 2 and 3; byte 4 stops
    EXPECT_EQ(part.first, (std::vector<PaintRun>{{2, 3, MarkColor::kRed}}));
    EXPECT_EQ(part.second, (std::vector<PaintRun>{{2, 3, MarkColor::kBlue}}));
    EXPECT_EQ(part.result.differences, 2);
}

// The offsets done rise block by block through the common part and the surplus
// and end at the longer size; a stopped scan leaves them where it stopped.
TEST(CompareEngineTest, ReportsProgressBlockByBlock) {
    const Bytes a(3 * kCompareBlock + 10, 0);
    const Bytes b(5 * kCompareBlock, 1);
    std::atomic<Offset> done{-1};
    std::vector<Offset> seen;
    const auto watch = [&] {
        if (seen.empty() || seen.back() != done)
            seen.push_back(done);
        return false;
    };
    const CompareResult full = CompareBytes(a, b, nullptr, nullptr, watch, &done);
    EXPECT_TRUE(full.finished);
    EXPECT_EQ(done, 5 * kCompareBlock);
    EXPECT_EQ(seen, (std::vector<Offset>{0, kCompareBlock, 2 * kCompareBlock, 3 * kCompareBlock,
                                         3 * kCompareBlock + 10, 4 * kCompareBlock}));
    int asks = 0;
    const CompareResult part = CompareBytes(
        a, b, nullptr, nullptr, [&] { return ++asks > 2 * kCompareBlock; }, &done);
    EXPECT_FALSE(part.finished);
    EXPECT_EQ(done, kCompareBlock);
}

TEST(CompareEngineTest, SinkReturningFalseEndsTheScan) {
    const Bytes a(100, 0);
    const Bytes b(100, 1);
    int runs = 0;
    const CompareResult result = CompareBytes(
        a, b, [&](const PaintRun&) { return ++runs, false; }, nullptr);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(result.finished);
}

TEST(CompareEngineTest, MismatchSearchesMatchPlainLoop) {
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        const std::size_t size = 1 + rng() % 40000;
        const Bytes a = Random(rng, size);
        Bytes b = a;
        for (int k = static_cast<int>(rng() % 4); k > 0; --k)
            b[rng() % size] ^= 0x80;
        const Offset from = rng() % size;
        const Offset to = from + rng() % (size - from + 1);
        Offset first = -1;
        Offset last = -1;
        for (Offset i = from; i < to; ++i) {
            if (a[i] == b[i])
                continue;
            if (first < 0)
                first = i;
            last = i;
        }
        ASSERT_EQ(FindFirstMismatch(a.data(), b.data(), from, to), first);
        ASSERT_EQ(FindLastMismatch(a.data(), b.data(), from, to), last);
    }
}

}  // namespace
}  // namespace orvel
