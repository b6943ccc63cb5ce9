#pragma once

#include <cstdint>

#include "document/offset.h"

namespace orvel {

// Writes the 76 columns of a full or partial data line holding `count` (1-16)
// bytes from `bytes`, with the address `lineNumber`; returns the trimmed length.
int FormatDumpLine(const std::uint8_t* bytes, int count, Offset lineNumber, char* out);

// Writes the data lines that show `count` (>= 1) bytes, line `firstLine` on,
// as they stand in the dump text: each line's opening line break and its 76
// columns, a partial last line padded with blanks, so 77 characters a line.
// Returns the length of the last line's columns once trimmed of trailing
// blanks (what FormatDumpLine returns), which the text uses when that line is
// the last of all. Vectorised where the processor allows; the same text as
// FormatDumpLine line by line.
int FormatDumpLines(const std::uint8_t* bytes, Offset count, Offset firstLine, char* out);

}  // namespace orvel
