#include "editing/bitwise_kernels.h"

#include <algorithm>
#include <cassert>
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

}  // namespace

TextSelection ShiftBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                         ShiftType type, int count) {
    assert(count >= 0);
    if (count >= 8) {
        return ApplyToBlock(doc, layout, start, end, [](std::uint8_t) { return std::uint8_t{0}; });
    }
    if (type == ShiftType::kLeft) {
        return ApplyToBlock(doc, layout, start, end, [count](std::uint8_t b) {
            return static_cast<std::uint8_t>(b << count);
        });
    }
    return ApplyToBlock(doc, layout, start, end,
                        [count](std::uint8_t b) { return static_cast<std::uint8_t>(b >> count); });
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
