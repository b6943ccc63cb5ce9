#pragma once

#include <cstdint>

#include "document/end_marker.h"
#include "document/offset.h"

namespace orvel {

// Column arithmetic of one data line of the dump (columns 0-75):
//   0-6 address "%07X", 9-31 bytes 0-7 as "XX ", 33 the gap, 34-56 bytes 8-15,
//   60-75 the character column.
inline constexpr int kLineStride = 77;  // 76 columns and the line break before the next line
inline constexpr int kCharColumn = 60;

struct LineCol {
    Offset line;  // -1: the header area
    int column;   // -1: the line break that precedes the line
    friend bool operator==(const LineCol&, const LineCol&) = default;
};

// A selection or caret in text positions; the ends may come in any order.
struct TextSelection {
    Offset anchor = 0;
    Offset caret = 0;
    [[nodiscard]] Offset min() const { return anchor < caret ? anchor : caret; }
    [[nodiscard]] Offset max() const { return anchor < caret ? caret : anchor; }
    [[nodiscard]] bool empty() const { return anchor == caret; }
    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// Inclusive byte offsets; -1 where no byte is meant.
struct ByteRange {
    Offset first;
    Offset last;
    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

struct HexPos {
    Offset high;
    Offset low;
    friend bool operator==(const HexPos&, const HexPos&) = default;
};

// Byte number 0-15 whose cells (two digits and the space after them) hold the
// column, or -1 (address, gap at 33, columns from 58 on).
[[nodiscard]] int ColToByteInLine(int column);
[[nodiscard]] bool IsHighDigitCol(int column);
[[nodiscard]] bool IsLowDigitCol(int column);
// Low digit column of the byte owning the column, or -1.
[[nodiscard]] int SnapToLowCol(int column);
// First digit column at or after (line, column).
[[nodiscard]] LineCol SnapForwardCol(LineCol at);
// For an exclusive end (line, column): the low digit of the last byte with a
// digit before it (line -1 when there is none on the data lines).
[[nodiscard]] LineCol SnapBackwardCol(LineCol at);

// 0x20-0x7E as themselves, every other byte as '.'.
[[nodiscard]] constexpr char ToDisplayChar(std::uint8_t byte) {
    return byte >= 0x20 && byte <= 0x7E ? static_cast<char>(byte) : '.';
}

// The position arithmetic of a dump whose data line 0 begins at
// `firstDataPos` (78 in a single-file window, 156 in a comparison pane).
class DumpLayout {
  public:
    static constexpr Offset kSingleFirstDataPos = 78;
    static constexpr Offset kPaneFirstDataPos = 156;

    constexpr explicit DumpLayout(Offset firstDataPos = kSingleFirstDataPos)
        : first_(firstDataPos) {}
    [[nodiscard]] constexpr Offset firstDataPos() const { return first_; }

    // (-1, -1) before the first data position.
    [[nodiscard]] LineCol TextPosToLineCol(Offset pos) const;
    [[nodiscard]] Offset LineColToTextPos(Offset line, int column) const {
        return first_ + kLineStride * line + column;
    }
    [[nodiscard]] Offset LineColToTextPos(LineCol at) const {
        return LineColToTextPos(at.line, at.column);
    }
    [[nodiscard]] HexPos ByteToHexPos(Offset offset) const;
    // Precondition: `hexPos` is the position of one of a byte's two digits.
    [[nodiscard]] Offset HexPosToCharPos(Offset hexPos) const;
    // The offset of the byte whose cells hold `pos`, or -1.
    [[nodiscard]] Offset TextPosToByte(Offset pos) const;
    // The byte at a column of a line: -1 on the header line or outside byte cells.
    [[nodiscard]] static Offset ByteAt(LineCol at);

    [[nodiscard]] ByteRange GetSelectedBytes(TextSelection sel, const EndMarker& end) const;
    [[nodiscard]] HexPos GetSelectedHexRange(TextSelection sel) const;
    [[nodiscard]] Offset GetInsertPos(TextSelection sel) const;

  private:
    Offset first_;
};

}  // namespace orvel
