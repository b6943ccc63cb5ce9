#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// Mark Bytes for one value: every occurrence of `value` (1 to 4 bytes) whose
// bytes lie within start .. min(end, size - 1), overlapping ones included
// (0000 in 00 00 00 matches at 0 and 1 and paints all three bytes). Start
// above end scans nothing. Occurrences that touch or overlap reach the sink as
// one run; runs come in increasing order and never overlap.
// Returns true when the scan ran to its end, false when `stop` or the sink
// ended it (runs found before a stop have been handed over).
[[nodiscard]] bool MarkValue(std::span<const std::uint8_t> bytes, Offset start, Offset end,
                             std::span<const std::uint8_t> value, MarkColor color,
                             const RunSink& sink, const StopCheck& stop);

}  // namespace orvel
