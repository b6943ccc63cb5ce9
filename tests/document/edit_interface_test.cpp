// What each typed edit of the document tells its observers, how the revision
// gives the modified flag, and how groups of edits end.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "document/binary_document.h"
#include "support/byte_edit_print.h"
#include "support/recording_document.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

using Doc = test::RecordingDocument;

TEST(EditInterfaceTest, EachEditSaysWhatItDid) {
    struct Row {
        const char* name;
        Bytes before;
        std::function<void(BinaryDocument&)> edit;
        Bytes after;
        ByteEdit notice;
        bool rebuildsDump;
    };
    const Bytes abc = {0x0A, 0x0B, 0x0C};
    const Row rows[] = {
        {"set",
         abc,
         [](auto& d) { d.SetByte(2, 0xFF); },
         {0x0A, 0x0B, 0xFF},
         {EditKind::kSet, 2, 1, 1},
         false},
        {"replace range",
         abc,
         [](auto& d) {
             d.ReplaceRange(0, Bytes{1, 2});
         },
         {1, 2, 0x0C},
         {EditKind::kReplaceRange, 0, 2, 2},
         false},
        {"insert at the end",
         abc,
         [](auto& d) {
             (void)d.InsertRange(3, Bytes{7, 8});
         },
         {0x0A, 0x0B, 0x0C, 7, 8},
         {EditKind::kInsert, 3, 0, 2},
         true},
        {"insert nothing",
         abc,
         [](auto& d) { (void)d.InsertRange(1, Bytes{}); },
         abc,
         {EditKind::kInsert, 1, 0, 0},
         true},
        {"insert fill at 0",
         abc,
         [](auto& d) { (void)d.InsertFill(0, 2, 0xEE); },
         {0xEE, 0xEE, 0x0A, 0x0B, 0x0C},
         {EditKind::kInsertFill, 0, 0, 2},
         true},
        {"insert fill into nothing",
         {},
         [](auto& d) { (void)d.InsertFill(0, 1, 0x01); },
         {0x01},
         {EditKind::kInsertFill, 0, 0, 1},
         true},
        {"remove all",
         abc,
         [](auto& d) { d.RemoveBytes(0, 3); },
         {},
         {EditKind::kRemove, 0, 3, 0},
         true},
        {"remove the last",
         abc,
         [](auto& d) { d.RemoveBytes(2, 1); },
         {0x0A, 0x0B},
         {EditKind::kRemove, 2, 1, 0},
         true},
        {"reverse",
         abc,
         [](auto& d) { d.Reverse(1, 2); },
         {0x0A, 0x0C, 0x0B},
         {EditKind::kReverse, 1, 2, 2},
         true},
        {"reverse one byte",
         abc,
         [](auto& d) { d.Reverse(0, 1); },
         abc,
         {EditKind::kReverse, 0, 1, 1},
         true},
        {"shift left",
         {0x81, 0x40},
         [](auto& d) { d.Shift(0, 2, ShiftType::kLeft, 1); },
         {0x02, 0x80},
         {EditKind::kShiftLeft, 0, 2, 2},
         false},
        {"shift right",
         {0xF0, 0x8F},
         [](auto& d) { d.Shift(1, 1, ShiftType::kRight, 4); },
         {0xF0, 0x08},
         {EditKind::kShiftRight, 1, 1, 1},
         false},
        {"shift 9 clears",
         {0xFF, 0x80},
         [](auto& d) { d.Shift(0, 2, ShiftType::kRight, 9); },
         {0x00, 0x00},
         {EditKind::kShiftRight, 0, 2, 2},
         false},
        {"and",
         {0x5A, 0xF0},
         [](auto& d) { d.Mask(0, 2, MaskType::kAnd, 0x0F); },
         {0x0A, 0x00},
         {EditKind::kMaskAnd, 0, 2, 2},
         false},
        {"or",
         {0x00, 0x5A},
         [](auto& d) { d.Mask(0, 2, MaskType::kOr, 0x81); },
         {0x81, 0xDB},
         {EditKind::kMaskOr, 0, 2, 2},
         false},
        {"xor",
         {0x00, 0x5A},
         [](auto& d) { d.Mask(1, 1, MaskType::kXor, 0xFF); },
         {0x00, 0xA5},
         {EditKind::kMaskXor, 1, 1, 1},
         false},
        {"and FF changes nothing",
         abc,
         [](auto& d) { d.Mask(0, 3, MaskType::kAnd, 0xFF); },
         abc,
         {EditKind::kMaskAnd, 0, 3, 3},
         false},
        {"ones",
         {0x00, 0x5A},
         [](auto& d) { d.OnesComplement(0, 2); },
         {0xFF, 0xA5},
         {EditKind::kOnesComplement, 0, 2, 2},
         false},
        {"twos",
         {0x01, 0x00, 0x80},
         [](auto& d) { d.TwosComplement(0, 3); },
         {0xFF, 0x00, 0x80},
         {EditKind::kTwosComplement, 0, 3, 3},
         false},
        {"replace value",
         {7, 1, 7},
         [](auto& d) { d.ReplaceValue(1, 2, 7, 9); },
         {7, 1, 9},
         {EditKind::kReplaceValue, 1, 2, 2},
         true},
        {"replace value in no bytes",
         abc,
         [](auto& d) { d.ReplaceValue(3, 0, 7, 9); },
         abc,
         {EditKind::kReplaceValue, 3, 0, 0},
         true},
        {"assign",
         abc,
         [](auto& d) { d.AssignBytes(ByteBuffer(5), true); },
         Bytes(5, 0),
         {EditKind::kAssign, 0, 3, 5},
         true},
    };
    for (const Row& row : rows) {
        Doc d(row.before);
        const BinaryDocument::Revision before = d.doc.revision();
        row.edit(d.doc);
        EXPECT_EQ(d.bytes(), row.after) << row.name;
        ASSERT_EQ(d.edits.size(), 1u) << row.name;
        EXPECT_EQ(d.edits[0], row.notice) << row.name;
        EXPECT_EQ(d.edits[0].RebuildsDump(), row.rebuildsDump) << row.name;
        EXPECT_EQ(d.doc.revision(), before + 1) << row.name;
        EXPECT_TRUE(d.doc.dataModified()) << row.name;  // even when no byte changed
        EXPECT_EQ(d.doc.endMarker(), EndMarker::ForSize(d.doc.size())) << row.name;
    }
}

// An empty document may hold no memory at all; edits of no bytes still count
// (Insert Bytes with a count of 0 into an empty file) and touch nothing.
TEST(EditInterfaceTest, EditsOfNoBytesInAnEmptyDocument) {
    Doc d({});
    EXPECT_EQ(d.doc.InsertFill(0, 0, 0xAB), EditOutcome::kDone);
    EXPECT_EQ(d.doc.InsertRange(0, Bytes{}), EditOutcome::kDone);
    d.doc.RemoveBytes(0, 0);
    d.doc.ReplaceRange(0, Bytes{});
    d.doc.Reverse(0, 0);
    d.doc.Shift(0, 0, ShiftType::kLeft, 9);
    d.doc.Mask(0, 0, MaskType::kXor, 0xFF);
    d.doc.TwosComplement(0, 0);
    EXPECT_EQ(d.doc.size(), 0);
    EXPECT_EQ(d.edits.size(), 8u);
    EXPECT_TRUE(d.doc.dataModified());
}

TEST(EditInterfaceTest, StoringTheValueAlreadyThereIsNoEdit) {
    Doc d({0x4D, 0x5A});
    const BinaryDocument::Revision loaded = d.doc.revision();
    d.doc.SetByte(1, 0x5A);
    EXPECT_TRUE(d.edits.empty());
    EXPECT_EQ(d.doc.revision(), loaded);
    EXPECT_FALSE(d.doc.dataModified());

    d.doc.SetByte(1, 0x00);
    d.doc.SetByte(1, 0x00);
    EXPECT_EQ(d.edits.size(), 1u);
    EXPECT_EQ(d.doc.revision(), loaded + 1);
    EXPECT_TRUE(d.doc.dataModified());
}

// Past the largest size nothing is inserted, nobody is told and the document
// stays as saved. Its pages are never touched, so it costs no memory.
TEST(EditInterfaceTest, InsertsPastTheLargestSizeChangeNothing) {
    BinaryDocument doc;
    ByteBuffer huge;
    huge.resizeForOverwrite(kMaxFileSize - 1);
    doc.AssignBytes(std::move(huge), false);
    int told = 0;
    doc.AddObserver([&told](const ByteEdit&) { ++told; });
    const BinaryDocument::Revision loaded = doc.revision();

    EXPECT_EQ(doc.InsertFill(0, 2, 0xAA), EditOutcome::kFileTooLarge);
    EXPECT_EQ(doc.InsertRange(doc.size(), Bytes{1, 2}), EditOutcome::kFileTooLarge);
    EXPECT_EQ(doc.size(), kMaxFileSize - 1);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(doc.revision(), loaded);
    EXPECT_FALSE(doc.dataModified());

    EXPECT_EQ(doc.InsertRange(doc.size(), Bytes{0x5A}), EditOutcome::kDone);
    EXPECT_EQ(doc.at(kMaxFileSize - 1), 0x5A);
    EXPECT_EQ(told, 1);
}

TEST(EditInterfaceTest, ModifiedExactlyWhenTheRevisionIsNotTheSavedOne) {
    BinaryDocument doc;
    EXPECT_FALSE(doc.dataModified());  // an empty document as constructed

    doc.AssignBytes(ByteBuffer(4), false);  // a load
    EXPECT_EQ(doc.savedRevision(), doc.revision());
    EXPECT_FALSE(doc.dataModified());

    doc.SetByte(0, 1);
    EXPECT_NE(doc.savedRevision(), doc.revision());
    EXPECT_TRUE(doc.dataModified());
    doc.MarkSaved();
    EXPECT_EQ(doc.savedRevision(), doc.revision());
    EXPECT_FALSE(doc.dataModified());

    doc.Mask(0, 4, MaskType::kOr, 0x00);  // changes no byte, yet is an edit
    EXPECT_TRUE(doc.dataModified());
}

// New and Import: bytes from no file are modified without any edit until saved.
TEST(EditInterfaceTest, NewAndImportAreModifiedUntilSaved) {
    for (const bool imported : {false, true}) {
        BinaryDocument doc;
        if (imported) {
            doc.AssignBytes(ByteBuffer(7), true);
        } else {
            doc.NewDocument();
        }
        EXPECT_EQ(doc.savedRevision(), doc.revision());
        EXPECT_TRUE(doc.dataModified());
        doc.SetByte(0, 0);  // no edit: still modified
        EXPECT_TRUE(doc.dataModified());
        doc.MarkSaved();
        EXPECT_FALSE(doc.dataModified());
        doc.AssignBytes(ByteBuffer(2), false);  // then a load of another file
        EXPECT_FALSE(doc.dataModified());
    }
}

// A revision is never given to two different states, so a saved revision can
// not be met again by loading or editing other bytes.
TEST(EditInterfaceTest, RevisionsNeverRepeat) {
    BinaryDocument doc;
    std::vector<BinaryDocument::Revision> seen{doc.revision()};
    doc.AssignBytes(ByteBuffer(3), false);
    seen.push_back(doc.revision());
    doc.RemoveBytes(0, 1);
    seen.push_back(doc.revision());
    doc.AssignBytes(ByteBuffer(3), false);
    seen.push_back(doc.revision());
    doc.NewDocument();
    seen.push_back(doc.revision());
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_GT(seen[i], seen[i - 1]);
}

// Observers of a load see the document already in its new state.
TEST(EditInterfaceTest, ObserversOfAnAssignSeeTheNewModifiedState) {
    BinaryDocument doc;
    doc.NewDocument();
    bool modifiedWhenTold = true;
    doc.AddObserver([&](const ByteEdit&) { modifiedWhenTold = doc.dataModified(); });
    doc.AssignBytes(ByteBuffer(3), false);
    EXPECT_FALSE(modifiedWhenTold);
}

TEST(EditInterfaceTest, OnlyTheOutermostGroupEndIsTold) {
    Doc d({1, 2, 3});
    EXPECT_FALSE(d.doc.InGroup());
    d.doc.BeginGroup();
    d.doc.SetByte(0, 9);
    {
        const EditGroup inner(d.doc);
        EXPECT_TRUE(d.doc.InGroup());
        d.doc.RemoveBytes(2, 1);
    }
    EXPECT_TRUE(d.doc.InGroup());
    const BinaryDocument::Revision edited = d.doc.revision();
    d.doc.EndGroup();
    EXPECT_FALSE(d.doc.InGroup());
    const std::vector<ByteEdit> expected = {
        {EditKind::kSet, 0, 1, 1}, {EditKind::kRemove, 2, 1, 0}, {EditKind::kGroupEnd, 0, 0, 0}};
    EXPECT_EQ(d.edits, expected);
    EXPECT_EQ(d.doc.revision(), edited);  // the end of a group is no edit
}

TEST(EditInterfaceTest, AGroupWithoutEditsChangesNothing) {
    Doc d({1});
    { const EditGroup group(d.doc); }
    ASSERT_EQ(d.edits.size(), 1u);
    EXPECT_EQ(d.edits[0].kind, EditKind::kGroupEnd);
    EXPECT_FALSE(d.edits[0].RebuildsDump());
    EXPECT_FALSE(d.doc.dataModified());
}

}  // namespace
}  // namespace orvel
