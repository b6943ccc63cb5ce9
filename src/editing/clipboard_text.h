#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/byte_buffer.h"

namespace orvel {

// The plain-text form of a block on the clipboard, for other programs.

// Upper-case hex pairs separated by single blanks, "4F 52 56 45 4C"; empty for
// no bytes. Throws std::bad_alloc when the text cannot be allocated.
[[nodiscard]] std::string HexPairsText(std::span<const std::uint8_t> bytes);

// The length of HexPairsText for `count` bytes, and the text written into
// `out`, whose size must be that length.
[[nodiscard]] std::size_t HexPairsTextSize(std::size_t count);
void WriteHexPairsText(std::span<const std::uint8_t> bytes, std::span<char> out);

// The bytes of a pasted text that consists of hex byte values, read by the hex
// text import's rules; nothing for any other text. Such a text holds at least
// one byte, and besides its hex digits only blanks (space, tab, line breaks),
// commas, colons, semicolons and hyphens between the values, and a "0x" or
// "0X" before a value. Every run of digits has an even length, so no digit is
// dropped: "4F 52,0x56:45-4c" is one, "4F5" and "Hello" are not. Throws
// std::bad_alloc when the bytes cannot be allocated.
[[nodiscard]] std::optional<ByteBuffer> HexPairsBytes(std::string_view text);

// True when HexPairsBytes(text) gives bytes; allocates nothing.
[[nodiscard]] bool IsHexPairsText(std::string_view text);

}  // namespace orvel
