#include "editing/block_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "editing/clipboard_codec.h"
#include "support/recording_document.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

const DumpLayout kSingle;
const DumpLayout kPane(DumpLayout::kPaneFirstDataPos);

using Doc = test::RecordingDocument;

Bytes Counting(int count) {
    Bytes bytes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    return bytes;
}

Offset High(Offset byte, const DumpLayout& layout = kSingle) {
    return layout.ByteToHexPos(byte).high;
}
Offset AfterLow(Offset byte, const DumpLayout& layout = kSingle) {
    return layout.ByteToHexPos(byte).low + 1;
}

const BlockStorage kNoMemory = [](std::size_t) -> std::span<std::uint8_t> {
    throw std::bad_alloc();
};

TEST(BlockKernelsTest, CopyPutsTheBlockOnTheClipboardEitherWayRound) {
    for (const auto& [start, end] : {std::pair{0x0F, 0x0A}, std::pair{0x0A, 0x0F}}) {
        Doc d(Counting(32));
        Bytes block;
        EXPECT_EQ(CopyBytes(d.doc, start, end, StoreIn(block)).outcome, EditOutcome::kDone);
        EXPECT_EQ(block, (Bytes{0x06, 0x00, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}));
        EXPECT_EQ(d.bytes(), Counting(32));
        EXPECT_FALSE(d.doc.dataModified());
        EXPECT_TRUE(d.edits.empty());
    }
}

TEST(BlockKernelsTest, CopyAndCutWithoutMemoryLeaveTheDocumentAlone) {
    Doc d(Counting(8));
    EXPECT_EQ(CopyBytes(d.doc, 0, 7, kNoMemory).outcome, EditOutcome::kOutOfMemory);
    EXPECT_EQ(CutBytes(d.doc, kSingle, 0, 7, kNoMemory).outcome, EditOutcome::kOutOfMemory);
    EXPECT_EQ(d.bytes(), Counting(8));
    EXPECT_FALSE(d.doc.dataModified());
    EXPECT_TRUE(d.edits.empty());
}

TEST(BlockKernelsTest, CutThenPasteMovesTheBlock) {
    Doc d({0x00, 0x11, 0x22, 0x33, 0x44, 0x55});
    Bytes block;
    const EditResult cut = CutBytes(d.doc, kSingle, 4, 2, StoreIn(block));
    ASSERT_EQ(cut.outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{0x00, 0x11, 0x55}));
    EXPECT_EQ(cut.selection, (TextSelection{High(2), High(2)}));  // on the byte 55
    EXPECT_EQ(block, (Bytes{0x03, 0x00, 0x22, 0x33, 0x44}));
    EXPECT_TRUE(d.doc.dataModified());

    const EditResult paste = PasteBytes(d.doc, kSingle, 1, block);
    ASSERT_EQ(paste.outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{0x00, 0x22, 0x33, 0x44, 0x11, 0x55}));
    EXPECT_EQ(paste.selection, (TextSelection{High(1), High(4)}));
}

TEST(BlockKernelsTest, RemovingPutsTheCaretWhereTheNextByteStands) {
    struct Row {
        int size;
        Offset start;
        Offset end;
        Offset caretByte;
    };
    const Row rows[] = {
        {4, 1, 1, 1},
        {4, 3, 2, 2},      // the block ended the file: where such a byte would stand
        {4, 0, 3, 0},      // the whole file
        {20, 16, 15, 15},  // across a line end
    };
    for (const Row& row : rows) {
        Bytes expected = Counting(row.size);
        expected.erase(expected.begin() + std::min(row.start, row.end),
                       expected.begin() + std::max(row.start, row.end) + 1);
        Doc deleted(Counting(row.size));
        EXPECT_EQ(DeleteBytes(deleted.doc, kSingle, row.start, row.end).selection,
                  (TextSelection{High(row.caretByte), High(row.caretByte)}));
        EXPECT_EQ(deleted.bytes(), expected);
        EXPECT_TRUE(deleted.doc.dataModified());
        ASSERT_EQ(deleted.edits.size(), 1u);
        EXPECT_TRUE(deleted.edits[0].RebuildsDump());

        Doc cut(Counting(row.size));
        Bytes block;
        const EditResult result = CutBytes(cut.doc, kPane, row.start, row.end, StoreIn(block));
        EXPECT_EQ(result.selection,
                  (TextSelection{High(row.caretByte, kPane), High(row.caretByte, kPane)}));
        EXPECT_EQ(cut.bytes(), expected);
    }
}

TEST(BlockKernelsTest, PasteAtTheEndAppends) {
    Doc d({0x01, 0x02});
    const Bytes block = EncodeClipboardBlock(Bytes{0xAA, 0xBB});
    const EditResult result = PasteBytes(d.doc, kSingle, 2, block);
    EXPECT_EQ(d.bytes(), (Bytes{0x01, 0x02, 0xAA, 0xBB}));
    EXPECT_EQ(result.selection, (TextSelection{High(2), High(4)}));
}

TEST(BlockKernelsTest, PasteIntoAnEmptyFile) {
    Doc d({});
    const Bytes block = EncodeClipboardBlock(Counting(17));
    const EditResult result = PasteBytes(d.doc, kSingle, 0, block);
    EXPECT_EQ(d.bytes(), Counting(17));
    EXPECT_EQ(result.selection, (TextSelection{High(0), High(17)}));
}

// Without a block, a text of hex values pastes its bytes; any other text, or
// none, pastes nothing and leaves the document unmodified.
TEST(BlockKernelsTest, WithoutABlockTheTextOfHexValuesIsPasted) {
    Doc d({0x01, 0x02});
    const EditResult result = PasteBytes(d.doc, kSingle, 1, std::nullopt, "4F 52 0x56");
    EXPECT_EQ(result.outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{0x01, 0x4F, 0x52, 0x56, 0x02}));
    EXPECT_EQ(result.selection, (TextSelection{High(1), High(4)}));
    // The block wins over the text.
    const Bytes block = EncodeClipboardBlock(Bytes{0xAA});
    (void)PasteBytes(d.doc, kSingle, 0, block, "4F");
    EXPECT_EQ(d.bytes(), (Bytes{0xAA, 0x01, 0x4F, 0x52, 0x56, 0x02}));

    for (const char* text : {"", "Hello", "4F5", "4F 5"}) {
        Doc none({0x01, 0x02});
        const EditResult empty = PasteBytes(none.doc, kSingle, 1, std::nullopt, text);
        EXPECT_EQ(empty.outcome, EditOutcome::kClipboardEmpty) << text;
        EXPECT_EQ(OutcomeMessage(empty.outcome), "The clipboard holds no bytes to paste.");
        EXPECT_EQ(none.bytes(), (Bytes{0x01, 0x02}));
        EXPECT_FALSE(none.doc.dataModified());
        EXPECT_TRUE(none.edits.empty());
    }
}

TEST(BlockKernelsTest, DamagedClipboardBlockChangesNothing) {
    for (const Bytes& block :
         {Bytes{}, Bytes{0x05}, Bytes{0x05, 0x00, 0x01}, Bytes{0xFF, 0xFF, 0x00, 0x00, 0x01}}) {
        Doc d({0x01, 0x02});
        const EditResult result = PasteBytes(d.doc, kSingle, 1, block);
        EXPECT_EQ(result.outcome, EditOutcome::kClipboardDamaged);
        EXPECT_EQ(OutcomeMessage(result.outcome), kClipboardDamagedMessage);
        EXPECT_EQ(d.bytes(), (Bytes{0x01, 0x02}));
        EXPECT_FALSE(d.doc.dataModified());
        EXPECT_TRUE(d.edits.empty());
    }
}

TEST(BlockKernelsTest, InsertFillsAndSelectsTheFirstInsertedByte) {
    Doc d({0x00, 0x01});
    const EditResult result = InsertBytes(d.doc, kSingle, 0, 3, 0xFF);
    EXPECT_EQ(result.outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x01}));
    EXPECT_EQ(result.selection, (TextSelection{High(0), AfterLow(0)}));

    Doc end({0x00, 0x01});
    EXPECT_EQ(InsertBytes(end.doc, kPane, 2, 2, 0x7E).selection,
              (TextSelection{High(2, kPane), AfterLow(2, kPane)}));
    EXPECT_EQ(end.bytes(), (Bytes{0x00, 0x01, 0x7E, 0x7E}));
}

TEST(BlockKernelsTest, InsertOfNoBytesStillMarksModified) {
    Doc d({0x00, 0x01});
    const EditResult result = InsertBytes(d.doc, kSingle, 1, 0, 0xAB);
    EXPECT_EQ(result.outcome, EditOutcome::kDone);
    EXPECT_EQ(d.bytes(), (Bytes{0x00, 0x01}));
    EXPECT_EQ(result.selection, (TextSelection{High(1), AfterLow(1)}));
    EXPECT_TRUE(d.doc.dataModified());
    EXPECT_EQ(d.edits.size(), 1u);
}

// A document of the largest size; its pages are never touched, so it costs no memory.
TEST(BlockKernelsTest, NothingGrowsTheFilePastTheLargestSize) {
    BinaryDocument doc;
    ByteBuffer huge;
    huge.resizeForOverwrite(kMaxFileSize - 1);
    doc.AssignBytes(std::move(huge), false);

    const Bytes two = EncodeClipboardBlock(Bytes{1, 2});
    EXPECT_EQ(PasteBytes(doc, kSingle, 0, two).outcome, EditOutcome::kFileTooLarge);
    EXPECT_EQ(InsertBytes(doc, kSingle, doc.size(), 999999999, 0).outcome,
              EditOutcome::kFileTooLarge);
    EXPECT_EQ(OutcomeMessage(EditOutcome::kFileTooLarge), kFileTooLargeMessage);
    EXPECT_EQ(doc.size(), kMaxFileSize - 1);
    EXPECT_FALSE(doc.dataModified());

    // One more byte still fits.
    EXPECT_EQ(InsertBytes(doc, kSingle, doc.size(), 1, 0x5A).outcome, EditOutcome::kDone);
    EXPECT_EQ(doc.size(), kMaxFileSize);
    EXPECT_EQ(doc.at(kMaxFileSize - 1), 0x5A);
}

TEST(BlockKernelsTest, SelectionsCoverTheHexCellsOfTheBlock) {
    EXPECT_EQ(SelectBytes(kSingle, 5, 2), (TextSelection{High(2), AfterLow(5)}));
    EXPECT_EQ(SelectBytes(kSingle, 2, 5), SelectBytes(kSingle, 5, 2));
    EXPECT_EQ(SelectBytes(kSingle, 0, 0), (TextSelection{87, 89}));
    EXPECT_EQ(SelectByte(kSingle, 0x3F), (TextSelection{High(0x3F), AfterLow(0x3F)}));
    EXPECT_EQ(SelectByte(kSingle, 0x3F), (TextSelection{78 + 3 * 77 + 55, 78 + 3 * 77 + 57}));
    EXPECT_EQ(SelectByte(kPane, 0), (TextSelection{165, 167}));
}

// After an undo the caret stands before the first byte touched (where the view
// scrolls to), the anchor after the last.
TEST(BlockKernelsTest, TouchedBytesAreSelectedFromTheirEnd) {
    EXPECT_EQ(SelectTouched(kSingle, 2, 4), (TextSelection{AfterLow(5), High(2)}));
    EXPECT_EQ(SelectTouched(kSingle, 0x10, 1), (TextSelection{AfterLow(0x10), High(0x10)}));
    EXPECT_EQ(SelectTouched(kSingle, 7, 0), (TextSelection{High(7), High(7)}));
    EXPECT_EQ(SelectTouched(kPane, 0, 0), (TextSelection{165, 165}));
}

TEST(BlockKernelsTest, ReplaceWalksFromStartToEndOnly) {
    struct Row {
        Bytes before;
        Offset start;
        Offset end;
        std::uint8_t oldValue;
        std::uint8_t newValue;
        Bytes after;
    };
    const Row rows[] = {
        {{0x00, 0x01, 0x00, 0x02}, 0, 3, 0x00, 0xFF, {0xFF, 0x01, 0xFF, 0x02}},
        {{0x00, 0x01, 0x00, 0x02}, 1, 2, 0x00, 0xFF, {0x00, 0x01, 0xFF, 0x02}},
        {{0x00, 0x01, 0x00, 0x02}, 3, 0, 0x00, 0xFF, {0x00, 0x01, 0x00, 0x02}},  // not exchanged
        {{0x00, 0x01, 0x00, 0x02}, 0, 3, 0x01, 0x01, {0x00, 0x01, 0x00, 0x02}},
        {{0x07, 0x07, 0x07}, 1, 0xFFFFFFFF, 0x07, 0x08, {0x07, 0x08, 0x08}},  // end past the file
    };
    for (const Row& row : rows) {
        Doc d(row.before);
        const TextSelection current{High(3), AfterLow(1)};
        EXPECT_EQ(
            ReplaceBytes(d.doc, row.start, row.end, row.oldValue, row.newValue, current).selection,
            (TextSelection{AfterLow(1), AfterLow(1)}));
        EXPECT_EQ(d.bytes(), row.after);
        EXPECT_TRUE(d.doc.dataModified());  // even when nothing matched
        ASSERT_EQ(d.edits.size(), 1u);
        EXPECT_TRUE(d.edits[0].RebuildsDump());  // the dump is rebuilt
    }
}

TEST(BlockKernelsTest, ReverseExchangesTheBlockEndsAndRebuilds) {
    struct Row {
        Bytes before;
        Offset start;
        Offset end;
        Bytes after;
    };
    const Row rows[] = {
        {{1, 2, 3, 4, 5}, 0, 4, {5, 4, 3, 2, 1}},
        {{1, 2, 3, 4, 5}, 3, 1, {1, 4, 3, 2, 5}},
        {{1, 2, 3, 4, 5}, 2, 2, {1, 2, 3, 4, 5}},
    };
    for (const Row& row : rows) {
        Doc d(row.before);
        EXPECT_FALSE(ReverseBytes(d.doc, row.start, row.end).selection);  // stays
        EXPECT_EQ(d.bytes(), row.after);
        EXPECT_TRUE(d.doc.dataModified());
        ASSERT_EQ(d.edits.size(), 1u);
        EXPECT_TRUE(d.edits[0].RebuildsDump());
    }
}

}  // namespace
}  // namespace orvel
