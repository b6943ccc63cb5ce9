#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// The three colours of a pattern: header, body (Type3: the tail bytes) and
// tail (Type3: the byte following the last tail byte).
struct PatternColors {
    MarkColor header;
    MarkColor body;
    MarkColor tail;
};

// The Mark Patterns scans. All three scan the block s = min(start, end) to
// e = min(end, size - 1) (start above end leaves the single byte at end), and
// try header positions p from s upward where the whole header fits (p + d - 1
// <= e). Header and tail are 1 to 4 bytes; an empty header or tail marks
// nothing. Runs reach the sink in increasing order and never overlap; painting
// them gives each byte the colour the scan's last paint of it would give.
// Each returns true when it ran to its end, false when `stop` (asked between
// slices of searching) or the sink ended it.

// Type1: header, a body of any length, the nearest tail after the header in the
// block. After a painted pattern the scan goes on after its tail; a header
// with no tail after it paints nothing. Since no tail after one header means
// none after any later header either, the scan is linear.
[[nodiscard]] bool MarkPatternType1(std::span<const std::uint8_t> bytes, Offset start, Offset end,
                                    std::span<const std::uint8_t> header,
                                    std::span<const std::uint8_t> tail, PatternColors colors,
                                    const RunSink& sink, const StopCheck& stop);

// Type2: header, exactly `bodyBytes` body bytes, tail. A candidate whose tail
// does not match paints nothing and the scan goes on at the next byte.
[[nodiscard]] bool MarkPatternType2(std::span<const std::uint8_t> bytes, Offset start, Offset end,
                                    std::span<const std::uint8_t> header, Offset bodyBytes,
                                    std::span<const std::uint8_t> tail, PatternColors colors,
                                    const RunSink& sink, const StopCheck& stop);

// Type3: every header is painted; then `tailBytes` tail bytes and the byte
// following them. The scan resumes at the following byte, which becomes a
// header if it starts one. Where the block ends inside the tail, the tail is
// painted up to the end of the block and the scan resumes right after the
// header's first byte, so headers inside that tail are painted as headers.
[[nodiscard]] bool MarkPatternType3(std::span<const std::uint8_t> bytes, Offset start, Offset end,
                                    std::span<const std::uint8_t> header, Offset tailBytes,
                                    PatternColors colors, const RunSink& sink,
                                    const StopCheck& stop);

}  // namespace orvel
