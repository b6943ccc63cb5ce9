#pragma once

#include "view/dump_text.h"

namespace orvel {

// Caret moves of a read-only text control over the dump text.
enum class CaretMove {
    kLeft,
    kRight,
    kUp,
    kDown,
    kLineStart,
    kLineEnd,
    kTextStart,
    kTextEnd,
    kPageUp,
    kPageDown,
    kWordLeft,
    kWordRight,
};

// Where a caret move lands. `desiredColumn` carries the column that vertical
// moves keep through short lines: pass -1 after any other move; it is updated.
// `pageLines` is the number of whole lines a page move covers.
[[nodiscard]] Offset MoveCaret(const DumpText& text, Offset pos, CaretMove move, int pageLines,
                               int& desiredColumn);

// The word around `pos` (a run of characters that are neither blank nor a line
// break), as [first, last); an empty range at `pos` when there is none.
[[nodiscard]] TextSelection WordAt(const DumpText& text, Offset pos);

}  // namespace orvel
