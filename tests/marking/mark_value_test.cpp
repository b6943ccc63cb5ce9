#include "marking/mark_value.h"

#include <gtest/gtest.h>

#include <random>

#include "editing/find_pattern.h"
#include "marking/run_log.h"

namespace orvel {
namespace {

using test::Bytes;
using test::Painted;
using test::RunLog;
using ByteVector = std::vector<std::uint8_t>;

constexpr int kRed = static_cast<int>(MarkColor::kRed);
constexpr int kBlue = static_cast<int>(MarkColor::kBlue);
constexpr int kNone = test::kUnpainted;

RunLog Mark(const ByteVector& bytes, Offset start, Offset end, std::string_view value,
            MarkColor color = MarkColor::kRed) {
    RunLog log;
    EXPECT_TRUE(
        MarkValue(bytes, start, end, ParseFindPattern(value).view(), color, log.Sink(), {}));
    EXPECT_TRUE(log.ordered);
    return log;
}

TEST(MarkValueTest, OverlappingOccurrencesPaintEveryByteAsOneRun) {
    EXPECT_EQ(Mark(Bytes({0, 0, 0}), 0, 2, "0000").runs,
              (std::vector<PaintRun>{{0, 2, MarkColor::kRed}}));
    EXPECT_EQ(Mark(Bytes({7, 0x41, 0x41, 7, 0x41}), 0, 4, "41").runs,
              (std::vector<PaintRun>{{1, 2, MarkColor::kRed}, {4, 4, MarkColor::kRed}}));
    EXPECT_EQ(Painted(Mark(Bytes({0x0A, 0xBC, 0xBC, 0x0A, 0xBC}), 0, 4, "ABC").runs, 5),
              (std::vector<int>{kRed, kRed, kNone, kRed, kRed}));
}

TEST(MarkValueTest, LaterSlotPaintsOverEarlierOne) {
    const ByteVector bytes = Bytes({0x41, 0x42, 0x41, 0x42});
    std::vector<PaintRun> runs = Mark(bytes, 0, 3, "41", MarkColor::kRed).runs;
    for (const PaintRun& run : Mark(bytes, 0, 3, "4142", MarkColor::kBlue).runs)
        runs.push_back(run);
    EXPECT_EQ(Painted(runs, 4), std::vector<int>(4, kBlue));
}

TEST(MarkValueTest, ValueEndingOnTheLastByteOfBlockOrFile) {
    const ByteVector bytes = Bytes({9, 1, 2, 3, 4, 5, 6, 7, 8});
    for (const std::string_view value : {"8", "0708", "060708", "05060708"}) {
        const auto n = static_cast<Offset>(ParseFindPattern(value).size);
        EXPECT_EQ(Mark(bytes, 0, 8, value).runs,
                  (std::vector<PaintRun>{{9 - n, 8, MarkColor::kRed}}))
            << value;
        // An end past the file is taken as the last byte.
        EXPECT_EQ(Mark(bytes, 0, 100, value).runs.size(), 1u) << value;
        // One byte short of the block end: no room.
        EXPECT_TRUE(Mark(bytes, 0, 7, value).runs.empty()) << value;
    }
    for (const std::string_view value : {"4", "0304", "020304", "01020304"}) {
        EXPECT_EQ(Mark(bytes, 1, 4, value).runs.size(), 1u) << value;
    }
}

TEST(MarkValueTest, StartAboveEndOrEmptyValuePaintsNothing) {
    const ByteVector bytes = Bytes({1, 1, 1, 1});
    EXPECT_TRUE(Mark(bytes, 3, 1, "1").runs.empty());
    EXPECT_TRUE(Mark(bytes, 0, 3, "").runs.empty());
    EXPECT_TRUE(Mark({}, 0, 0, "1").runs.empty());
    EXPECT_EQ(Mark(bytes, 2, 2, "1").runs, (std::vector<PaintRun>{{2, 2, MarkColor::kRed}}));
}

TEST(MarkValueTest, AgreesWithAPlainLoopOnRandomData) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        const int alphabet = 2 + round % 5;
        ByteVector bytes(1 + random() % 200);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % alphabet);
        ByteVector value(1 + random() % 4);
        for (auto& b : value)
            b = static_cast<std::uint8_t>(random() % alphabet);
        const auto size = static_cast<Offset>(bytes.size());
        const Offset start = random() % size;
        const Offset end = random() % (size + 3);

        std::vector<int> expected(bytes.size(), kNone);
        const auto n = static_cast<Offset>(value.size());
        for (Offset i = start; i <= std::min(end, size - 1) - (n - 1); ++i) {
            if (std::equal(value.begin(), value.end(), bytes.begin() + i)) {
                for (Offset k = 0; k < n; ++k)
                    expected[i + k] = kRed;
            }
        }
        RunLog log;
        ASSERT_TRUE(MarkValue(bytes, start, end, value, MarkColor::kRed, log.Sink(), {}));
        ASSERT_TRUE(log.ordered);
        ASSERT_EQ(Painted(log.runs, bytes.size()), expected) << "round " << round;
    }
}

TEST(MarkValueTest, StopAndSinkEndTheScan) {
    const ByteVector bytes(64, 0);
    const ByteVector value = Bytes({0});
    RunLog log;
    EXPECT_FALSE(MarkValue(bytes, 0, 63, value, MarkColor::kRed, log.Sink(), [] { return true; }));
    EXPECT_TRUE(log.runs.empty());

    // A value every other byte: the sink refuses the second run.
    ByteVector sparse(64, 1);
    for (std::size_t i = 0; i < sparse.size(); i += 2)
        sparse[i] = 0;
    int calls = 0;
    EXPECT_FALSE(MarkValue(sparse, 0, 63, value, MarkColor::kRed,
                           [&](const PaintRun&) { return ++calls < 2; }, {}));
    EXPECT_EQ(calls, 2);

    // Stop asked part-way: the runs found before it are handed over.
    int checks = 0;
    RunLog partial;
    EXPECT_FALSE(MarkValue(sparse, 0, 63, value, MarkColor::kRed, partial.Sink(),
                           [&] { return ++checks > 5; }));
    EXPECT_FALSE(partial.runs.empty());
    EXPECT_LT(partial.runs.size(), 32u);
}

}  // namespace
}  // namespace orvel
