#include "view/mark_store.h"

#include <gtest/gtest.h>

#include <limits>
#include <new>
#include <ostream>
#include <random>
#include <vector>

namespace orvel {

void PrintTo(const PaintRun& run, std::ostream* out) {
    *out << run.first << ".." << run.last << " colour " << static_cast<int>(run.color);
}

namespace {

constexpr Offset kPage = 4096;
constexpr auto kBlack = MarkColor::kBlack;
constexpr auto kRed = MarkColor::kRed;
constexpr auto kBlue = MarkColor::kBlue;

std::vector<PaintRun> AllRuns(const MarkStore& store, Offset first, Offset last) {
    std::vector<PaintRun> runs;
    EXPECT_TRUE(store.Runs(first, last, [&](const PaintRun& run) {
        runs.push_back(run);
        return true;
    }));
    return runs;
}

// The maximal runs of a plain per-byte array whose byte 0 stands for offset `base`.
std::vector<PaintRun> ReferenceRuns(const std::vector<MarkColor>& colors, Offset base, Offset from,
                                    Offset to) {
    std::vector<PaintRun> runs;
    const MarkColor* color = colors.data();
    Offset start = from;
    for (Offset i = from + 1; i <= to + 1; ++i) {
        if (i > to || color[i] != color[start]) {
            runs.push_back({base + start, base + i - 1, color[start]});
            start = i;
        }
    }
    return runs;
}

TEST(MarkStoreTest, NewStoreIsBlackEverywhere) {
    const MarkStore store;
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(store.pagesInUse(), 0);
    for (Offset i : {Offset{-1}, Offset{0}, kMaxFileSize, kMaxFileSize + 1}) {
        EXPECT_EQ(store.ColorAt(i), kBlack);
    }
    EXPECT_EQ(AllRuns(store, 0, kMaxFileSize), (std::vector<PaintRun>{{0, kMaxFileSize, kBlack}}));
}

TEST(MarkStoreTest, ClearRangeKeepsMarksOutsideIt) {
    MarkStore store;
    store.Paint(0, 199, kRed);
    store.ClearRange(100, 5);  // the ends may come in either order
    EXPECT_EQ(AllRuns(store, 0, 199),
              (std::vector<PaintRun>{{0, 4, kRed}, {5, 100, kBlack}, {101, 199, kRed}}));
}

TEST(MarkStoreTest, RangesAroundPageBoundaries) {
    struct Row {
        Offset first, last;
        Offset pagesInUse;
    };
    const Row rows[] = {
        {0, 0, 1},
        {kPage - 1, kPage, 2},
        {0, kPage - 1, 1},
        {kPage, 2 * kPage - 1, 1},
        {kPage - 1, 2 * kPage - 1, 2},
        {kPage, 2 * kPage, 2},
        {1, 3 * kPage - 2, 3},
        {0, 512 * kPage, 513},  // crosses a chunk of the page table
        {511 * kPage + 5, 514 * kPage - 5, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.first << ".." << row.last);
        MarkStore store;
        store.Paint(0, row.last + kPage, kBlue);
        store.Paint(row.first, row.last, kRed);
        const Offset lastOfStore = row.last + kPage;
        std::vector<PaintRun> expected;
        if (row.first > 0)
            expected.push_back({0, row.first - 1, kBlue});
        expected.push_back({row.first, row.last, kRed});
        expected.push_back({row.last + 1, lastOfStore, kBlue});
        EXPECT_EQ(AllRuns(store, 0, lastOfStore), expected);

        MarkStore alone;
        alone.Paint(row.first, row.last, kRed);
        EXPECT_EQ(alone.pagesInUse(), row.pagesInUse);
        EXPECT_EQ(alone.ColorAt(row.first - 1), kBlack);
        EXPECT_EQ(alone.ColorAt(row.first), kRed);
        EXPECT_EQ(alone.ColorAt(row.last), kRed);
        EXPECT_EQ(alone.ColorAt(row.last + 1), kBlack);
        alone.ClearRange(row.first, row.last);
        EXPECT_EQ(AllRuns(alone, 0, lastOfStore),
                  (std::vector<PaintRun>{{0, lastOfStore, kBlack}}));
    }
}

TEST(MarkStoreTest, WholePagesPaintedBlackAreDropped) {
    MarkStore store;
    store.Paint(0, 3 * kPage - 1, kRed);
    EXPECT_EQ(store.pagesInUse(), 3);
    store.ClearRange(kPage, 2 * kPage - 1);
    EXPECT_EQ(store.pagesInUse(), 2);
    store.PaintByte(10, kBlue);  // page 0 turns per-byte
    store.ClearRange(0, kPage - 1);
    EXPECT_EQ(store.pagesInUse(), 1);
    store.ClearRange(0, kMaxFileSize);
    EXPECT_TRUE(store.empty());
    store.ClearRange(0, kMaxFileSize);  // black on nothing stays nothing
    EXPECT_TRUE(store.empty());
}

TEST(MarkStoreTest, OffsetsAtAndBeyondBothEnds) {
    MarkStore store;
    store.Paint(kMaxFileSize - 5, kMaxFileSize + 100, kRed);
    store.PaintByte(kMaxFileSize + 1, kBlue);
    store.PaintByte(-1, kBlue);
    EXPECT_EQ(store.pagesInUse(), 1);
    EXPECT_EQ(store.ColorAt(kMaxFileSize - 6), kBlack);
    EXPECT_EQ(store.ColorAt(kMaxFileSize), kRed);
    EXPECT_EQ(store.ColorAt(kMaxFileSize + 1), kBlack);
    EXPECT_EQ(AllRuns(store, kMaxFileSize - 6, kMaxFileSize + 3),
              (std::vector<PaintRun>{{kMaxFileSize - 6, kMaxFileSize - 6, kBlack},
                                     {kMaxFileSize - 5, kMaxFileSize, kRed},
                                     {kMaxFileSize + 1, kMaxFileSize + 3, kBlack}}));
    store.Paint(-10, 2, kBlue);
    EXPECT_EQ(AllRuns(store, -3, 4),
              (std::vector<PaintRun>{{-3, -1, kBlack}, {0, 2, kBlue}, {3, 4, kBlack}}));
    EXPECT_EQ(
        AllRuns(store, kMaxFileSize, std::numeric_limits<Offset>::max()),
        (std::vector<PaintRun>{{kMaxFileSize, kMaxFileSize, kRed},
                               {kMaxFileSize + 1, std::numeric_limits<Offset>::max(), kBlack}}));
    store.Paint(kMaxFileSize - kPage + 1, kMaxFileSize, kBlue);  // the whole last page
    EXPECT_EQ(AllRuns(store, kMaxFileSize - kPage, kMaxFileSize),
              (std::vector<PaintRun>{{kMaxFileSize - kPage, kMaxFileSize - kPage, kBlack},
                                     {kMaxFileSize - kPage + 1, kMaxFileSize, kBlue}}));
    store.Paint(0, kMaxFileSize, kRed);
    EXPECT_EQ(store.pagesInUse(), (kMaxFileSize + 1) / kPage);
    store.Clear();
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(store.ColorAt(kMaxFileSize), kBlack);
}

TEST(MarkStoreTest, RunsStopWhenTheSinkSaysSo) {
    MarkStore store;
    for (Offset i = 0; i < 10; i += 2)
        store.PaintByte(i, kRed);
    std::vector<PaintRun> seen;
    EXPECT_FALSE(store.Runs(0, 9, [&](const PaintRun& run) {
        seen.push_back(run);
        return seen.size() < 3;
    }));
    EXPECT_EQ(seen, (std::vector<PaintRun>{{0, 0, kRed}, {1, 1, kBlack}, {2, 2, kRed}}));
    EXPECT_TRUE(store.Runs(5, 4, [](const PaintRun&) {
        ADD_FAILURE() << "no run expected";
        return true;
    }));
}

TEST(MarkStoreTest, MovingHandsOverTheMarks) {
    MarkStore store;
    store.Paint(100, 2 * kPage, kRed);
    MarkStore moved(std::move(store));
    EXPECT_EQ(moved.ColorAt(kPage), kRed);
    EXPECT_EQ(moved.ColorAt(2 * kPage), kRed);
    EXPECT_TRUE(store.empty());  // NOLINT(bugprone-use-after-move): a moved-from store is empty
    store = std::move(moved);
    EXPECT_EQ(store.ColorAt(100), kRed);
    EXPECT_EQ(store.pagesInUse(), 3);
}

// With a memory limit, painting that needs more per-byte pages fails as if
// memory had run out, and leaves the store as it was; whole pages need none.
TEST(MarkStoreTest, AMemoryLimitFailsLikeRunningOutAndChangesNothing) {
    MarkStore store;
    store.setMemoryLimit(0);
    store.Paint(kPage, 3 * kPage - 1, kRed);
    EXPECT_THROW(store.Paint(kPage + 10, kPage + 10, kBlue), std::bad_alloc);
    EXPECT_THROW(store.Paint(PaintRun{0, 99, kRed, 1, kBlue, 0}), std::bad_alloc);
    EXPECT_EQ(
        AllRuns(store, 0, 4 * kPage),
        (std::vector<PaintRun>{
            {0, kPage - 1, kBlack}, {kPage, 3 * kPage - 1, kRed}, {3 * kPage, 4 * kPage, kBlack}}));
    // One 2 MiB slab holds 512 per-byte pages: the 513th fails, the others stay.
    store.setMemoryLimit(std::size_t{2} << 20);
    for (Offset page = 0; page < 512; ++page)
        store.PaintByte(page * kPage + 1, kBlue);
    EXPECT_THROW(store.PaintByte(512 * kPage + 1, kBlue), std::bad_alloc);
    EXPECT_EQ(store.ColorAt(511 * kPage + 1), kBlue);
    EXPECT_EQ(store.ColorAt(512 * kPage + 1), kBlack);
    // Clearing gives the memory back for new marks.
    store.Clear();
    store.PaintByte(512 * kPage + 1, kBlue);
    EXPECT_EQ(store.ColorAt(512 * kPage + 1), kBlue);
}

constexpr Offset kWindow = 3 * kPage + 123;

// Thousands of random operations applied to the store and to a plain array
// standing for bytes base..base + kWindow - 1, compared after each step: the
// neighbourhood of the change and a random range every time, the whole window
// every few steps. Ranges favour page edges, where the store changes a page's kind.
void RunDifferential(Offset base, std::uint32_t seed) {
    constexpr Offset kSize = kWindow;
    std::mt19937 random(seed);
    const auto pick = [&](Offset from, Offset to) {
        return std::uniform_int_distribution<Offset>(from, to)(random);
    };
    const auto offset = [&]() {
        if (pick(0, 2) == 0)
            return std::clamp<Offset>(pick(0, 3) * kPage + pick(-2, 2), 0, kSize - 1);
        return pick(0, kSize - 1);
    };
    const auto color = [&]() { return static_cast<MarkColor>(pick(0, kMarkColorCount - 1)); };

    MarkStore store;
    std::vector<MarkColor> reference(static_cast<std::size_t>(kSize), kBlack);
    const auto paint = [&](Offset a, Offset b, MarkColor c) {
        if (a > b)
            std::swap(a, b);
        for (Offset i = a; i <= b; ++i)
            reference[static_cast<std::size_t>(i)] = c;
    };
    for (int step = 0; step < 3000; ++step) {
        const Offset a = offset();
        const Offset b = pick(0, 3) == 0 ? offset() : std::min(kSize - 1, a + pick(0, 40));
        const MarkColor c = color();
        switch (pick(0, 19)) {
            case 0:
                store.Clear();
                paint(0, kSize - 1, kBlack);
                break;
            case 1:
            case 2:
            case 3:
                store.ClearRange(base + b, base + a);
                paint(a, b, kBlack);
                break;
            case 4:
            case 5:
            case 6:
            case 7:
                store.PaintByte(base + a, c);
                paint(a, a, c);
                break;
            default:
                store.Paint(base + a, base + b, c);
                paint(a, b, c);
                break;
        }
        SCOPED_TRACE(testing::Message() << "step " << step);
        const Offset low = std::max<Offset>(0, std::min(a, b) - 2);
        const Offset high = std::min(kSize - 1, std::max(a, b) + 2);
        ASSERT_EQ(AllRuns(store, base + low, base + high),
                  ReferenceRuns(reference, base, low, high));
        const Offset from = offset();
        const Offset to = std::max(from, offset());
        ASSERT_EQ(AllRuns(store, base + from, base + to), ReferenceRuns(reference, base, from, to));
        if (step % 8 == 0) {
            ASSERT_EQ(AllRuns(store, base, base + kSize - 1),
                      ReferenceRuns(reference, base, 0, kSize - 1));
        }
        for (Offset i : {a, b, a - 1, b + 1, offset()}) {
            if (i < 0 || i >= kSize)
                continue;
            ASSERT_EQ(store.ColorAt(base + i), reference[static_cast<std::size_t>(i)]) << i;
        }
        ASSERT_EQ(store.empty(), store.pagesInUse() == 0);
        ASSERT_LE(store.pagesInUse(), 5);  // the window touches at most five pages
    }
}

TEST(MarkStoreTest, MatchesAPlainArrayAtTheStart) {
    RunDifferential(0, 1234);
}

TEST(MarkStoreTest, MatchesAPlainArrayAtTheEnd) {
    RunDifferential(kMaxFileSize + 1 - kWindow, 98765);
}

TEST(MarkStoreTest, MatchesAPlainArrayAcrossAChunk) {
    RunDifferential(512 * kPage - 2 * kPage - 7, 4242);
}

}  // namespace
}  // namespace orvel

namespace orvel {
namespace {

// Runs of alternating units paint every byte in its unit's colour, whatever
// the unit length (shorter and longer than a page), the phase and the
// colours the pages had before.
TEST(MarkStoreUnitsTest, AlternatingRunsMatchAPlainReference) {
    constexpr Offset kSize = 5 * 4096 + 123;
    std::mt19937 random(11);
    MarkStore store;
    std::vector<MarkColor> reference(kSize, MarkColor::kBlack);
    for (int step = 0; step < 300; ++step) {
        const Offset a = static_cast<Offset>(random() % kSize);
        const Offset b = std::min<Offset>(kSize - 1, a + static_cast<Offset>(random() % 12000));
        const Offset units[] = {1, 3, 16, 1000, 4096, 5000};
        PaintRun run{a, b, static_cast<MarkColor>(random() % kMarkColorCount)};
        run.unit = units[random() % std::size(units)];
        run.color2 = static_cast<MarkColor>(random() % kMarkColorCount);
        run.origin = a - static_cast<Offset>(random() % 50) % (a + 1);
        if (step % 7 == 0) {
            store.Paint(a, b, run.color);  // a uniform or partly dense page first
            std::fill(reference.begin() + a, reference.begin() + b + 1, run.color);
            continue;
        }
        store.Paint(run);
        for (Offset i = a; i <= b; ++i)
            reference[static_cast<std::size_t>(i)] = run.ColorOf(i);
        for (Offset i = 0; i < kSize; i += (step % 10 == 0 ? 1 : 97)) {
            ASSERT_EQ(store.ColorAt(i), reference[static_cast<std::size_t>(i)]) << step << " " << i;
        }
    }
}

}  // namespace
}  // namespace orvel
