#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/byte_buffer.h"
#include "view/dump_layout.h"

namespace orvel {

// The header line of the dump, without its line break.
inline constexpr std::string_view kDumpHeader =
    "Address: 00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F   0123456789ABCDEF";

// The text lines that stand before data line 0.
enum class DumpStyle {
    kSingleFile,  // the header, then an empty line
    kPane,        // an empty line, the header, then a line of 77 spaces
};

// The exact dump text of a byte array, computed on demand and never stored:
// the lines before the data, then one line per 16 bytes ("%07X" address, the
// byte columns and the character column), the last line trimmed of trailing
// blanks, no line break at the end. An empty array shows the address 0000000
// alone. Every line break counts one position.
//
// The model reads the bytes it is given at each call; it holds no copy, so it
// always shows the array's current content.
class DumpText {
  public:
    DumpText(const ByteBuffer& bytes, DumpStyle style = DumpStyle::kSingleFile);

    [[nodiscard]] DumpLayout layout() const { return layout_; }
    [[nodiscard]] Offset Length() const;
    // Text lines, counting the lines before the data and the empty line.
    [[nodiscard]] Offset LineCount() const;
    // Position of the first character of a text line.
    [[nodiscard]] Offset LineStart(Offset textLine) const;
    // Number of characters of a text line, without its line break.
    [[nodiscard]] int LineLength(Offset textLine) const;
    // The text line holding `pos` (a line break belongs to the line it ends).
    [[nodiscard]] Offset LineOfPosition(Offset pos) const;
    // The characters of a text line, without its line break.
    [[nodiscard]] std::string LineText(Offset textLine) const;
    [[nodiscard]] char CharAt(Offset pos) const;
    // The whole text or the range [from, to), in blocks handed to `sink` in
    // order; stops and returns false as soon as the sink returns false.
    using Sink = std::function<bool(const char* data, std::size_t size)>;
    bool Write(const Sink& sink, std::size_t blockSize = std::size_t{1} << 20) const;
    bool WriteRange(Offset from, Offset to, const Sink& sink,
                    std::size_t blockSize = std::size_t{1} << 20) const;
    // The text of [from, to) as a string (for small ranges).
    [[nodiscard]] std::string Text(Offset from, Offset to) const;

    // Text line of data line 0, and of the header line.
    [[nodiscard]] Offset FirstDataTextLine() const { return prefixLines_; }
    [[nodiscard]] Offset HeaderTextLine() const { return prefixLines_ - 2; }

  private:
    [[nodiscard]] std::string_view Prefix() const;
    [[nodiscard]] Offset DataLines() const;
    [[nodiscard]] int DataLineLength(Offset dataLine) const;
    // Writes data line `dataLine`'s 76 columns (untrimmed) to `out`.
    void FormatDataLine(Offset dataLine, char* out) const;

    const ByteBuffer& bytes_;
    DumpLayout layout_;
    std::string_view prefix_;  // the text before the line break that opens data line 0
    Offset prefixLines_;
};

}  // namespace orvel
