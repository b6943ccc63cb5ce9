#include "inspector/caret_place.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

constexpr DumpLayout kSingle;
constexpr DumpLayout kPane(DumpLayout::kPaneFirstDataPos);

TEST(CaretPlaceTest, TheCaretIsOnTheByteWhoseCellFollowsIt) {
    const struct {
        Offset line;
        int column;
        Offset byte;
    } rows[] = {
        {0, 9, 0},   {0, 10, 0},  {0, 11, 0},               // both digits and the space after them
        {0, 12, 1},  {0, 31, 7},  {0, 32, 7},  {0, 33, 8},  // the gap goes to byte 8
        {0, 34, 8},  {0, 56, 15}, {0, 57, 15},              // the last byte's space
        {1, 0, 16},  {1, 8, 16},  {1, -1, 16},              // address and line break
        {1, 58, 16}, {1, 59, 16},                           // blanks before the characters
        {1, 60, 16}, {1, 61, 17}, {1, 75, 31},              // the character column
        {-1, 20, 0},                                        // the header
    };
    for (const DumpLayout layout : {kSingle, kPane}) {
        for (const auto& row : rows) {
            const Offset pos = row.line < 0 ? 20 : layout.LineColToTextPos(row.line, row.column);
            EXPECT_EQ(CaretByte(layout, pos, 1000), row.byte)
                << layout.firstDataPos() << ": " << row.line << "," << row.column;
        }
    }
}

// Past the last byte, and in an empty file, the caret is at the size.
TEST(CaretPlaceTest, PastTheEndTheCaretIsAtTheSize) {
    EXPECT_EQ(CaretByte(kSingle, kSingle.ByteToHexPos(5).high, 5), 5);
    EXPECT_EQ(CaretByte(kSingle, kSingle.ByteToHexPos(4).low + 1, 5), 4);
    EXPECT_EQ(CaretByte(kSingle, kSingle.LineColToTextPos(0, 64), 5), 4);
    EXPECT_EQ(CaretByte(kSingle, kSingle.LineColToTextPos(0, 65), 5), 5);
    EXPECT_EQ(CaretByte(kSingle, kSingle.LineColToTextPos(0, 0), 0), 0);
    EXPECT_EQ(CaretByte(kSingle, kSingle.LineColToTextPos(1, 0), 16), 16);
}

TEST(CaretPlaceTest, ASelectionHoldsTheBytesItTouches) {
    const Offset size = 0x40;
    const auto place = [&](Offset anchor, Offset caret) {
        return PlaceOf(kSingle, {anchor, caret}, size);
    };
    // A caret selects nothing.
    EXPECT_EQ(place(kSingle.ByteToHexPos(5).low, kSingle.ByteToHexPos(5).low),
              (CaretPlace{5, -1, 0, size}));
    // The cells of bytes 0x10-0x1F, made either way round.
    const Offset from = kSingle.ByteToHexPos(0x10).high;
    const Offset to = kSingle.ByteToHexPos(0x1F).low + 1;
    EXPECT_EQ(place(from, to), (CaretPlace{0x1F, 0x10, 16, size}));
    EXPECT_EQ(place(to, from), (CaretPlace{0x10, 0x10, 16, size}));
    EXPECT_EQ(place(to, from).inspected(), 0x10);
    // One digit is one byte.
    EXPECT_EQ(place(from, from + 1).selCount, 1);
    // Only the blanks between two bytes: no byte.
    EXPECT_EQ(place(kSingle.LineColToTextPos(0, 32), kSingle.LineColToTextPos(0, 34)).selCount, 0);
    // From the header to the end of the text: every byte.
    const CaretPlace all = place(0, kSingle.LineColToTextPos(4, 0));
    EXPECT_EQ(all.selFirst, 0);
    EXPECT_EQ(all.selCount, size);
    // Within the header only: nothing.
    EXPECT_EQ(place(0, 40).selCount, 0);
    EXPECT_EQ(place(0, 40).caret, 0);
}

TEST(CaretPlaceTest, AnEmptyFileHasNoSelectionAndTheCaretAtZero) {
    const CaretPlace place = PlaceOf(kSingle, {0, kSingle.LineColToTextPos(0, 7)}, 0);
    EXPECT_EQ(place, (CaretPlace{0, -1, 0, 0}));
    EXPECT_EQ(place.inspected(), 0);
}

}  // namespace
}  // namespace orvel
