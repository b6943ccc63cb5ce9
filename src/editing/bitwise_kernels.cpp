#include "editing/bitwise_kernels.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <span>

#include "editing/block_kernels.h"

namespace orvel {
namespace {

// Applies `op` to every byte of the block in one Values edit. The loop is kept
// free of calls so that the compiler can vectorise it.
template <typename Op>
TextSelection ApplyToBlock(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                           Op op) {
    assert(start >= 0 && end >= 0 && start < doc.size() && end < doc.size());
    const Offset first = std::min(start, end);
    const Offset count = std::max(start, end) - first + 1;
    doc.TransformRange(first, count, [op](std::span<std::uint8_t> bytes) {
        std::uint8_t* p = bytes.data();
        const std::size_t n = bytes.size();
        for (std::size_t i = 0; i < n; ++i)
            p[i] = op(p[i]);
    });
    return SelectBytes(layout, start, end);
}

// The same for an operation that has a form on eight-byte words, for the
// compiler cannot vectorise it bytewise.
template <typename WordOp, typename ByteOp>
TextSelection ApplyToWords(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                           WordOp wordOp, ByteOp byteOp) {
    assert(start >= 0 && end >= 0 && start < doc.size() && end < doc.size());
    const Offset first = std::min(start, end);
    const Offset count = std::max(start, end) - first + 1;
    doc.TransformRange(first, count, [wordOp, byteOp](std::span<std::uint8_t> bytes) {
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
    });
    return SelectBytes(layout, start, end);
}

}  // namespace

TextSelection ShiftBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                         ShiftType type, int count) {
    assert(count >= 0);
    if (count >= 8) {
        return ApplyToBlock(doc, layout, start, end, [](std::uint8_t) { return std::uint8_t{0}; });
    }
    // Shifts eight bytes at once as one word; the mask clears the bits that
    // crossed into a neighbouring byte.
    const bool left = type == ShiftType::kLeft;
    const std::uint64_t keep = left ? (0xFFu << count) & 0xFFu : 0xFFu >> count;
    const std::uint64_t mask = keep * 0x0101010101010101u;
    return ApplyToWords(
        doc, layout, start, end,
        [=](std::uint64_t w) { return (left ? w << count : w >> count) & mask; },
        [=](std::uint8_t b) {
            return static_cast<std::uint8_t>((left ? b << count : b >> count) & keep);
        });
}

TextSelection MaskBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                        MaskType type, std::uint8_t mask) {
    switch (type) {
        case MaskType::kAnd:
            return ApplyToBlock(doc, layout, start, end, [mask](std::uint8_t b) {
                return static_cast<std::uint8_t>(b & mask);
            });
        case MaskType::kOr:
            return ApplyToBlock(doc, layout, start, end, [mask](std::uint8_t b) {
                return static_cast<std::uint8_t>(b | mask);
            });
        case MaskType::kXor:
            break;
    }
    return ApplyToBlock(doc, layout, start, end,
                        [mask](std::uint8_t b) { return static_cast<std::uint8_t>(b ^ mask); });
}

TextSelection OnesComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                             Offset end) {
    return ApplyToBlock(doc, layout, start, end,
                        [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
}

TextSelection TwosComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                             Offset end) {
    return ApplyToBlock(doc, layout, start, end,
                        [](std::uint8_t b) { return static_cast<std::uint8_t>(-b); });
}

}  // namespace orvel
