#pragma once

#include <cstdint>
#include <functional>

#include "document/offset.h"

namespace orvel {

// The eight colours a byte can be marked with, in the order the colour lists
// show them. Black is also the colour of an unmarked byte.
enum class MarkColor : std::uint8_t { Black, Blue, Brown, Cyan, Green, Magenta, Red, Yellow };
inline constexpr int kMarkColorCount = 8;

// Bytes first..last (inclusive) painted in one colour.
struct PaintRun {
    Offset first;
    Offset last;
    MarkColor color;
    friend bool operator==(const PaintRun&, const PaintRun&) = default;
};

// Receives runs in increasing order of `first`; returning false ends the scan.
using RunSink = std::function<bool(const PaintRun&)>;
// Asked by long scans between pieces of work; true asks the scan to end at once.
using StopCheck = std::function<bool()>;

}  // namespace orvel
