#include "document/end_marker.h"

namespace orvel {

ByteCols ByteInLineToCols(int k) {
    if (k < 0 || k > 15)
        return {-1, -1};
    const int high = k <= 7 ? 9 + 3 * k : 10 + 3 * k;
    return {high, high + 1};
}

EndMarker EndMarker::ForSize(Offset size) {
    EndMarker marker;
    marker.m_nEndLine = size / 16;
    const int k = static_cast<int>(size % 16) - 1;
    if (k >= 0) {
        const ByteCols cols = ByteInLineToCols(k);
        marker.m_nEndHighCol = cols.high;
        marker.m_nEndLowCol = cols.low;
    }
    return marker;
}

}  // namespace orvel
