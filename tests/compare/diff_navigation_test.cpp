#include "compare/diff_navigation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Outcome = DiffNavigation::Outcome;

constexpr DumpLayout kPane(DumpLayout::kPaneFirstDataPos);

TextSelection CaretAt(Offset pos) {
    return {pos, pos};
}
TextSelection CaretOnByte(Offset offset) {
    return CaretAt(kPane.ByteToHexPos(offset).high);
}
// Column `column` of data line `line` in a pane.
TextSelection CaretAtColumn(Offset line, int column) {
    return CaretAt(kPane.LineColToTextPos(line, column));
}

// 40 bytes that differ at 3, 8, 9 and 30; the second file is longer.
struct Pair {
    Bytes a = Bytes(40, 0x55);
    Bytes b = Bytes(45, 0x55);
    Pair() {
        for (int i : {3, 8, 9, 30})
            b[i] = 0xAA;
    }
};

TEST(DiffNavigationTest, StartByteFromTheCaret) {
    struct Row {
        TextSelection sel;
        Offset byte;
    };
    const Row rows[] = {
        {CaretOnByte(0), 0},
        {CaretAt(165), 0},           // the first data byte's high digit
        {CaretAtColumn(0, 10), 0},   // its low digit
        {CaretAtColumn(0, 33), 8},   // the gap between bytes 7 and 8
        {CaretAtColumn(0, 32), 8},   // the space after byte 7
        {CaretAtColumn(2, 57), 48},  // the space after byte 15 goes to the next line
        {CaretAtColumn(1, 3), -1},   // address column
        {CaretAtColumn(1, 65), -1},  // character column
        {CaretAt(20), -1},           // header
        {CaretAt(155), -1},          // the line break before data line 0
        {{CaretOnByte(5).caret, CaretOnByte(2).caret}, 2},  // the selection's smaller end
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DiffStartByte(row.sel), row.byte) << row.sel.anchor << ".." << row.sel.caret;
    }
}

TEST(DiffNavigationTest, SearchesStepOverTheLastShownDifference) {
    const Pair p;
    struct Row {
        DiffCommand command;
        Offset start;
        Offset lastDiff;
        Offset found;
    };
    const Row rows[] = {
        {DiffCommand::kNext, 0, -1, 3},
        {DiffCommand::kNext, 3, -1, 3},  // on a difference not shown last: that same byte
        {DiffCommand::kNext, 3, 3, 8},   // on the last one shown: the next one
        {DiffCommand::kNext, 8, 8, 9},
        {DiffCommand::kNext, 9, 3, 9},
        {DiffCommand::kNext, 31, -1, -1},
        {DiffCommand::kNext, 30, 30, -1},
        {DiffCommand::kNext, 39, 39, -1},
        {DiffCommand::kNext, 42, -1, -1},  // beyond the common length
        {DiffCommand::kPrev, 29, -1, 9},
        {DiffCommand::kPrev, 9, -1, 9},
        {DiffCommand::kPrev, 9, 9, 8},
        {DiffCommand::kPrev, 3, 3, -1},
        {DiffCommand::kPrev, 2, -1, -1},
        {DiffCommand::kPrev, 0, 0, -1},
        {DiffCommand::kPrev, 44, -1, 30},  // beyond: starts at the last common byte
        {DiffCommand::kPrev, 40, 40, 30},
    };
    for (const Row& row : rows) {
        const Offset found = row.command == DiffCommand::kNext
                                 ? FindNextDiff(p.a, p.b, row.start, row.lastDiff)
                                 : FindPrevDiff(p.a, p.b, row.start, row.lastDiff);
        EXPECT_EQ(found, row.found) << (row.command == DiffCommand::kNext ? "next" : "prev")
                                    << " from " << row.start << " last " << row.lastDiff;
    }
    EXPECT_EQ(FindFirstDiff(p.a, p.b), 3);
    EXPECT_EQ(FindLastDiff(p.a, p.b), 30);
    EXPECT_EQ(FindFirstDiff(p.a, p.a), -1);
    EXPECT_EQ(FindLastDiff(p.a, p.a), -1);
}

TEST(DiffNavigationTest, WalksEveryDifferenceFromTheSelectionItLeaves) {
    const Pair p;
    Offset lastDiff = -1;
    TextSelection sel = CaretOnByte(0);
    std::vector<Offset> seen;
    for (;;) {
        const DiffNavigation nav =
            NavigateDiff(DiffCommand::kNext, ComparedFile::kSecond, sel, p.a, p.b, lastDiff);
        if (nav.outcome != Outcome::kFound)
            break;
        seen.push_back(nav.offset);
        EXPECT_EQ(lastDiff, nav.offset);
        const HexPos hex = kPane.ByteToHexPos(nav.offset);
        sel = {hex.high, hex.low + 1};  // navigation selects the byte's two digits
    }
    EXPECT_EQ(seen, (std::vector<Offset>{3, 8, 9, 30}));
    seen.clear();
    for (;;) {
        const DiffNavigation nav =
            NavigateDiff(DiffCommand::kPrev, ComparedFile::kFirst, sel, p.a, p.b, lastDiff);
        if (nav.outcome != Outcome::kFound)
            break;
        seen.push_back(nav.offset);
        const HexPos hex = kPane.ByteToHexPos(nav.offset);
        sel = {hex.high, hex.low + 1};
    }
    EXPECT_EQ(seen, (std::vector<Offset>{9, 8, 3}));
}

TEST(DiffNavigationTest, ClickRequestWhenTheCaretIsOnNoByte) {
    const Pair p;
    struct Row {
        DiffCommand command;
        ComparedFile pane;
        const char* text;
    };
    const Row rows[] = {
        {DiffCommand::kNext, ComparedFile::kFirst, kClickToStartText},
        {DiffCommand::kNext, ComparedFile::kSecond, kClickToStartText},
        {DiffCommand::kPrev, ComparedFile::kFirst, kClickToStartPrevFirstPaneText},
        {DiffCommand::kPrev, ComparedFile::kSecond, kClickToStartText},
    };
    for (const Row& row : rows) {
        for (TextSelection sel : {CaretAt(0), CaretAtColumn(0, 2), CaretAtColumn(1, 70)}) {
            Offset lastDiff = 8;
            const DiffNavigation nav = NavigateDiff(row.command, row.pane, sel, p.a, p.b, lastDiff);
            EXPECT_EQ(nav.outcome, Outcome::kClickRequest);
            EXPECT_EQ(nav.message, row.text);
            EXPECT_EQ(lastDiff, 8);
        }
    }
    EXPECT_EQ(std::string(kClickToStartText),
              "Please click to select the byte where you want to start your search first!");
    EXPECT_EQ(std::string(kClickToStartPrevFirstPaneText),
              "Please click to select the byte where you want to start the search first!");
    // First and Last ignore the caret.
    Offset lastDiff = -1;
    EXPECT_EQ(NavigateDiff(DiffCommand::kLast, ComparedFile::kFirst, CaretAt(0), p.a, p.b, lastDiff)
                  .offset,
              30);
    EXPECT_EQ(lastDiff, 30);
}

TEST(DiffNavigationTest, NothingToFindLeavesTheLastDifference) {
    const Bytes empty;
    const Bytes some = {1, 2, 3};
    for (DiffCommand command :
         {DiffCommand::kNext, DiffCommand::kPrev, DiffCommand::kFirst, DiffCommand::kLast}) {
        for (const auto& [a, b] :
             {std::pair{&empty, &some}, std::pair{&some, &empty}, std::pair{&some, &some}}) {
            Offset lastDiff = 1;
            const DiffNavigation nav =
                NavigateDiff(command, ComparedFile::kFirst, CaretOnByte(0), *a, *b, lastDiff);
            EXPECT_EQ(nav.outcome, Outcome::kNothing);
            EXPECT_TRUE(nav.message.empty());
            EXPECT_EQ(lastDiff, 1);
        }
    }
}

TEST(DiffNavigationTest, NextAndPrevMatchPlainLoopOnRandomPairs) {
    std::mt19937 rng(11);
    for (int round = 0; round < 200; ++round) {
        const std::size_t size = rng() % 30000;
        Bytes a(size);
        for (auto& byte : a)
            byte = static_cast<std::uint8_t>(rng());
        Bytes b = a;
        b.resize(size + rng() % 20);
        for (int k = static_cast<int>(rng() % 5); k > 0 && size > 0; --k)
            b[rng() % size] ^= 1;
        const Offset start = rng() % (size + 30);
        const Offset lastDiff = rng() % 2 ? start : -1;
        Offset next = -1;
        Offset prev = -1;
        for (Offset i = (start == lastDiff ? start + 1 : start); i < Offset(size); ++i) {
            if (a[i] != b[i]) {
                next = i;
                break;
            }
        }
        for (Offset i = std::min<Offset>(start == lastDiff ? start - 1 : start, size - 1); i >= 0;
             --i) {
            if (a[i] != b[i]) {
                prev = i;
                break;
            }
        }
        ASSERT_EQ(FindNextDiff(a, b, start, lastDiff), next);
        ASSERT_EQ(FindPrevDiff(a, b, start, lastDiff), prev);
    }
}

}  // namespace
}  // namespace orvel
