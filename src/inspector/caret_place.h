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
// the caret. Elsewhere on a data line the caret counts as on the next byte to
// the right: the address and the line break before the line give its first
// byte, the gap between the halves byte 8, the blanks before the character
// column its first byte. The header gives byte 0; anything past the last byte
// gives `size`.
[[nodiscard]] Offset CaretByte(const DumpLayout& layout, Offset pos, Offset size);

// The place of `selection` in a file of `size` bytes. A selection that is not
// a caret holds the bytes GetSelectedBytes gives, when there are any; a part
// of it in the header counts as starting at the first data position.
[[nodiscard]] CaretPlace PlaceOf(const DumpLayout& layout, TextSelection selection, Offset size);

}  // namespace orvel
