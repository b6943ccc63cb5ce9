#include "compare/byte_aligner.h"

#include <gtest/gtest.h>

#include <random>

#include "compare/edit_joiner.h"
#include "support/edit_script.h"

namespace orvel {
namespace {

using test::Bytes;
using test::Cost;
using test::EditDistance;
using test::Planted;
using test::RandomBytes;

struct Aligned {
    std::vector<AlignedEdit> edits;
    AlignResult result;
};

Aligned Align(const Bytes& a, const Bytes& b, AlignOptions options = {},
              const StopCheck& stop = {}) {
    Aligned out;
    out.result = AlignBytes(
        a, b, [&](const AlignedEdit& edit) { return out.edits.push_back(edit), true; }, options,
        stop);
    return out;
}

// Aligns, checks that the edits are a sound script that gives b, and returns them.
std::vector<AlignedEdit> CheckedAlign(const Bytes& a, const Bytes& b, AlignOptions options = {}) {
    const Aligned aligned = Align(a, b, options);
    EXPECT_EQ(aligned.result.outcome, AlignOutcome::kFinished);
    EXPECT_EQ(aligned.result.edits, static_cast<Offset>(aligned.edits.size()));
    std::string why;
    EXPECT_TRUE(test::Replay(a, b, aligned.edits, why) == b) << why;
    EXPECT_EQ(why, "");
    return aligned.edits;
}

std::vector<AlignedEdit> Joined(const std::vector<AlignedEdit>& edits) {
    std::vector<AlignedEdit> joined;
    const EditSink sink = [&](const AlignedEdit& edit) { return joined.push_back(edit), true; };
    EditJoiner joiner(sink);
    for (const AlignedEdit& edit : edits)
        EXPECT_TRUE(joiner.Add(edit));
    EXPECT_TRUE(joiner.Flush());
    return joined;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

constexpr auto kChange = AlignedEditKind::kChange;
constexpr auto kDelete = AlignedEditKind::kDelete;
constexpr auto kInsert = AlignedEditKind::kInsert;

TEST(ByteAlignerTest, EdgeCasesGiveTheObviousEdits) {
    std::mt19937 rng(7);
    const Bytes r = RandomBytes(rng, 100000);
    Bytes flipped = r;
    for (auto& byte : flipped)
        byte ^= 0xFF;
    const Bytes zeros(10000, 0);
    const Bytes r1 = RandomBytes(rng, 500);
    const Bytes r2 = RandomBytes(rng, 500);
    struct Row {
        const char* what;
        Bytes a, b;
        std::vector<AlignedEdit> edits;
    };
    const Row rows[] = {
        {"both empty", {}, {}, {}},
        {"first empty", {}, {1, 2, 3}, {{kInsert, 0, 0, 3}}},
        {"second empty", {1, 2, 3}, {}, {{kDelete, 0, 0, 3}}},
        {"identical", r, r, {}},
        {"all different", r, flipped, {{kChange, 0, 0, 100000}}},
        {"one byte inserted at 0", r, Concat({{0x42}, r}), {{kInsert, 0, 0, 1}}},
        {"one byte deleted at 0", Concat({{0x42}, r}), r, {{kDelete, 0, 0, 1}}},
        {"appended", r, Concat({r, {1, 2}}), {{kInsert, 100000, 100000, 2}}},
        {"cut at the end", Concat({r, r1}), r, {{kDelete, 100000, 100000, 500}}},
        {"byte inserted amid zeros",
         zeros,
         Concat({Bytes(5000, 0), {7}, Bytes(5000, 0)}),
         {{kInsert, 5000, 5000, 1}}},
        {"zeros shortened", zeros, Bytes(9000, 0), {{kDelete, 9000, 9000, 1000}}},
        // Which zeros are the new ones is ambiguous: the aligner takes the last ones.
        {"run of zeros lengthened",
         Concat({r1, Bytes(3000, 0), r2}),
         Concat({r1, Bytes(3100, 0), r2}),
         {{kInsert, 3500, 3500, 100}}},
        {"zeros replaced by fewer ones",
         Concat({r1, Bytes(300, 0), r2}),
         Concat({r1, Bytes(200, 1), r2}),
         {{kChange, 500, 500, 200}, {kDelete, 700, 700, 100}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Joined(CheckedAlign(row.a, row.b)), row.edits);
        const AlignResult result = Align(row.a, row.b).result;
        EXPECT_EQ(result.identical(), row.edits.empty());
        EXPECT_EQ(result.unalignedStretches, 0);
    }
}

// Random files with a few planted edits, far apart: the script costs hardly more
// than the least there is, by the textbook reference, and each planted edit takes
// at most three edits (a replacement by a run of another length is a change and
// an insertion or deletion, and a replacing byte equal to the old one by chance
// splits the change).
TEST(ByteAlignerTest, FewEditsGiveANearlyLeastScript) {
    std::mt19937 rng(11);
    for (int round = 0; round < 50; ++round) {
        const std::size_t size = 1000 + rng() % 6000;
        const Bytes a = RandomBytes(rng, size);
        const int planted = static_cast<int>(rng() % 6);
        Bytes b;
        // Edits a tenth of the file apart at least: plant them in separate slices.
        for (int k = 0; k <= planted; ++k) {
            Bytes slice(a.begin() + static_cast<std::ptrdiff_t>(size * k / (planted + 1)),
                        a.begin() + static_cast<std::ptrdiff_t>(size * (k + 1) / (planted + 1)));
            if (k < planted)
                slice = Planted(rng, slice, 1, 1 + rng() % 100);
            b.insert(b.end(), slice.begin(), slice.end());
        }
        SCOPED_TRACE(testing::Message() << "round " << round);
        const auto edits = CheckedAlign(a, b);
        const Offset least = EditDistance(a, b, Cost(edits));
        EXPECT_LE(Cost(edits), least + least / 10 + 4);
        EXPECT_LE(Joined(edits).size(), static_cast<std::size_t>(3 * planted));
    }
}

// Edits anywhere, also overlapping and within a few bytes of each other, and on
// content with few distinct bytes, where 32-byte agreements happen by chance: the
// script always replays, and on random bytes costs little more than the least.
TEST(ByteAlignerTest, RandomEditsReplayAndStayNearTheLeast) {
    std::mt19937 rng(12);
    for (int round = 0; round < 200; ++round) {
        const int alphabet = round % 4 == 0 ? 2 : round % 4 == 1 ? 4 : 256;
        const Bytes a = RandomBytes(rng, rng() % 4000, alphabet);
        const Bytes b = Planted(rng, a, static_cast<int>(rng() % 10), 1 + rng() % 60, alphabet);
        SCOPED_TRACE(testing::Message() << "round " << round << ", alphabet " << alphabet);
        const auto edits = CheckedAlign(a, b);
        if (alphabet == 256) {
            const Offset least = EditDistance(a, b, Cost(edits));
            EXPECT_LE(Cost(edits), least + least / 4 + 8);
        }
    }
}

// 70 bytes inserted, whose last 30 and the next 2 agree with bytes 40 on in the
// first file: a short look ahead sees that agreement first, but the insertion is
// nearer to both files' positions together, and it is what comes out.
TEST(ByteAlignerTest, TheNearestAgreementWinsOverOneSeenFirst) {
    std::mt19937 rng(17);
    const Bytes p = RandomBytes(rng, 1000);
    const Bytes q = RandomBytes(rng, 2000);
    Bytes x = RandomBytes(rng, 40);
    x[0] = q[30];
    x[1] = q[31];
    Bytes y = RandomBytes(rng, 70);
    y[0] = static_cast<std::uint8_t>(x[0] ^ 1);
    std::copy(q.begin(), q.begin() + 30, y.begin() + 40);
    EXPECT_EQ(Joined(CheckedAlign(Concat({p, x, q}), Concat({p, y, x, q}))),
              (std::vector<AlignedEdit>{{kInsert, 1000, 1000, 70}}));
}

TEST(ByteAlignerTest, InsertionsBeyondTheWindowFallBackAndSayHowMuch) {
    std::mt19937 rng(13);
    const Bytes a = RandomBytes(rng, 20000);
    Bytes b = a;
    Bytes inserted = RandomBytes(rng, 1000);
    inserted[0] = static_cast<std::uint8_t>(a[3000] ^ 1);  // the insertion starts at 3000
    b.insert(b.begin() + 3000, inserted.begin(), inserted.end());

    // Within the default window the insertion is found as it is.
    EXPECT_EQ(Joined(CheckedAlign(a, b)), (std::vector<AlignedEdit>{{kInsert, 3000, 3000, 1000}}));

    // A window of 256 bytes cannot see it: from there on the files are compared
    // in place, 256 bytes at a time, and still replay.
    const AlignOptions narrow{256};
    CheckedAlign(a, b, narrow);
    const AlignResult result = Align(a, b, narrow).result;
    EXPECT_EQ(result.unalignedStretches, (20000 - 3000 + 255) / 256);
    // A byte at a stretch's start that agrees by chance is skipped, not compared.
    EXPECT_LE(result.unalignedBytes, 17000);
    EXPECT_GE(result.unalignedBytes, 17000 - 10);
    EXPECT_EQ(result.inserted, 1000);
    AlignResult two;
    two.unalignedStretches = 2;
    two.unalignedBytes = 2 << 20;
    EXPECT_EQ(UnalignedNoteText(two, {}),
              "In 2 places no alignment was found within 1048576 bytes; 2097152 bytes there were "
              "compared byte for byte.");
    EXPECT_EQ(UnalignedNoteText(Align(a, b).result, {}), "");
    two.changed = 1;
    two.inserted = 1000;
    EXPECT_EQ(AlignSummaryText(two, {}),
              "Aligned comparison: 1 byte changed, 0 bytes only in file1, 1000 bytes only in "
              "file2.\nIn 2 places no alignment was found within 1048576 bytes; 2097152 bytes "
              "there were compared byte for byte.");
    // A window below the least is taken as the least.
    EXPECT_EQ(Align(a, b, {1}).result.unalignedStretches, (17000 + 63) / 64);
}

// Files of different content larger than the window: everything is compared in
// place, every differing byte ends up in a change and the surplus in one edit.
TEST(ByteAlignerTest, UnrelatedFilesCompareInPlace) {
    std::mt19937 rng(14);
    const Bytes a = RandomBytes(rng, 3 * 4096 + 100);
    const Bytes b = RandomBytes(rng, 3 * 4096 + 5000);
    const auto edits = CheckedAlign(a, b, {4096});
    const AlignResult result = Align(a, b, {4096}).result;
    Offset differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differing += a[i] != b[i] ? 1 : 0;
    EXPECT_EQ(result.changed, differing);
    EXPECT_EQ(result.inserted, 4900);
    EXPECT_EQ(result.unalignedStretches, 4);
    EXPECT_EQ(edits.back(), (AlignedEdit{kInsert, 12388, 12388, 4900}));
}

// A reader that hands out an array in memory and checks the aligner's promise to
// read forward only; it can fail from a given position on.
class CheckingReader final : public BlockReader {
  public:
    CheckingReader(const Bytes& bytes, Offset failFrom = -1) : bytes_(bytes), failFrom_(failFrom) {}
    [[nodiscard]] Offset size() const override { return static_cast<Offset>(bytes_.size()); }
    [[nodiscard]] bool Read(Offset pos, Offset length,
                            std::span<const std::uint8_t>& out) override {
        EXPECT_GE(pos, last_);
        last_ = pos;
        reads_ += 1;
        if (failFrom_ >= 0 && pos + length > failFrom_) {
            error_ = {5, "Input/output error"};
            return false;
        }
        return MemoryBlockReader(bytes_).Read(pos, length, out);
    }
    [[nodiscard]] const FileError& error() const override { return error_; }
    [[nodiscard]] int reads() const { return reads_; }

  private:
    const Bytes& bytes_;
    Offset failFrom_;
    Offset last_ = 0;
    int reads_ = 0;
    FileError error_;
};

TEST(ByteAlignerTest, ReadsForwardOnlyAndReportsAFailedRead) {
    std::mt19937 rng(15);
    const Bytes a = RandomBytes(rng, 3 << 20);
    const Bytes b = Planted(rng, a, 40, 3000);
    CheckingReader first(a);
    CheckingReader second(b);
    std::vector<AlignedEdit> edits;
    const auto keep = [&](const AlignedEdit& edit) { return edits.push_back(edit), true; };
    EXPECT_EQ(AlignBlocks(first, second, keep).outcome, AlignOutcome::kFinished);
    std::string why;
    EXPECT_TRUE(test::Replay(a, b, edits, why) == b) << why;

    CheckingReader whole(a);
    CheckingReader failing(b, 2 << 20);
    const AlignResult failed = AlignBlocks(whole, failing, {});
    EXPECT_EQ(failed.outcome, AlignOutcome::kReadFailed);
    EXPECT_EQ(failed.failedFile, ComparedFile::kSecond);
    EXPECT_EQ(failing.error().text, "Input/output error");
}

TEST(ByteAlignerTest, StopsWhenAskedAndKeepsWhatItHandedOver) {
    std::mt19937 rng(16);
    const Bytes a = RandomBytes(rng, 2 << 20);
    const Bytes b = Planted(rng, a, 30, 50);
    const auto all = Align(a, b).edits;

    // The stop predicate: what was handed over before is the start of the whole.
    int asked = 0;
    const Aligned stopped = Align(a, b, {}, [&] { return ++asked > 10; });
    EXPECT_EQ(stopped.result.outcome, AlignOutcome::kStopped);
    EXPECT_LT(stopped.edits.size(), all.size());
    EXPECT_TRUE(std::equal(stopped.edits.begin(), stopped.edits.end(), all.begin()));

    // A sink that declines the third edit ends the comparison there.
    int taken = 0;
    const AlignResult declined = AlignBytes(a, b, [&](const AlignedEdit&) { return ++taken < 3; });
    EXPECT_EQ(declined.outcome, AlignOutcome::kStopped);
    EXPECT_EQ(taken, 3);

    // Progress counts both files and ends at the sum of their sizes.
    std::atomic<Offset> progress{-1};
    EXPECT_EQ(AlignBytes(a, b, {}, {}, {}, &progress).outcome, AlignOutcome::kFinished);
    EXPECT_EQ(progress.load(), static_cast<Offset>(a.size() + b.size()));
}

}  // namespace
}  // namespace orvel
