#pragma once

#include "document/offset.h"
#include "view/dump_layout.h"

namespace orvel {

// Where a view's caret and selection stand among the bytes: what the status
// bar tells and where the data inspector reads.
struct CaretPlace {
    Offset caret = 0;      // the byte the caret is on; the size when it is past the last byte
    Offset selFirst = -1;  // the first selected byte; -1 when the selection holds no byte
    Offset selCount = 0;   // the selected bytes; 0 for a caret
    Offset size = 0;

    // The data inspector reads at the selection's first byte, else at the caret.
    [[nodiscard]] Offset inspected() const { return selCount > 0 ? selFirst : caret; }
    friend bool operator==(const CaretPlace&, const CaretPlace&) = default;
};

// The byte a caret at text position `pos` is on: the byte whose cells (two
// digits and the space after them, or its character) hold the character after
// the caret. Elsewhere on a data line the caret is on the next byte to the
// right: before the digits that is the line's first byte, in the wider space
// between the two groups of eight the ninth, before the characters the first.
// Above the first data line it is byte 0; past the last byte it is `size`.
[[nodiscard]] Offset CaretByte(const DumpLayout& layout, Offset pos, Offset size);

// The place of `selection` in a file of `size` bytes: the caret's byte, and
// the bytes the selection touches when it is more than a caret (a part above
// the first data line counts as starting at the first byte).
[[nodiscard]] CaretPlace PlaceOf(const DumpLayout& layout, TextSelection selection, Offset size);

}  // namespace orvel
