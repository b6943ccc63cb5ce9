#pragma once

#include <string>
#include <string_view>

#include "document/offset.h"

namespace orvel::cli {

// Appends `value` in upper-case hex without leading zeros.
void AppendHex(std::string& text, Offset value);
// Appends a byte as two upper-case hex digits, or "--" for -1.
void AppendByteHex(std::string& text, int byte);

// Standard output gathered and written in pieces of about a MiB.
class OutputBuffer {
  public:
    OutputBuffer();

    // Each returns false once a write has failed (errno tells why).
    bool Append(std::string_view text);
    // `value` in upper-case hex without leading zeros, then a line break.
    bool AppendHexLine(Offset value);
    // Writes what is held.
    bool Flush();

  private:
    bool FlushWhenFull();

    std::string text_;
    bool ok_ = true;
};

}  // namespace orvel::cli
