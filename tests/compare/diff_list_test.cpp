#include "compare/diff_list.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace orvel {
namespace {

using Kind = AlignedEditKind;

// A random edit script with equal stretches between the edits.
std::vector<AlignedEdit> RandomScript(std::mt19937& rng, int count) {
    std::vector<AlignedEdit> edits;
    Offset a = 0;
    Offset b = 0;
    for (int k = 0; k < count; ++k) {
        const Offset gap = static_cast<Offset>(rng() % 4) + (k == 0 ? 0 : 1);
        a += gap;
        b += gap;
        const auto kind = static_cast<Kind>(rng() % 3);
        const Offset length = static_cast<Offset>(rng() % 5) + 1;
        edits.push_back({kind, a, b, length});
        a = edits.back().endA();
        b = edits.back().endB();
    }
    return edits;
}

// Where each byte of `from` stands in the other file, walked along the script.
std::vector<Offset> ReferenceMap(const std::vector<AlignedEdit>& edits, ComparedFile from,
                                 Offset length) {
    std::vector<Offset> map;
    Offset posFrom = 0;
    Offset posTo = 0;
    const auto equalUpTo = [&](Offset end) {
        for (; posFrom < end; ++posFrom, ++posTo)
            map.push_back(posTo);
    };
    const ComparedFile to =
        from == ComparedFile::kFirst ? ComparedFile::kSecond : ComparedFile::kFirst;
    for (const AlignedEdit& edit : edits) {
        equalUpTo(EditStart(edit, from));
        for (Offset i = 0; i < EditEnd(edit, from) - EditStart(edit, from); ++i)
            map.push_back(edit.kind == Kind::kChange ? EditStart(edit, to) + i
                                                     : EditStart(edit, to));
        posFrom = EditEnd(edit, from);
        posTo = EditEnd(edit, to);
    }
    equalUpTo(length);
    return map;
}

TEST(DiffListTest, MapsOffsetsAndFindsRowsAsTheScriptSays) {
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        const std::vector<AlignedEdit> edits = RandomScript(rng, 1 + round % 12);
        DiffList list;
        for (const AlignedEdit& edit : edits)
            list.Add(edit);
        for (const ComparedFile from : {ComparedFile::kFirst, ComparedFile::kSecond}) {
            const Offset length = EditEnd(edits.back(), from) + 5;
            const std::vector<Offset> map = ReferenceMap(edits, from, length);
            for (Offset pos = 0; pos < length; ++pos) {
                ASSERT_EQ(list.MapOffset(from, pos), map[static_cast<std::size_t>(pos)])
                    << "round " << round << " pos " << pos;
                const auto row = list.RowAt(from, pos);
                if (row)
                    EXPECT_TRUE(EditStart(list[*row], from) <= pos &&
                                pos < EditEnd(list[*row], from));
                else
                    for (std::size_t r = 0; r < list.size(); ++r)
                        EXPECT_FALSE(EditStart(list[r], from) <= pos &&
                                     pos < EditEnd(list[r], from));
            }
        }
    }
}

TEST(DiffListTest, JoinsRunsThatContinueEachOtherAndCountsTotals) {
    DiffList list;
    EXPECT_TRUE(list.Add({Kind::kChange, 10, 10, 4}));
    EXPECT_FALSE(list.Add({Kind::kChange, 14, 14, 2}));  // cut at a block boundary
    EXPECT_TRUE(list.Add({Kind::kDelete, 16, 16, 3}));   // another kind
    EXPECT_TRUE(list.Add({Kind::kChange, 30, 27, 1}));   // not adjacent
    EXPECT_TRUE(list.Add({Kind::kInsert, 40, 37, 8}));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], (AlignedEdit{Kind::kChange, 10, 10, 6}));
    EXPECT_EQ(list.totals().changed, 7);
    EXPECT_EQ(list.totals().deleted, 3);
    EXPECT_EQ(list.totals().inserted, 8);
    list.Clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.totals().changed, 0);
}

// A full list counts what it cannot hold: the totals stay true, and a new
// comparison lists again.
TEST(DiffListTest, AFullListCountsTheRunsItLeavesOut) {
    DiffList list(2);
    EXPECT_TRUE(list.Add({Kind::kChange, 0, 0, 1}));
    EXPECT_TRUE(list.Add({Kind::kChange, 5, 5, 1}));
    EXPECT_FALSE(list.Add({Kind::kChange, 6, 6, 2}));  // continues the last row
    EXPECT_FALSE(list.full());
    EXPECT_FALSE(list.Add({Kind::kChange, 9, 9, 1}));
    EXPECT_FALSE(list.Add({Kind::kChange, 12, 12, 4}));
    EXPECT_TRUE(list.full());
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].length, 3);
    EXPECT_EQ(list.totals().changed, 9);
    list.Clear();
    EXPECT_FALSE(list.full());
    EXPECT_TRUE(list.Add({Kind::kChange, 0, 0, 1}));
}

// Copying a run into one file takes the row out and moves the later rows of
// that file by what the file gained or lost; the other file's offsets stay.
TEST(DiffListTest, SettlingARowShiftsTheTargetFilesLaterRows) {
    const auto listOf = [] {
        DiffList list;
        list.Add({Kind::kChange, 0, 0, 2});
        list.Add({Kind::kDelete, 5, 5, 3});
        list.Add({Kind::kInsert, 10, 7, 4});
        list.Add({Kind::kChange, 20, 21, 1});
        return list;
    };
    DiffList intoSecond = listOf();
    intoSecond.Settle(1, ComparedFile::kSecond);  // the second file gains 3 bytes
    ASSERT_EQ(intoSecond.size(), 3u);
    EXPECT_EQ(intoSecond[1], (AlignedEdit{Kind::kInsert, 10, 10, 4}));
    EXPECT_EQ(intoSecond[2], (AlignedEdit{Kind::kChange, 20, 24, 1}));
    EXPECT_EQ(intoSecond.totals().deleted, 0);

    DiffList intoFirst = listOf();
    intoFirst.Settle(2, ComparedFile::kFirst);  // the first file gains the 4 inserted bytes
    ASSERT_EQ(intoFirst.size(), 3u);
    EXPECT_EQ(intoFirst[2], (AlignedEdit{Kind::kChange, 24, 21, 1}));
    EXPECT_EQ(intoFirst.totals().inserted, 0);
    // Settling a change moves nothing.
    const AlignedEdit change = intoFirst.Settle(0, ComparedFile::kFirst);
    EXPECT_EQ(intoFirst[0], (AlignedEdit{Kind::kDelete, 5, 5, 3}));
    // Undone copies give the rows back as they were.
    intoFirst.Unsettle(0, change, ComparedFile::kFirst);
    intoFirst.Unsettle(2, {Kind::kInsert, 10, 7, 4}, ComparedFile::kFirst);
    const DiffList original = listOf();
    ASSERT_EQ(intoFirst.size(), original.size());
    for (std::size_t row = 0; row < original.size(); ++row)
        EXPECT_EQ(intoFirst[row], original[row]);
    EXPECT_EQ(intoFirst.totals().inserted, 4);
}

// 0x20 bytes inserted at offset 0x40 of the second file: below them the
// second pane's lines run two ahead.
TEST(DiffListTest, TheFollowingPaneKeepsToTheOffsetAcross) {
    DiffList diffs;
    diffs.Add({Kind::kInsert, 0x40, 0x40, 0x20});
    const Offset first = 3;  // the text line of data line 0
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kSecond, 1, first, 0x1000), 1);
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kSecond, first + 2, first, 0x1000), first + 2);
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kSecond, first + 4, first, 0x1000), first + 6);
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kFirst, first + 6, first, 0x1000), first + 4);
    // Inside the inserted bytes the first pane waits where they would be.
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kFirst, first + 5, first, 0x1000), first + 4);
    // Never past the follower's last line.
    EXPECT_EQ(FollowingTopLine(diffs, ComparedFile::kFirst, first + 100, first, 0x50), first + 5);
}

TEST(DiffListTest, PlainRunsBecomeChangesAndTheSurplus) {
    const PaintRun red{3, 5, kFirstPaneDiffColor};
    EXPECT_EQ(PlainRunEdit(red, ComparedFile::kFirst, 10, 8),
              (AlignedEdit{Kind::kChange, 3, 3, 3}));
    EXPECT_EQ(PlainRunEdit({3, 5, kSecondPaneDiffColor}, ComparedFile::kSecond, 10, 8),
              std::nullopt);
    EXPECT_EQ(PlainRunEdit({8, 9, kFirstPaneDiffColor}, ComparedFile::kFirst, 10, 8),
              (AlignedEdit{Kind::kDelete, 8, 8, 2}));
    EXPECT_EQ(PlainRunEdit({4, 6, kSurplusColor}, ComparedFile::kSecond, 4, 7),
              (AlignedEdit{Kind::kInsert, 4, 4, 3}));
}

// Each row paints only the files that hold its bytes, in its comparison's colours.
TEST(DiffListTest, RowsColourOnlyTheFilesThatHoldTheirBytes) {
    struct Row {
        AlignedEdit edit;
        DiffColouring colouring;
        std::optional<MarkColor> first;
        std::optional<MarkColor> second;
    };
    const Row rows[] = {
        {{Kind::kChange, 2, 5, 3},
         DiffColouring::kAligned,
         kAlignedChangeColor,
         kAlignedChangeColor},
        {{Kind::kDelete, 2, 5, 3}, DiffColouring::kAligned, kOnlyInFirstColor, std::nullopt},
        {{Kind::kInsert, 2, 5, 3}, DiffColouring::kAligned, std::nullopt, kOnlyInSecondColor},
        {{Kind::kChange, 2, 2, 3},
         DiffColouring::kPlain,
         kFirstPaneDiffColor,
         kSecondPaneDiffColor},
        {{Kind::kDelete, 2, 1, 3}, DiffColouring::kPlain, kFirstPaneDiffColor, std::nullopt},
        {{Kind::kInsert, 1, 2, 3}, DiffColouring::kPlain, std::nullopt, kSurplusColor},
    };
    for (const Row& row : rows) {
        const auto first = DiffPaintRun(row.edit, ComparedFile::kFirst, row.colouring);
        const auto second = DiffPaintRun(row.edit, ComparedFile::kSecond, row.colouring);
        ASSERT_EQ(first.has_value(), row.first.has_value());
        ASSERT_EQ(second.has_value(), row.second.has_value());
        if (first) {
            EXPECT_EQ(first->color, *row.first);
            EXPECT_EQ(first->first, row.edit.offsetA);
            EXPECT_EQ(first->last, row.edit.offsetA + 2);
        }
        if (second) {
            EXPECT_EQ(second->color, *row.second);
            EXPECT_EQ(second->first, row.edit.offsetB);
        }
    }
}

}  // namespace
}  // namespace orvel
