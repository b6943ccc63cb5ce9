#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvel {

// The private clipboard format that carries a block of bytes between windows
// and running instances. A block is a little-endian byte count followed by the
// bytes: counts up to 0xFFFE take two bytes; larger counts are written as the
// marker FF FF followed by a four-byte count. A reader takes exactly the counted
// bytes and ignores anything after them.
inline constexpr std::string_view kClipboardFormatName = "Orvel Clipboard Format V2.00";

// The largest count a block can carry.
inline constexpr std::size_t kMaxClipboardCount = 0xFFFFFFFF;

// Length of the encoded block for `count` bytes (count <= kMaxClipboardCount).
[[nodiscard]] std::size_t EncodedBlockSize(std::size_t count);

// Writes the block for `bytes` into `out`, whose size must be
// EncodedBlockSize(bytes.size()).
void EncodeBlockInto(std::span<const std::uint8_t> bytes, std::span<std::uint8_t> out);

// The block for `bytes` in a new vector; throws std::bad_alloc when memory fails.
[[nodiscard]] std::vector<std::uint8_t> EncodeClipboardBlock(std::span<const std::uint8_t> bytes);

// The counted bytes of `block` (a view into it), or nothing when the block is
// damaged: shorter than its count field, or counting more bytes than follow.
// Never reads outside `block`.
[[nodiscard]] std::optional<std::span<const std::uint8_t>> DecodeClipboardBlock(
    std::span<const std::uint8_t> block);

}  // namespace orvel
