#include "marking/mark_range.h"

#include <gtest/gtest.h>

#include "marking/run_log.h"

namespace orvel {
namespace {

constexpr MarkColor kOne = MarkColor::kGreen;
constexpr MarkColor kTwo = MarkColor::kMagenta;

// The units of the runs PaintUnits hands over, one plain run each.
std::vector<PaintRun> Units(Offset start, Offset end, Offset size, Offset unit) {
    test::RunLog log;
    EXPECT_TRUE(PaintUnits(start, end, size, unit, kOne, kTwo, log.Sink(), {}));
    EXPECT_TRUE(log.ordered);
    std::vector<PaintRun> units;
    for (const PaintRun& run : log.runs) {
        for (Offset a = run.first; a <= run.last;) {
            const Offset unitEnd = run.origin + ((a - run.origin) / run.unit + 1) * run.unit - 1;
            const Offset b = std::min(run.last, unitEnd);
            units.push_back({a, b, run.ColorOf(a)});
            a = b + 1;
        }
    }
    return units;
}

TEST(PaintUnitsTest, UnitsAlternateFromTheBlockStart) {
    EXPECT_EQ(Units(0, 9, 100, 4),
              (std::vector<PaintRun>{{0, 3, kOne}, {4, 7, kTwo}, {8, 9, kOne}}));
    EXPECT_EQ(Units(9, 0, 100, 4), Units(0, 9, 100, 4));
    EXPECT_EQ(Units(5, 10, 100, 3), (std::vector<PaintRun>{{5, 7, kOne}, {8, 10, kTwo}}));
    EXPECT_EQ(Units(0, 9, 100, 0), (std::vector<PaintRun>{{0, 9, kOne}}));
    EXPECT_EQ(Units(0, 9, 100, 50), (std::vector<PaintRun>{{0, 9, kOne}}));
    EXPECT_EQ(Units(3, 3, 100, 1), (std::vector<PaintRun>{{3, 3, kOne}}));
    EXPECT_EQ(Units(0, 2, 100, 1),
              (std::vector<PaintRun>{{0, 0, kOne}, {1, 1, kTwo}, {2, 2, kOne}}));
    // Clipped to the file; nothing past it.
    EXPECT_EQ(Units(6, 20, 8, 4), (std::vector<PaintRun>{{6, 7, kOne}}));
    EXPECT_TRUE(Units(8, 20, 8, 4).empty());
    EXPECT_TRUE(Units(0, 0, 0, 4).empty());
}

TEST(PaintUnitsTest, StopIsAskedWhilePainting) {
    int runs = 0;
    bool stop = false;
    constexpr Offset kSize = Offset{64} << 20;
    EXPECT_FALSE(PaintUnits(
        0, kSize - 1, kSize, 1, kOne, kTwo,
        [&](const PaintRun&) {
            if (++runs == 10)
                stop = true;
            return true;
        },
        [&] { return stop; }));
    EXPECT_EQ(runs, 10);  // asked before every slice of units
    runs = 0;
    EXPECT_FALSE(PaintUnits(0, kSize - 1, kSize, 1, kOne, kTwo,
                            [&](const PaintRun&) { return ++runs < 3; }, {}));
    EXPECT_EQ(runs, 3);
}

TEST(MarkRangeTest, EitherOrderClippedToTheFile) {
    const struct {
        Offset first, last, size;
        std::vector<PaintRun> runs;
    } rows[] = {
        {0x20, 0x10, 0x100, {{0x10, 0x20, kOne}}},
        {0x10, 0x20, 0x100, {{0x10, 0x20, kOne}}},
        {0xF0, 0x1FF, 0x100, {{0xF0, 0xFF, kOne}}},
        {0x100, 0x1FF, 0x100, {}},
        {-1, 0x10, 0x100, {}},
        {0x10, -1, 0x100, {}},
        {5, 5, 0x100, {{5, 5, kOne}}},
    };
    for (const auto& row : rows) {
        test::RunLog log;
        EXPECT_TRUE(MarkRange(row.first, row.last, row.size, kOne, log.Sink()));
        EXPECT_EQ(log.runs, row.runs) << row.first << ".." << row.last;
    }
}

}  // namespace
}  // namespace orvel
