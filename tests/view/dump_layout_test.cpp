#include "view/dump_layout.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

const DumpLayout kSingle;
const DumpLayout kPane(DumpLayout::kPaneFirstDataPos);

TEST(DumpLayoutTest, ColumnsOfBytes) {
    EXPECT_EQ(ColToByteInLine(8), -1);
    EXPECT_EQ(ColToByteInLine(9), 0);
    EXPECT_EQ(ColToByteInLine(11), 0);
    EXPECT_EQ(ColToByteInLine(32), 7);
    EXPECT_EQ(ColToByteInLine(33), -1);
    EXPECT_EQ(ColToByteInLine(34), 8);
    EXPECT_EQ(ColToByteInLine(57), 15);
    EXPECT_EQ(ColToByteInLine(58), -1);
    for (int k = 0; k < 16; ++k) {
        const ByteCols cols = ByteInLineToCols(k);
        EXPECT_EQ(cols.high, k <= 7 ? 9 + 3 * k : 10 + 3 * k);
        EXPECT_EQ(cols.low, cols.high + 1);
        EXPECT_EQ(ColToByteInLine(cols.high), k);
        EXPECT_EQ(ColToByteInLine(cols.low + 1), k);
        EXPECT_EQ(SnapToLowCol(cols.high), cols.low);
        EXPECT_EQ(SnapToLowCol(cols.low + 1), cols.low);
    }
    EXPECT_EQ(ByteInLineToCols(16).high, -1);
    EXPECT_EQ(ByteInLineToCols(-1).low, -1);
    EXPECT_EQ(SnapToLowCol(33), -1);
    EXPECT_EQ(SnapToLowCol(60), -1);
}

TEST(DumpLayoutTest, SnapForwardAndBackward) {
    struct Row {
        int column;
        LineCol forward;
        LineCol backward;
    };
    const Row rows[] = {
        {0, {3, 9}, {2, 56}},   {9, {3, 9}, {2, 56}},   {10, {3, 10}, {3, 10}},
        {11, {3, 12}, {3, 10}}, {12, {3, 12}, {3, 10}}, {29, {3, 30}, {3, 28}},
        {31, {3, 31}, {3, 31}}, {32, {3, 34}, {3, 31}}, {33, {3, 34}, {3, 31}},
        {34, {3, 34}, {3, 31}}, {36, {3, 37}, {3, 35}}, {54, {3, 55}, {3, 53}},
        {56, {3, 56}, {3, 56}}, {57, {4, 9}, {3, 56}},  {75, {4, 9}, {3, 56}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SnapForwardCol({3, row.column}), row.forward) << row.column;
        EXPECT_EQ(SnapBackwardCol({3, row.column}), row.backward) << row.column;
    }
}

TEST(DumpLayoutTest, PositionsOfBothLayouts) {
    EXPECT_EQ(kSingle.TextPosToLineCol(77), (LineCol{-1, -1}));
    EXPECT_EQ(kSingle.TextPosToLineCol(78), (LineCol{0, 0}));
    EXPECT_EQ(kSingle.TextPosToLineCol(154), (LineCol{1, -1}));
    EXPECT_EQ(kSingle.LineColToTextPos(0, 9), 87);
    EXPECT_EQ(kSingle.ByteToHexPos(0), (HexPos{87, 88}));
    EXPECT_EQ(kSingle.ByteToHexPos(17), (HexPos{78 + 77 + 12, 78 + 77 + 13}));
    EXPECT_EQ(kSingle.HexPosToCharPos(88), 78 + 60);
    EXPECT_EQ(kSingle.TextPosToByte(78 + 77 + 34), 24);
    EXPECT_EQ(kSingle.TextPosToByte(78 + 33), -1);
    EXPECT_EQ(kSingle.TextPosToByte(50), -1);
    EXPECT_EQ(kPane.TextPosToLineCol(155), (LineCol{-1, -1}));
    EXPECT_EQ(kPane.TextPosToLineCol(156), (LineCol{0, 0}));
    EXPECT_EQ(kPane.ByteToHexPos(0).high, 165);
    EXPECT_EQ(kPane.HexPosToCharPos(166), 156 + 60);
}

TEST(DumpLayoutTest, SelectedBytes) {
    const EndMarker end17 = EndMarker::ForSize(17);  // line 1 holds one byte
    const auto sel = [](Offset a, Offset b) { return TextSelection{a, b}; };
    const auto pos = [](Offset line, int col) { return kSingle.LineColToTextPos(line, col); };
    // A caret on a digit or on the space after byte k selects byte k.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 9), pos(0, 9)), end17), (ByteRange{0, 0}));
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 11), pos(0, 11)), end17), (ByteRange{0, 0}));
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 33), pos(0, 33)), end17), (ByteRange{-1, -1}));
    // Only the space between two bytes: first = last + 1.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 11), pos(0, 12)), end17), (ByteRange{1, 0}));
    // Reversed ends give the same answer.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 41), pos(0, 12)), end17), (ByteRange{1, 10}));
    // From the header into the data: no first byte.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(10, pos(0, 20)), end17).first, -1);
    // Ending in the character column of the end line past the last byte.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 9), pos(1, 70)), end17), (ByteRange{0, 16}));
    // Past the data on the end line, and from a line's tail to the next line's head.
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(1, 13), pos(1, 20)), end17), (ByteRange{-1, -1}));
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(pos(0, 60), pos(1, 5)), end17), (ByteRange{-1, -1}));
    EXPECT_EQ(kSingle.GetSelectedBytes(sel(0, 78), end17), (ByteRange{-1, -1}));
    // The empty document: nothing anywhere.
    const EndMarker end0 = EndMarker::ForSize(0);
    for (Offset p = 0; p < 90; ++p) {
        EXPECT_EQ(kSingle.GetSelectedBytes(sel(p, p), end0), (ByteRange{-1, -1})) << p;
    }
}

TEST(DumpLayoutTest, InsertPosAndHexRange) {
    const auto pos = [](Offset line, int col) { return kSingle.LineColToTextPos(line, col); };
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 11), pos(0, 11)}), pos(0, 12));
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 10), pos(0, 10)}), pos(0, 10));
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 33), pos(0, 33)}), pos(0, 34));
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 57), pos(0, 57)}), pos(1, 9));
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 58), pos(0, 58)}), -1);
    EXPECT_EQ(kSingle.GetInsertPos({pos(0, 8), pos(0, 8)}), -1);
    EXPECT_EQ(kSingle.GetInsertPos({20, 20}), -1);
    EXPECT_EQ(kSingle.GetSelectedHexRange({pos(0, 11), pos(0, 40)}),
              (HexPos{pos(0, 12), pos(0, 38)}));
}

TEST(DumpLayoutTest, EndMarkers) {
    EXPECT_EQ(EndMarker::ForSize(0), (EndMarker{0, -1, -1}));
    EXPECT_EQ(EndMarker::ForSize(16), (EndMarker{1, -1, -1}));
    EXPECT_EQ(EndMarker::ForSize(17), (EndMarker{1, 9, 10}));
    EXPECT_EQ(EndMarker::ForSize(24), (EndMarker{1, 30, 31}));
    EXPECT_EQ(EndMarker::ForSize(25), (EndMarker{1, 34, 35}));
    EXPECT_EQ(EndMarker::ForSize(0xFFFFFFFF), (EndMarker{0xFFFFFFF, 52, 53}));
}

TEST(DumpLayoutTest, DisplayCharacters) {
    EXPECT_EQ(ToDisplayChar(0x20), ' ');
    EXPECT_EQ(ToDisplayChar(0x7E), '~');
    EXPECT_EQ(ToDisplayChar(0x41), 'A');
    for (int v : {0x00, 0x1F, 0x7F, 0x80, 0xFF})
        EXPECT_EQ(ToDisplayChar(static_cast<std::uint8_t>(v)), '.');
}

}  // namespace
}  // namespace orvel
