#include "marking/mark_range.h"

#include <algorithm>
#include <utility>

#include "marking/block_scan.h"

namespace orvel {

bool MarkRange(Offset first, Offset last, Offset size, MarkColor color, const RunSink& sink) {
    if (first < 0 || last < 0)
        return true;
    const Offset a = std::min(first, last);
    const Offset b = std::min(std::max(first, last), size - 1);
    return a > b || sink(PaintRun{a, b, color});
}

bool PaintUnits(Offset start, Offset end, Offset size, Offset unit, MarkColor color1,
                MarkColor color2, const RunSink& sink, const StopCheck& stop) {
    if (start < 0 || end < 0)
        return true;
    const Offset a = std::min(start, end);
    const Offset b = std::min(std::max(start, end), size - 1);
    if (a > b)
        return true;
    if (unit <= 0)
        unit = b - a + 1;
    // The units travel as runs of alternating colours, a slice of whole units
    // (about 1 MiB) each, so painting is a pattern fill rather than one run
    // per unit; the stop check comes before every slice.
    constexpr Offset kSliceBytes = Offset{1} << 20;
    const Offset slice = std::max<Offset>(1, kSliceBytes / unit) * unit;
    for (Offset first = a; first <= b;) {
        if (StopAsked(stop))
            return false;
        const Offset last = b - first >= slice ? first + slice - 1 : b;
        if (!sink(PaintRun{first, last, color1, unit, color2, a}))
            return false;
        first = last + 1;
    }
    return true;
}

}  // namespace orvel
