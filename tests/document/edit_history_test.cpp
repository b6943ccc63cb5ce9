// What the undo history keeps of each edit, how it stays within its memory
// budget and in memory that runs out, and what an undo or a redo tells the
// observers.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <vector>

#include "document/binary_document.h"
#include "support/byte_edit_print.h"
#include "support/child_process.h"
#include "support/recording_document.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Doc = test::RecordingDocument;

// A record and its step cost a few hundred bytes however large their range.
constexpr Offset kFewBytes = 512;

Bytes Counting(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

TEST(EditHistoryTest, InvertibleEditsKeepNoBytes) {
    constexpr std::size_t kSize = 1 << 20;
    Doc d(Counting(kSize));
    const Offset size = d.doc.size();
    EXPECT_EQ(d.doc.Reverse(0, size), EditOutcome::kDone);
    EXPECT_EQ(d.doc.Mask(0, size, MaskType::kXor, 0x5A), EditOutcome::kDone);
    EXPECT_EQ(d.doc.OnesComplement(0, size), EditOutcome::kDone);
    EXPECT_EQ(d.doc.TwosComplement(0, size), EditOutcome::kDone);
    EXPECT_EQ(d.doc.InsertFill(size, Offset{1} << 20, 0xEE), EditOutcome::kDone);
    EXPECT_LT(d.doc.history().memoryUsed(), 5 * kFewBytes);
    while (d.doc.history().CanUndo())
        EXPECT_EQ(d.doc.Undo().outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), Counting(kSize));
    EXPECT_LT(d.doc.history().memoryUsed(), 5 * kFewBytes);
}

// An insert keeps its bytes only while it is undone, for the redo; the
// others keep exactly the bytes they replaced or removed.
TEST(EditHistoryTest, KeptBytesFollowTheEdit) {
    constexpr Offset kBlock = 64 * 1024;
    Doc d(Counting(kBlock));
    const EditHistory& history = d.doc.history();

    EXPECT_EQ(d.doc.InsertRange(10, Counting(kBlock)), EditOutcome::kDone);
    EXPECT_LT(history.memoryUsed(), kFewBytes);
    EXPECT_EQ(d.doc.Undo().outcome, EditOutcome::kDone);
    EXPECT_GE(history.memoryUsed(), kBlock);
    EXPECT_LT(history.memoryUsed(), kBlock + kFewBytes);
    EXPECT_EQ(d.doc.Redo().outcome, EditOutcome::kDone);
    EXPECT_LT(history.memoryUsed(), kFewBytes);

    d.doc.AssignBytes(ByteBuffer(kBlock), false);
    EXPECT_EQ(d.doc.RemoveBytes(0, kBlock / 2), EditOutcome::kDone);
    EXPECT_GE(history.memoryUsed(), kBlock / 2);
    EXPECT_LT(history.memoryUsed(), kBlock / 2 + kFewBytes);
    EXPECT_EQ(d.doc.Mask(0, kBlock / 4, MaskType::kAnd, 0x0F), EditOutcome::kDone);
    EXPECT_LT(history.memoryUsed(), kBlock * 3 / 4 + 2 * kFewBytes);
}

// Each byte typed adds a byte or so, however long the run.
TEST(EditHistoryTest, TypingCostsConstantMemoryPerByte) {
    constexpr Offset kTyped = 100000;
    Doc d(Bytes(kTyped, 0));
    for (Offset i = 0; i < kTyped; ++i) {
        ASSERT_EQ(d.doc.TypeByte(i, 0xA0), EditOutcome::kDone);  // the high digit
        ASSERT_EQ(d.doc.TypeByte(i, 0xAB), EditOutcome::kDone);  // the low digit
    }
    EXPECT_EQ(d.doc.history().undoCount(), 1u);
    EXPECT_EQ(d.doc.history().UndoName(), kTypingStepName);
    EXPECT_LT(d.doc.history().memoryUsed(), 2 * kTyped + kFewBytes);
    EXPECT_EQ(d.doc.Undo().count, kTyped);
    EXPECT_EQ(d.bytes(), Bytes(kTyped, 0));
}

// What the views are told: values changed (marks kept) for the bytes an edit
// replaced, whatever it was; the number or order of bytes for the rest.
TEST(EditHistoryTest, UndoAndRedoTellWhatChanged) {
    struct Row {
        const char* name;
        std::function<EditOutcome(BinaryDocument&)> edit;
        ByteEdit undone;
        ByteEdit redone;
    };
    const Row rows[] = {
        {"remove",
         [](auto& d) { return d.RemoveBytes(1, 2); },
         {EditKind::kInsert, 1, 0, 2},
         {EditKind::kRemove, 1, 2, 0}},
        {"insert",
         [](auto& d) {
             return d.InsertRange(4, Bytes{9, 9});
         },
         {EditKind::kRemove, 4, 2, 0},
         {EditKind::kInsert, 4, 0, 2}},
        {"fill",
         [](auto& d) { return d.InsertFill(0, 3, 7); },
         {EditKind::kRemove, 0, 3, 0},
         {EditKind::kInsertFill, 0, 0, 3}},
        {"reverse",
         [](auto& d) { return d.Reverse(0, 4); },
         {EditKind::kReverse, 0, 4, 4},
         {EditKind::kReverse, 0, 4, 4}},
        {"replace value",
         [](auto& d) { return d.ReplaceValue(0, 4, 2, 5); },
         {EditKind::kReplaceRange, 0, 4, 4},
         {EditKind::kReplaceRange, 0, 4, 4}},
        {"shift",
         [](auto& d) { return d.Shift(2, 2, ShiftType::kLeft, 1); },
         {EditKind::kReplaceRange, 2, 2, 2},
         {EditKind::kReplaceRange, 2, 2, 2}},
        {"xor",
         [](auto& d) { return d.Mask(1, 3, MaskType::kXor, 0xFF); },
         {EditKind::kMaskXor, 1, 3, 3},
         {EditKind::kMaskXor, 1, 3, 3}},
    };
    for (const Row& row : rows) {
        Doc d({1, 2, 3, 4});
        ASSERT_EQ(row.edit(d.doc), EditOutcome::kDone) << row.name;
        d.edits.clear();
        (void)d.doc.Undo();
        (void)d.doc.Redo();
        EXPECT_EQ(d.edits, (std::vector<ByteEdit>{row.undone, row.redone})) << row.name;
    }
}

// New and Import start with an empty history; their documents stay modified
// whatever is undone, until saved.
TEST(EditHistoryTest, NewAndImportStartWithAnEmptyHistory) {
    for (const bool imported : {false, true}) {
        BinaryDocument doc;
        doc.AssignBytes(ByteBuffer(4), false);
        EXPECT_EQ(doc.SetByte(0, 1), EditOutcome::kDone);
        if (imported) {
            doc.AssignBytes(ByteBuffer(7), true);
        } else {
            doc.NewDocument();
        }
        EXPECT_FALSE(doc.history().CanUndo());
        EXPECT_EQ(doc.SetByte(0, 1), EditOutcome::kDone);
        (void)doc.Undo();
        EXPECT_TRUE(doc.dataModified());
    }
}

TEST(EditHistoryTest, TheOldestStepsGoFirstWhenTheBudgetIsReached) {
    constexpr Offset kBlock = 1000;
    Doc d(Counting(10 * kBlock));
    d.doc.setUndoBudget(3 * kBlock + kFewBytes);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d.doc.RemoveBytes(0, kBlock), EditOutcome::kDone);
    EXPECT_EQ(d.doc.history().undoCount(), 3u);
    EXPECT_LE(d.doc.history().memoryUsed(), d.doc.history().budget());
    while (d.doc.history().CanUndo())
        (void)d.doc.Undo();
    const Bytes all = Counting(10 * kBlock);
    EXPECT_EQ(d.bytes(), Bytes(all.begin() + 2 * kBlock, all.end()));

    // A smaller budget drops steps at once, the farthest undone ones last.
    d.doc.setUndoBudget(kBlock + kFewBytes);
    EXPECT_EQ(d.doc.history().redoCount(), 1u);
    (void)d.doc.Redo();
    EXPECT_EQ(d.bytes(), Bytes(all.begin() + 3 * kBlock, all.end()));
}

// An insert whose bytes would not fit the budget is still undone, but can no
// longer be redone.
TEST(EditHistoryTest, AnUndoneInsertTooLargeToKeepCannotBeRedone) {
    Doc d({1, 2});
    d.doc.setUndoBudget(4096);
    EXPECT_EQ(d.doc.InsertRange(1, Counting(8192)), EditOutcome::kDone);
    EXPECT_EQ(d.doc.Undo().outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{1, 2}));
    EXPECT_FALSE(d.doc.history().CanRedo());
    EXPECT_LE(d.doc.history().memoryUsed(), 4096);
}

// /proc/self/statm: the program's size in pages.
Offset AddressSpaceBytes() {
    std::ifstream statm("/proc/self/statm");
    Offset pages = 0;
    statm >> pages;
    return pages * 4096;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// In a child whose address space is nearly used up, neither an edit nor an
// undo that needs more memory changes the document or the history.
TEST(EditHistoryTest, RunningOutOfMemoryChangesNothing) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer reserves far more than the limit";
    const test::ChildEnd end = test::RunInChild([] {
        constexpr Offset kBlock = Offset{64} << 20;
        BinaryDocument doc;
        doc.AssignBytes(ByteBuffer(kBlock), false);
        {
            const Bytes inserted(kBlock, 0xAB);
            if (doc.InsertRange(0, inserted) != EditOutcome::kDone)
                return 10;
        }
        const Offset size = doc.size();
        const BinaryDocument::Revision revision = doc.revision();
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = static_cast<rlim_t>(AddressSpaceBytes() + (Offset{16} << 20));
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            return 11;
        if (doc.RemoveBytes(0, kBlock) != EditOutcome::kNoMemoryForUndo)
            return 12;
        if (doc.Shift(0, kBlock, ShiftType::kRight, 1) != EditOutcome::kNoMemoryForUndo)
            return 13;
        if (doc.Undo().outcome != EditOutcome::kOutOfMemory)  // the insert's bytes for the redo
            return 14;
        if (doc.size() != size || doc.revision() != revision || doc.at(0) != 0xAB)
            return 15;
        if (doc.history().undoCount() != 1 || doc.history().CanRedo())
            return 16;
        return 0;
    });
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.status, 0);
}

}  // namespace
}  // namespace orvel
