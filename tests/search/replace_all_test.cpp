// Replace All and Find All against plain loops, and the splice that makes a
// Replace All one step of the history.
#include "search/replace_all.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "search/hit_scan.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Replace All the plain way: step through the range, replacing each match.
Bytes NaiveReplaceAll(const Bytes& bytes, const SearchPattern& pattern, Offset first, Offset last,
                      const Bytes& replacement, Offset& count) {
    const auto n = static_cast<Offset>(pattern.size());
    Bytes out(bytes.begin(), bytes.begin() + first);
    count = 0;
    Offset at = first;
    while (at < last) {
        if (at + n <= last && pattern.MatchesAt(bytes.data() + at)) {
            out.insert(out.end(), replacement.begin(), replacement.end());
            at += n;
            ++count;
        } else {
            out.push_back(bytes[static_cast<std::size_t>(at++)]);
        }
    }
    out.insert(out.end(), bytes.begin() + last, bytes.end());
    return out;
}

Bytes Apply(const Bytes& bytes, const ReplaceAllPlan& plan) {
    Bytes out(bytes.begin(), bytes.begin() + plan.first);
    out.insert(out.end(), plan.bytes.begin(), plan.bytes.end());
    out.insert(out.end(), bytes.begin() + plan.first + plan.oldLength, bytes.end());
    return out;
}

TEST(ReplaceAllTest, PlanMatchesAPlainReplaceOnRandomData) {
    std::mt19937 random(13);
    for (int round = 0; round < 400; ++round) {
        // Few byte values, so that hits are frequent and run into each other.
        Bytes bytes(random() % 200);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(random() % 3);
        SearchPattern pattern;
        const std::size_t n = 1 + random() % 4;
        for (std::size_t k = 0; k < n; ++k)
            pattern.Append(static_cast<std::uint8_t>(random() % 3), random() % 4 == 0 ? 0 : 0xFF);
        if (pattern.masks()[0] == 0 && n == 1)
            continue;
        Bytes replacement(random() % 6, 0x7E);
        const auto size = static_cast<Offset>(bytes.size());
        const Offset first = size == 0 ? 0 : static_cast<Offset>(random() % (size + 1));
        const Offset last = first + static_cast<Offset>(random() % (size - first + 1));
        Offset expectedCount = 0;
        const Bytes expected =
            NaiveReplaceAll(bytes, pattern, first, last, replacement, expectedCount);
        const ReplaceAllPlan plan =
            PlanReplaceAll(Searcher(pattern), bytes, first, last, replacement, {});
        ASSERT_EQ(plan.count, expectedCount) << "round " << round;
        EXPECT_EQ(Apply(bytes, plan), expected) << "round " << round;
        if (plan.count > 0) {
            // The stretch starts at the first hit and ends with the last.
            EXPECT_TRUE(pattern.MatchesAt(bytes.data() + plan.first));
            EXPECT_TRUE(pattern.MatchesAt(bytes.data() + plan.first + plan.oldLength -
                                          static_cast<Offset>(n)));
        }
    }
}

TEST(ReplaceAllTest, AStopLeavesNoPlan) {
    const Bytes bytes(1000, 0x41);
    const ReplaceAllPlan plan =
        PlanReplaceAll(Searcher(SearchPattern::Exact(Bytes{0x41})), bytes, 0, 1000, Bytes{1},
                       [](std::int64_t, std::int64_t) { return false; });
    EXPECT_TRUE(plan.stopped);
    EXPECT_EQ(plan.count, 0);
    EXPECT_TRUE(plan.bytes.empty());
}

// The scan goes in blocks of megabytes: hits that step without overlap must
// go on across their edges as in one piece.
TEST(HitScanTest, HitsStepAcrossBlocksAndStopAtTheLimit) {
    const Bytes zeros((Offset{33} << 20) + 2, 0);
    const Searcher searcher(SearchPattern::Exact(Bytes{0, 0, 0}));
    std::vector<std::int64_t> reported;
    const HitList all = CollectHits(searcher, zeros, 0, static_cast<Offset>(zeros.size()),
                                    zeros.size(), [&](std::int64_t done, std::int64_t) {
                                        reported.push_back(done);
                                        return true;
                                    });
    ASSERT_EQ(all.offsets.size(), zeros.size() / 3);
    for (std::size_t k = 0; k < all.offsets.size(); ++k)
        ASSERT_EQ(all.offsets[k], static_cast<Offset>(3 * k));
    EXPECT_FALSE(all.limited);
    EXPECT_FALSE(all.stopped);
    EXPECT_GT(reported.size(), 2U);
    EXPECT_EQ(reported.back(), static_cast<std::int64_t>(zeros.size()));

    const HitList five = CollectHits(searcher, zeros, 10, 100, 5, {});
    EXPECT_EQ(five.offsets, (std::vector<Offset>{10, 13, 16, 19, 22}));
    EXPECT_TRUE(five.limited);
    // Exactly the limit is not more than it.
    const HitList exact = CollectHits(searcher, zeros, 0, 15, 5, {});
    EXPECT_EQ(exact.offsets.size(), 5U);
    EXPECT_FALSE(exact.limited);
}

class SpliceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const Bytes start{1, 2, 3, 4, 5, 6};
        doc_.AssignBytes(ByteBuffer(start.data(), 6), false);
    }
    [[nodiscard]] Bytes Content() const {
        const auto span = doc_.bytes().span();
        return {span.begin(), span.end()};
    }
    BinaryDocument doc_;
};

TEST_F(SpliceTest, EachLengthIsOneStepThatUndoAndRedoReplay) {
    struct Row {
        Offset offset, oldLength;
        Bytes bytes, expected;
    };
    const Row rows[] = {
        {1, 2, {9, 9}, {1, 9, 9, 4, 5, 6}},              // same length
        {1, 2, {9, 9, 9, 9}, {1, 9, 9, 9, 9, 4, 5, 6}},  // longer
        {1, 4, {9}, {1, 9, 6}},                          // shorter
        {0, 6, {}, {}},                                  // all removed
        {6, 0, {7}, {1, 2, 3, 4, 5, 6, 7}},              // nothing replaced, bytes added
    };
    for (const Row& row : rows) {
        SetUp();
        ASSERT_EQ(SpliceBytes(doc_, row.offset, row.oldLength, row.bytes, "Replace All"),
                  EditOutcome::kDone);
        EXPECT_EQ(Content(), row.expected);
        EXPECT_TRUE(doc_.dataModified());
        ASSERT_EQ(doc_.history().undoCount(), 1U);
        EXPECT_EQ(doc_.history().UndoName(), "Replace All");
        ASSERT_EQ(doc_.Undo().outcome, EditOutcome::kDone);
        EXPECT_EQ(Content(), (Bytes{1, 2, 3, 4, 5, 6}));
        EXPECT_FALSE(doc_.dataModified());
        ASSERT_EQ(doc_.Redo().outcome, EditOutcome::kDone);
        EXPECT_EQ(Content(), row.expected);
    }
}

TEST_F(SpliceTest, AFileThatWouldGrowTooLargeOrADeclinedUndoStaysAsItWas) {
    EXPECT_EQ(SpliceBytes(doc_, 0, 0, Bytes(1, 0), "x"), EditOutcome::kDone);
    (void)doc_.Undo();
    // A growth past the limit is refused before any byte moves; asking for
    // (kMaxFileSize) bytes needs no memory when it is refused.
    const std::span<const std::uint8_t> huge(doc_.bytes().data(), std::size_t{kMaxFileSize});
    EXPECT_EQ(SpliceBytes(doc_, 0, 1, huge, "x"), EditOutcome::kFileTooLarge);
    EXPECT_EQ(Content(), (Bytes{1, 2, 3, 4, 5, 6}));

    doc_.setUndoBudget(0);
    doc_.setTooLargeQuestion([] { return false; });
    EXPECT_EQ(SpliceBytes(doc_, 1, 2, Bytes{8}, "x"), EditOutcome::kDeclined);
    EXPECT_EQ(Content(), (Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(doc_.dataModified());
}

}  // namespace
}  // namespace orvel
