#pragma once

#include <string>
#include <string_view>

#include "document/offset.h"

namespace orvel::cli {

// Standard output gathered and written in pieces of about a MiB.
class OutputBuffer {
  public:
    OutputBuffer();

    // Each returns false once a write has failed (errno tells why).
    bool Append(std::string_view text);
    // `value` in upper-case hex without leading zeros, then `end`.
    bool AppendHex(Offset value, char end);
    // A byte as two upper-case hex digits, or "--" for -1.
    bool AppendByte(int byte);
    // Writes what is held.
    bool Flush();

  private:
    bool FlushWhenFull();

    std::string text_;
    bool ok_ = true;
};

}  // namespace orvel::cli
