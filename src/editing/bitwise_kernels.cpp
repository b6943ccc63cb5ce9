#include "editing/bitwise_kernels.h"

#include "editing/block_kernels.h"

namespace orvel {
namespace {

// Runs `edit` on the first byte and count of the block and selects it.
template <typename Edit>
EditResult EditBlock(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                     Edit edit) {
    const ByteBlock block = BlockBetween(doc, start, end);
    edit(block.first, block.count);
    return {EditOutcome::kDone, SelectBytes(layout, start, end)};
}

}  // namespace

EditResult ShiftBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                      ShiftType type, int count) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { doc.Shift(first, bytes, type, count); });
}

EditResult MaskBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                     MaskType type, std::uint8_t mask) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { doc.Mask(first, bytes, type, mask); });
}

EditResult OnesComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { doc.OnesComplement(first, bytes); });
}

EditResult TwosComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { doc.TwosComplement(first, bytes); });
}

}  // namespace orvel
