#include "editing/bitwise_kernels.h"

#include "editing/block_kernels.h"

namespace orvel {
namespace {

// Runs `edit` on the first byte and count of the block and selects it.
template <typename Edit>
EditResult EditBlock(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                     Edit edit) {
    const ByteBlock block = BlockBetween(doc, start, end);
    if (const EditOutcome outcome = edit(block.first, block.count); outcome != EditOutcome::kDone)
        return {outcome, {}};
    return {EditOutcome::kDone, SelectBytes(layout, start, end)};
}

}  // namespace

EditResult ShiftBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                      ShiftType type, int count) {
    return EditBlock(doc, layout, start, end, [&](Offset first, Offset bytes) {
        return doc.Shift(first, bytes, type, count);
    });
}

EditResult MaskBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                     MaskType type, std::uint8_t mask) {
    return EditBlock(doc, layout, start, end, [&](Offset first, Offset bytes) {
        return doc.Mask(first, bytes, type, mask);
    });
}

EditResult OnesComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { return doc.OnesComplement(first, bytes); });
}

EditResult TwosComplement(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    return EditBlock(doc, layout, start, end,
                     [&](Offset first, Offset bytes) { return doc.TwosComplement(first, bytes); });
}

}  // namespace orvel
