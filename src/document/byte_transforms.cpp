#include "document/byte_transforms.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace orvel {
namespace {

// Applies `op` to every byte. The loop is kept free of calls so that the
// compiler can vectorise it.
template <typename Op>
void ForEachByte(std::span<std::uint8_t> bytes, Op op) {
    std::uint8_t* p = bytes.data();
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i)
        p[i] = op(p[i]);
}

// The same for an operation that has a form on eight-byte words, for the
// compiler cannot vectorise it bytewise.
template <typename WordOp, typename ByteOp>
void ForEachWord(std::span<std::uint8_t> bytes, WordOp wordOp, ByteOp byteOp) {
    std::uint8_t* p = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        w = wordOp(w);
        std::memcpy(p + i, &w, 8);
    }
    for (; i < n; ++i)
        p[i] = byteOp(p[i]);
}

}  // namespace

// Swaps eight-byte words from both ends at once; the middle is reversed bytewise.
void ReverseInPlace(std::span<std::uint8_t> bytes) {
    std::uint8_t* lo = bytes.data();
    std::uint8_t* hi = lo + bytes.size();
    while (hi - lo >= 16) {
        hi -= 8;
        std::uint64_t a;
        std::uint64_t b;
        std::memcpy(&a, lo, 8);
        std::memcpy(&b, hi, 8);
        a = __builtin_bswap64(a);
        b = __builtin_bswap64(b);
        std::memcpy(lo, &b, 8);
        std::memcpy(hi, &a, 8);
        lo += 8;
    }
    std::reverse(lo, hi);
}

void ShiftInPlace(std::span<std::uint8_t> bytes, ShiftType type, int bits) {
    assert(bits >= 0);
    if (bits >= 8) {
        std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
        return;
    }
    // Shifts eight bytes at once as one word; the mask clears the bits that
    // crossed into a neighbouring byte.
    const bool left = type == ShiftType::kLeft;
    const std::uint64_t keep = left ? (0xFFu << bits) & 0xFFu : 0xFFu >> bits;
    const std::uint64_t mask = keep * 0x0101010101010101u;
    ForEachWord(
        bytes, [=](std::uint64_t w) { return (left ? w << bits : w >> bits) & mask; },
        [=](std::uint8_t b) {
            return static_cast<std::uint8_t>((left ? b << bits : b >> bits) & keep);
        });
}

void MaskInPlace(std::span<std::uint8_t> bytes, MaskType type, std::uint8_t value) {
    switch (type) {
        case MaskType::kAnd:
            return ForEachByte(
                bytes, [value](std::uint8_t b) { return static_cast<std::uint8_t>(b & value); });
        case MaskType::kOr:
            return ForEachByte(
                bytes, [value](std::uint8_t b) { return static_cast<std::uint8_t>(b | value); });
        case MaskType::kXor:
            break;
    }
    ForEachByte(bytes, [value](std::uint8_t b) { return static_cast<std::uint8_t>(b ^ value); });
}

void OnesComplementInPlace(std::span<std::uint8_t> bytes) {
    ForEachByte(bytes, [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
}

void TwosComplementInPlace(std::span<std::uint8_t> bytes) {
    ForEachByte(bytes, [](std::uint8_t b) { return static_cast<std::uint8_t>(-b); });
}

void ReplaceValueInPlace(std::span<std::uint8_t> bytes, std::uint8_t oldValue,
                         std::uint8_t newValue) {
    std::replace(bytes.begin(), bytes.end(), oldValue, newValue);
}

}  // namespace orvel
