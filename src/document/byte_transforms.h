#pragma once

#include <cstdint>
#include <span>

namespace orvel {

// The in-place changes of a range of bytes behind the document's edit
// interface. Each runs close to memcpy speed on a large range.

enum class ShiftType { kLeft = 0, kRight = 1 };
enum class MaskType { kAnd = 0, kOr = 1, kXor = 2 };

void ReverseInPlace(std::span<std::uint8_t> bytes);
// A logical shift (not a rotation) of every byte by `bits` (>= 0) positions;
// 8 or more clears the bytes.
void ShiftInPlace(std::span<std::uint8_t> bytes, ShiftType type, int bits);
void MaskInPlace(std::span<std::uint8_t> bytes, MaskType type, std::uint8_t value);
// NOT b.
void OnesComplementInPlace(std::span<std::uint8_t> bytes);
// (256 - b) mod 256.
void TwosComplementInPlace(std::span<std::uint8_t> bytes);
void ReplaceValueInPlace(std::span<std::uint8_t> bytes, std::uint8_t oldValue,
                         std::uint8_t newValue);

}  // namespace orvel
