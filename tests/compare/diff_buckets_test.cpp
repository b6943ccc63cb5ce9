#include "compare/diff_buckets.h"

#include <gtest/gtest.h>

#include <random>

#include "compare/byte_aligner.h"
#include "compare/edit_joiner.h"

namespace orvel {
namespace {

TEST(DiffBucketsTest, BucketsArePowersOfTwoWithinTheLimit) {
    struct Row {
        Offset length;
        Offset bucketSize;
        int buckets;
    };
    const Row rows[] = {
        {0, 1, 0},       {1, 1, 1},       {4096, 1, 4096},    {4097, 2, 2049},
        {8192, 2, 4096}, {8193, 4, 2049}, {100000, 32, 3125}, {kMaxFileSize, Offset{1} << 20, 4096},
    };
    for (const Row& row : rows) {
        const DiffBuckets buckets(row.length);
        EXPECT_EQ(buckets.bucketSize(), row.bucketSize) << row.length;
        EXPECT_EQ(buckets.bucketCount(), row.buckets) << row.length;
    }
}

// Random runs against a per-byte count, with the strips the bar draws.
TEST(DiffBucketsTest, CountsAgreeWithAPerByteTally) {
    std::mt19937 rng(31);
    for (const Offset length : {Offset{1}, Offset{4000}, Offset{65536}, Offset{1000003}}) {
        DiffBuckets buckets(length);
        std::vector<char> differs(static_cast<std::size_t>(length), 0);
        for (int k = 0; k < 200; ++k) {
            const Offset first = static_cast<Offset>(rng() % static_cast<unsigned>(length));
            const Offset last = std::min(length - 1, first + static_cast<Offset>(rng() % 5000));
            // Runs never overlap in a comparison: add only the bytes not yet in.
            for (Offset i = first; i <= last; ++i) {
                if (differs[static_cast<std::size_t>(i)] == 0) {
                    differs[static_cast<std::size_t>(i)] = 1;
                    buckets.Add(i, i);
                }
            }
            buckets.Add(length, length + 10);  // past the end: ignored
        }
        Offset total = 0;
        for (int b = 0; b < buckets.bucketCount(); ++b) {
            Offset expected = 0;
            for (Offset i = b * buckets.bucketSize();
                 i < std::min(length, (b + 1) * buckets.bucketSize()); ++i)
                expected += differs[static_cast<std::size_t>(i)];
            EXPECT_EQ(buckets.count(b), expected);
            total += expected;
        }
        EXPECT_EQ(buckets.total(), total);

        for (const int rows : {1, 7, 600, 5000}) {
            const auto strips = buckets.Strips(rows);
            ASSERT_EQ(strips.size(), static_cast<std::size_t>(rows));
            EXPECT_EQ(strips.front().first, 0);
            EXPECT_EQ(strips.back().end, length);
            for (std::size_t r = 0; r < strips.size(); ++r) {
                const auto& strip = strips[r];
                Offset expected = 0;
                for (Offset i = strip.first; i < strip.end; ++i)
                    expected += differs[static_cast<std::size_t>(i)];
                EXPECT_EQ(strip.differing, expected);
                EXPECT_EQ(strip.first % buckets.bucketSize(), 0);
                // The strips leave no byte out.
                if (r > 0) {
                    EXPECT_LE(strip.first, strips[r - 1].end);
                }
            }
        }
        buckets.Clear();
        EXPECT_EQ(buckets.total(), 0);
        EXPECT_EQ(buckets.Strips(3).front().differing, 0);
    }
    EXPECT_TRUE(DiffBuckets(0).Strips(10).empty());
}

TEST(DiffBucketsTest, EditsCountInTheFilesThatHoldTheirBytes) {
    DiffBuckets first(100);
    DiffBuckets second(120);
    AddEdit(first, second, {AlignedEditKind::kChange, 10, 12, 3});
    AddEdit(first, second, {AlignedEditKind::kDelete, 50, 55, 5});
    AddEdit(first, second, {AlignedEditKind::kInsert, 80, 80, 30});
    EXPECT_EQ(first.total(), 8);
    EXPECT_EQ(second.total(), 33);
    EXPECT_EQ(first.count(52), 1);
    EXPECT_EQ(second.count(55), 0);
    EXPECT_EQ(second.count(109), 1);
}

// Built as either comparison runs, the buckets add up to what it counted.
TEST(DiffBucketsTest, FollowBothComparisonsAsTheyRun) {
    std::mt19937 rng(32);
    std::vector<std::uint8_t> a(300000);
    for (auto& byte : a)
        byte = static_cast<std::uint8_t>(rng());
    std::vector<std::uint8_t> b = a;
    b.insert(b.begin() + 1000, 77);  // plain: nearly everything after it differs
    b.erase(b.begin() + 200000, b.begin() + 200500);
    b[250000] ^= 1;

    DiffBuckets first(static_cast<Offset>(a.size()));
    DiffBuckets second(static_cast<Offset>(b.size()));
    const auto paint = [](DiffBuckets& buckets) {
        return [&buckets](const PaintRun& run) { return buckets.Add(run.first, run.last), true; };
    };
    const CompareResult plain = CompareBytes(a, b, paint(first), paint(second));
    EXPECT_EQ(first.total(), plain.differences + (plain.size1 > plain.size2 ? plain.surplus() : 0));
    EXPECT_EQ(second.total(),
              plain.differences + (plain.size2 > plain.size1 ? plain.surplus() : 0));
    EXPECT_GT(first.count(first.bucketCount() - 1), 0);

    first.Clear();
    second.Clear();
    const AlignResult aligned = AlignBytes(a, b, [&](const AlignedEdit& edit) {
        AddEdit(first, second, edit);
        return true;
    });
    EXPECT_EQ(first.total(), aligned.changed + aligned.deleted);
    EXPECT_EQ(second.total(), aligned.changed + aligned.inserted);
    EXPECT_EQ(first.total(), 501);
    EXPECT_EQ(first.count(first.bucketCount() - 1), 0);
}

TEST(EditJoinerTest, JoinsOnlyEditsThatContinueEachOther) {
    std::vector<AlignedEdit> out;
    int room = 100;
    const EditSink sink = [&](const AlignedEdit& edit) {
        out.push_back(edit);
        return --room > 0;
    };
    EditJoiner joiner(sink);
    const AlignedEdit in[] = {
        {AlignedEditKind::kChange, 0, 0, 4},   {AlignedEditKind::kChange, 4, 4, 4},    // joined
        {AlignedEditKind::kInsert, 8, 8, 2},   {AlignedEditKind::kInsert, 8, 10, 3},   // joined
        {AlignedEditKind::kDelete, 8, 13, 1},  {AlignedEditKind::kDelete, 10, 13, 1},  // a gap in A
        {AlignedEditKind::kChange, 11, 14, 1},
    };
    for (const AlignedEdit& edit : in)
        EXPECT_TRUE(joiner.Add(edit));
    EXPECT_TRUE(joiner.Flush());
    EXPECT_TRUE(joiner.Flush());  // nothing left to hand over
    EXPECT_EQ(out, (std::vector<AlignedEdit>{{AlignedEditKind::kChange, 0, 0, 8},
                                             {AlignedEditKind::kInsert, 8, 8, 5},
                                             {AlignedEditKind::kDelete, 8, 13, 1},
                                             {AlignedEditKind::kDelete, 10, 13, 1},
                                             {AlignedEditKind::kChange, 11, 14, 1}}));
    // A sink that declines is heard at the next hand-over.
    room = 1;
    out.clear();
    EditJoiner declined(sink);
    EXPECT_TRUE(declined.Add({AlignedEditKind::kChange, 0, 0, 1}));
    EXPECT_FALSE(declined.Add({AlignedEditKind::kInsert, 1, 1, 1}));
}

}  // namespace
}  // namespace orvel
