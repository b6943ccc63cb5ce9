#include "compare/gap_aligner.h"

#include <gtest/gtest.h>

#include <random>

#include "compare/anchor_search.h"
#include "support/edit_script.h"

namespace orvel {
namespace {

using test::Bytes;
using test::Cost;
using test::EditDistance;
using test::RandomBytes;

std::vector<AlignedEdit> AlignGap(GapAligner& aligner, const Bytes& a, const Bytes& b) {
    std::vector<AlignedEdit> edits;
    EXPECT_TRUE(aligner.Align(
        a, b, 0, 0, [&](const AlignedEdit& edit) { return edits.push_back(edit), true; }));
    std::string why;
    EXPECT_TRUE(test::Replay(a, b, edits, why) == b) << why;
    EXPECT_EQ(why, "");
    return edits;
}

// Short gaps over few distinct bytes, so that equal bytes abound off the diagonal:
// the least script costs exactly what the textbook reference says, and replays.
TEST(GapAlignerTest, LeastScriptCostsTheLeast) {
    std::mt19937 rng(21);
    GapAligner aligner;
    std::vector<AlignedEdit> script;
    for (int round = 0; round < 3000; ++round) {
        const int alphabet = 2 + round % 3;
        const Bytes a = RandomBytes(rng, rng() % 40, alphabet);
        const Bytes b = RandomBytes(rng, rng() % 40, alphabet);
        SCOPED_TRACE(testing::Message() << "round " << round);
        const Offset least = EditDistance(a, b, 100);
        ASSERT_TRUE(aligner.LeastScript(a, b, 100, script));
        EXPECT_EQ(Cost(script), least);
        std::string why;
        EXPECT_TRUE(test::Replay(a, b, script, why) == b) << why;
        EXPECT_EQ(why, "");
        // Below the least cost there is no script to find.
        if (least > 0) {
            EXPECT_FALSE(aligner.LeastScript(a, b, least - 1, script));
        }
        // Whatever the gap aligner chooses also replays.
        AlignGap(aligner, a, b);
    }
}

TEST(GapAlignerTest, EditsKeepTheirOffsetsAndJoinRuns) {
    GapAligner aligner;
    std::vector<AlignedEdit> edits;
    const auto keep = [&](const AlignedEdit& edit) { return edits.push_back(edit), true; };
    // b: "12" inserted after the first byte, the last two bytes changed.
    const Bytes a = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    const Bytes b = {'a', '1', '2', 'b', 'c', 'd', 'e', 'f', 'x', 'y'};
    EXPECT_TRUE(aligner.Align(a, b, 0x1000, 0x2000, keep));
    EXPECT_EQ(edits, (std::vector<AlignedEdit>{{AlignedEditKind::kInsert, 0x1001, 0x2001, 2},
                                               {AlignedEditKind::kChange, 0x1006, 0x2008, 2}}));
    // A sink that declines ends the gap.
    EXPECT_FALSE(aligner.Align(a, b, 0, 0, [](const AlignedEdit&) { return false; }));
}

// A gap of noise is too costly to search: it is compared in place with the
// surplus at the end or the start, whichever costs less, and takes few steps.
TEST(GapAlignerTest, NoisyGapsAreComparedInPlace) {
    std::mt19937 rng(22);
    GapAligner aligner;
    const Bytes a = RandomBytes(rng, 3000);
    Bytes b = RandomBytes(rng, 1000);
    b.insert(b.end(), a.end() - 1000, a.end());  // the last 1000 bytes agree
    const auto edits = AlignGap(aligner, a, b);
    EXPECT_EQ(edits.front(), (AlignedEdit{AlignedEditKind::kDelete, 0, 0, 1000}));
    for (std::size_t i = 1; i < edits.size(); ++i) {
        EXPECT_EQ(edits[i].kind, AlignedEditKind::kChange);
        EXPECT_GE(edits[i].offsetA, 1000);
        EXPECT_LE(edits[i].endA(), 2000);
    }

    // The cheap script is already the least when one side is empty.
    EXPECT_EQ(AlignGap(aligner, {}, a),
              (std::vector<AlignedEdit>{{AlignedEditKind::kInsert, 0, 0, 3000}}));
    EXPECT_EQ(AlignGap(aligner, a, {}),
              (std::vector<AlignedEdit>{{AlignedEditKind::kDelete, 0, 0, 3000}}));
}

// The brute-force answer: the least first + second, then the least distance
// from the diagonal, over all window pairs that agree.
std::optional<Anchor> NearestAnchor(const Bytes& a, const Bytes& b) {
    std::optional<Anchor> best;
    const auto k = static_cast<std::size_t>(kAnchorLength);
    const auto score = [](Anchor x) {
        return std::pair(x.first + x.second, std::abs(x.first - x.second));
    };
    for (std::size_t i = 0; i + k <= a.size(); ++i) {
        for (std::size_t j = 0; j + k <= b.size(); ++j) {
            const Anchor here{static_cast<Offset>(i), static_cast<Offset>(j)};
            if (std::equal(a.begin() + static_cast<std::ptrdiff_t>(i),
                           a.begin() + static_cast<std::ptrdiff_t>(i + k),
                           b.begin() + static_cast<std::ptrdiff_t>(j)) &&
                (!best || score(here) < score(*best))) {
                best = here;
            }
        }
    }
    return best;
}

// Short stretches are searched at every window: the anchor found is the nearest.
TEST(AnchorSearchTest, FindsTheNearestAnchorInShortStretches) {
    std::mt19937 rng(23);
    AnchorSearch search;
    for (int round = 0; round < 300; ++round) {
        // Two alphabets: two bytes agree by chance, 32 rarely; shared runs planted.
        const int alphabet = round % 2 == 0 ? 2 : 256;
        Bytes a = RandomBytes(rng, rng() % 300, alphabet);
        Bytes b = RandomBytes(rng, rng() % 300, alphabet);
        if (!a.empty() && !b.empty() && round % 3 != 0) {
            const Bytes shared = RandomBytes(rng, 32 + rng() % 40, alphabet);
            a.insert(a.begin() + static_cast<std::ptrdiff_t>(rng() % a.size()), shared.begin(),
                     shared.end());
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(rng() % b.size()), shared.begin(),
                     shared.end());
        }
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(search.Find(a, b), NearestAnchor(a, b));
    }
}

// Long stretches are sampled: an agreement of some length is still found, at its start.
TEST(AnchorSearchTest, FindsLongAgreementsInLongStretches) {
    std::mt19937 rng(24);
    AnchorSearch search;
    const Bytes a = RandomBytes(rng, 200000);
    const Bytes noise = RandomBytes(rng, 70000);
    for (const std::size_t shift : {5000u, 40000u, 70000u}) {
        Bytes b(noise.begin(), noise.begin() + static_cast<std::ptrdiff_t>(shift));
        b.insert(b.end(), a.begin(), a.end());
        EXPECT_EQ(search.Find(a, b), (Anchor{0, static_cast<Offset>(shift)}));
        EXPECT_EQ(search.Find(b, a), (Anchor{static_cast<Offset>(shift), 0}));
        // A changed stretch of that length: the anchor sits on the diagonal.
        Bytes changed = a;
        for (std::size_t i = 0; i < shift; ++i)
            changed[i] ^= 0x5A;
        EXPECT_EQ(search.Find(a, changed),
                  (Anchor{static_cast<Offset>(shift), static_cast<Offset>(shift)}));
    }
    EXPECT_EQ(search.Find(a, noise), std::nullopt);
    EXPECT_EQ(search.Find(Bytes(31, 0), Bytes(100, 0)), std::nullopt);  // shorter than a window
    EXPECT_EQ(search.Find(Bytes(32, 0), Bytes(100, 0)), (Anchor{0, 0}));
}

}  // namespace
}  // namespace orvel
