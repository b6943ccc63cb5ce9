#include "inspector/caret_place.h"

#include <algorithm>

#include "document/end_marker.h"

namespace orvel {

Offset CaretByte(const DumpLayout& layout, Offset pos, Offset size) {
    const LineCol at = layout.TextPosToLineCol(pos);
    if (at.line < 0)
        return 0;
    int k = ColToByteInLine(at.column);
    if (at.column >= kCharColumn) {
        k = at.column - kCharColumn;
    } else if (at.column == 33) {  // the wider space between the groups of eight
        k = 8;
    } else if (k < 0) {
        k = 0;  // the line number and the blanks before the digits or the characters
    }
    return std::min(16 * at.line + k, size);
}

CaretPlace PlaceOf(const DumpLayout& layout, TextSelection selection, Offset size) {
    CaretPlace place;
    place.size = size;
    place.caret = CaretByte(layout, selection.caret, size);
    // A selection reaching above the first data line starts at the first byte.
    selection.anchor = std::max(selection.anchor, layout.firstDataPos());
    selection.caret = std::max(selection.caret, layout.firstDataPos());
    if (selection.empty() || size == 0)
        return place;
    const ByteRange range = layout.GetSelectedBytes(selection, EndMarker::ForSize(size));
    const Offset last = std::min(range.last, size - 1);
    if (range.first >= 0 && last >= range.first) {
        place.selFirst = range.first;
        place.selCount = last - range.first + 1;
    }
    return place;
}

}  // namespace orvel
