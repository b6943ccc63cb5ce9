#pragma once

#include "document/offset.h"

namespace orvel {

struct ByteCols {
    int high;
    int low;
};

// Digit columns of byte k of a dump line (columns 9-31 hold bytes 0-7 as "XX ",
// 34-56 bytes 8-15); (-1, -1) for k outside 0-15.
[[nodiscard]] ByteCols ByteInLineToCols(int k);

// Where the data ends in the dump's (line, column) terms: the line holding the
// last byte when the size is not a multiple of 16, with the columns of that
// byte's two digits; otherwise the line one past the last data line, and -1, -1.
struct EndMarker {
    Offset m_nEndLine = 0;
    int m_nEndHighCol = -1;
    int m_nEndLowCol = -1;

    [[nodiscard]] static EndMarker ForSize(Offset size);
    // True when the text position (line, column) lies within the data.
    [[nodiscard]] bool Contains(Offset line, int column) const {
        return line < m_nEndLine || column <= m_nEndLowCol;
    }
    friend bool operator==(const EndMarker&, const EndMarker&) = default;
};

}  // namespace orvel
