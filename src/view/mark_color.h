#pragma once

#include <cstdint>
#include <functional>

#include "document/offset.h"

namespace orvel {

// The eight colours a byte can be marked with, in the order the colour lists
// show them. Black is also the colour of an unmarked byte.
enum class MarkColor : std::uint8_t {
    kBlack,
    kBlue,
    kBrown,
    kCyan,
    kGreen,
    kMagenta,
    kRed,
    kYellow
};
inline constexpr int kMarkColorCount = 8;

// Bytes first..last (inclusive) painted in one colour, or, when `unit` is
// above 0, in units of `unit` bytes that alternate between `color` and
// `color2`, counted from byte `origin` (origin <= first): a whole block of
// units travels as one run.
struct PaintRun {
    Offset first;
    Offset last;
    MarkColor color;
    Offset unit = 0;
    MarkColor color2 = MarkColor::kBlack;
    Offset origin = 0;

    [[nodiscard]] MarkColor ColorOf(Offset i) const {
        return unit > 0 && ((i - origin) / unit) % 2 != 0 ? color2 : color;
    }
    friend bool operator==(const PaintRun&, const PaintRun&) = default;
};

// Receives runs in increasing order of `first`; returning false ends the scan.
using RunSink = std::function<bool(const PaintRun&)>;
// Asked by long scans between pieces of work; true asks the scan to end at once.
using StopCheck = std::function<bool()>;

}  // namespace orvel
