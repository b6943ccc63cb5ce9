#pragma once

#include <string>

#include "document/offset.h"

namespace orvel {

// The status bar's texts about the caret, the selection and the file. Offsets
// are written in upper-case hex after "0x", counts in decimal. Every argument
// is non-negative.

// "Offset: 0x1A2B (6699)".
[[nodiscard]] std::string OffsetReadout(Offset offset);

// "Selection: 0x10-0x1F, 16 bytes" for the `count` bytes from `first`;
// "Selection: 0x10, 1 byte" for one. `count` is at least 1.
[[nodiscard]] std::string SelectionReadout(Offset first, Offset count);

// "Size: 0x20 (32) bytes"; "Size: 0x1 (1) byte".
[[nodiscard]] std::string SizeReadout(Offset size);

// "Differences: 12" once a comparison has finished; "Differences: 12 (stopped)"
// when it was stopped before the end and the count is only what it had found.
[[nodiscard]] std::string DifferencesReadout(Offset count, bool finished);

}  // namespace orvel
