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
    constexpr int kUnitsPerStopCheck = 4096;
    int untilCheck = 0;
    bool second = false;
    for (Offset first = a; first <= b; first += unit) {
        if (--untilCheck < 0) {
            if (StopAsked(stop))
                return false;
            untilCheck = kUnitsPerStopCheck;
        }
        if (!sink(PaintRun{first, std::min(b, first + unit - 1), second ? color2 : color1})) {
            return false;
        }
        second = !second;
    }
    return true;
}

}  // namespace orvel
