#include "view/dump_layout.h"

namespace orvel {

int ColToByteInLine(int column) {
    if (column >= 9 && column <= 32)
        return (column - 9) / 3;
    if (column >= 34 && column <= 57)
        return 8 + (column - 34) / 3;
    return -1;
}

bool IsHighDigitCol(int column) {
    const int k = ColToByteInLine(column);
    return k >= 0 && ByteInLineToCols(k).high == column;
}

bool IsLowDigitCol(int column) {
    const int k = ColToByteInLine(column);
    return k >= 0 && ByteInLineToCols(k).low == column;
}

int SnapToLowCol(int column) {
    return ByteInLineToCols(ColToByteInLine(column)).low;
}

LineCol SnapForwardCol(LineCol at) {
    const int c = at.column;
    if (c <= 8)
        return {at.line, 9};
    if (c >= 57)
        return {at.line + 1, 9};
    if (c == 32 || c == 33)
        return {at.line, 34};
    if (IsHighDigitCol(c) || IsLowDigitCol(c))
        return at;
    return {at.line, c + 1};  // the space after a byte: the next byte's high digit
}

LineCol SnapBackwardCol(LineCol at) {
    const int c = at.column;
    if (c <= 9)
        return {at.line - 1, 56};
    if (c >= 57)
        return {at.line, 56};
    const int k = ColToByteInLine(c);
    const ByteCols cols = ByteInLineToCols(k);
    if (k >= 0 && c >= cols.low)
        return {at.line, cols.low};
    if (c == 33)
        return {at.line, 31};
    return {at.line, ByteInLineToCols(k - 1).low};  // c is byte k's high digit
}

LineCol DumpLayout::TextPosToLineCol(Offset pos) const {
    if (pos < first_)
        return {-1, -1};
    const Offset rel = pos - (first_ - 1);
    return {rel / kLineStride, static_cast<int>(rel % kLineStride) - 1};
}

HexPos DumpLayout::ByteToHexPos(Offset offset) const {
    const Offset high =
        LineColToTextPos(offset / 16, ByteInLineToCols(static_cast<int>(offset % 16)).high);
    return {high, high + 1};
}

Offset DumpLayout::HexPosToCharPos(Offset hexPos) const {
    const LineCol at = TextPosToLineCol(hexPos);
    return LineColToTextPos(at.line, kCharColumn + ColToByteInLine(at.column));
}

Offset DumpLayout::ByteAt(LineCol at) {
    const int k = ColToByteInLine(at.column);
    if (at.line < 0 || k < 0)
        return -1;
    return 16 * at.line + k;
}

Offset DumpLayout::TextPosToByte(Offset pos) const {
    return ByteAt(TextPosToLineCol(pos));
}

ByteRange DumpLayout::GetSelectedBytes(TextSelection sel, const EndMarker& end) const {
    constexpr ByteRange kNone{-1, -1};
    const Offset min = sel.min();
    const Offset max = sel.max();
    if (max <= first_)
        return kNone;
    const LineCol a = TextPosToLineCol(min);
    LineCol b = TextPosToLineCol(max);
    if (a.line == b.line && (b.column < 9 || a.column > 57 ||
                             (a.line == end.m_nEndLine && a.column > end.m_nEndLowCol + 1))) {
        return kNone;
    }
    if (b.line == a.line + 1 && a.column > 57 && b.column <= 9)
        return kNone;
    if (a == b) {
        const int low = SnapToLowCol(a.column);
        if (low < 0)
            return kNone;
        const Offset byte = ByteAt({a.line, low});
        return {byte, byte};
    }
    if (b.line == end.m_nEndLine && b.column > end.m_nEndLowCol)
        b.column = end.m_nEndLowCol + 1;
    return {ByteAt(SnapForwardCol(a)), ByteAt(SnapBackwardCol(b))};
}

HexPos DumpLayout::GetSelectedHexRange(TextSelection sel) const {
    return {LineColToTextPos(SnapForwardCol(TextPosToLineCol(sel.min()))),
            LineColToTextPos(SnapBackwardCol(TextPosToLineCol(sel.max())))};
}

Offset DumpLayout::GetInsertPos(TextSelection sel) const {
    const LineCol at = TextPosToLineCol(sel.min());
    if (at.column <= 8 || at.column > 57)
        return -1;
    return LineColToTextPos(SnapForwardCol(at));
}

}  // namespace orvel
