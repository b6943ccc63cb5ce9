#pragma once

#include <cstdint>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// Mark Blocks for one block (and Clear Marks of a block, in black): the bytes
// from the lower to the higher of `first` and `last`, clipped to the file's
// `size` bytes; a block wholly past the end paints nothing. Negative offsets
// mean "not given" and paint nothing. Returns the sink's answer (true when
// nothing was handed over).
[[nodiscard]] bool MarkRange(Offset first, Offset last, Offset size, MarkColor color,
                             const RunSink& sink);

// Mark Units: the bytes from the lower to the higher of `start` and `end`
// (clipped to `size`) in units of `unit` bytes counted from the lower end,
// alternating `color1` and `color2`; the last unit may be shorter. A unit of
// 0 never switches (one run in `color1`); a unit larger than the block gives
// one unit. One run per unit. Returns true when it ran to its end, false when
// `stop` (asked every few thousand units) or the sink ended it.
[[nodiscard]] bool PaintUnits(Offset start, Offset end, Offset size, Offset unit, MarkColor color1,
                              MarkColor color2, const RunSink& sink, const StopCheck& stop);

}  // namespace orvel
