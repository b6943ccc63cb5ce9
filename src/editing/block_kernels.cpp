#include "editing/block_kernels.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "editing/clipboard_codec.h"

namespace orvel {
namespace {

TextSelection Caret(Offset pos) {
    return {pos, pos};
}

bool EncodeBlock(const BinaryDocument& doc, ByteBlock block, const BlockStorage& storage) {
    const std::span<const std::uint8_t> bytes = doc.bytes().span().subspan(
        static_cast<std::size_t>(block.first), static_cast<std::size_t>(block.count));
    try {
        const std::span<std::uint8_t> out = storage(EncodedBlockSize(bytes.size()));
        EncodeBlockInto(bytes, out);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace

ByteBlock BlockBetween([[maybe_unused]] const BinaryDocument& doc, Offset start, Offset end) {
    assert(start >= 0 && end >= 0 && start < doc.size() && end < doc.size());
    const Offset first = std::min(start, end);
    return {first, std::max(start, end) - first + 1};
}

BlockStorage StoreIn(std::vector<std::uint8_t>& block) {
    return [&block](std::size_t length) {
        block.resize(length);
        return std::span<std::uint8_t>(block);
    };
}

EditResult CopyBytes(const BinaryDocument& doc, Offset start, Offset end,
                     const BlockStorage& storage) {
    if (!EncodeBlock(doc, BlockBetween(doc, start, end), storage))
        return {EditOutcome::kOutOfMemory, {}};
    return {};
}

EditResult CutBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                    const BlockStorage& storage) {
    if (!EncodeBlock(doc, BlockBetween(doc, start, end), storage))
        return {EditOutcome::kOutOfMemory, {}};
    return DeleteBytes(doc, layout, start, end);
}

EditResult DeleteBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    const ByteBlock block = BlockBetween(doc, start, end);
    if (const EditOutcome outcome = doc.RemoveBytes(block.first, block.count);
        outcome != EditOutcome::kDone)
        return {outcome, {}};
    return {EditOutcome::kDone, Caret(layout.ByteToHexPos(block.first).high)};
}

EditResult PasteBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start,
                      std::optional<std::span<const std::uint8_t>> block) {
    assert(start >= 0 && start <= doc.size());
    std::span<const std::uint8_t> bytes;
    if (block) {
        const auto decoded = DecodeClipboardBlock(*block);
        if (!decoded)
            return {EditOutcome::kClipboardDamaged, {}};
        bytes = *decoded;
    }
    const EditOutcome outcome = doc.InsertRange(start, bytes);
    if (outcome != EditOutcome::kDone)
        return {outcome, {}};
    const auto count = static_cast<Offset>(bytes.size());
    return {EditOutcome::kDone, TextSelection{layout.ByteToHexPos(start).high,
                                              layout.ByteToHexPos(start + count).high}};
}

EditResult InsertBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset count,
                       std::uint8_t value) {
    assert(start >= 0 && start <= doc.size() && count >= 0);
    const EditOutcome outcome = doc.InsertFill(start, count, value);
    if (outcome != EditOutcome::kDone)
        return {outcome, {}};
    return {EditOutcome::kDone, SelectByte(layout, start)};
}

TextSelection SelectBytes(const DumpLayout& layout, Offset start, Offset end) {
    const Offset first = std::min(start, end);
    const Offset last = std::max(start, end);
    return {layout.ByteToHexPos(first).high, layout.ByteToHexPos(last).low + 1};
}

TextSelection SelectByte(const DumpLayout& layout, Offset address) {
    return SelectBytes(layout, address, address);
}

TextSelection SelectTouched(const DumpLayout& layout, Offset first, Offset count) {
    const Offset caret = layout.ByteToHexPos(first).high;
    if (count == 0)
        return Caret(caret);
    return {layout.ByteToHexPos(first + count - 1).low + 1, caret};
}

EditResult ReplaceBytes(BinaryDocument& doc, Offset start, Offset end, std::uint8_t oldValue,
                        std::uint8_t newValue, TextSelection current) {
    const Offset size = doc.size();
    const Offset first = std::clamp<Offset>(start, 0, size);
    const Offset last = std::min(end, size - 1);
    const Offset count = last >= first ? last - first + 1 : 0;
    if (const EditOutcome outcome = doc.ReplaceValue(first, count, oldValue, newValue);
        outcome != EditOutcome::kDone)
        return {outcome, {}};
    return {EditOutcome::kDone, Caret(current.min())};
}

EditResult ReverseBytes(BinaryDocument& doc, Offset start, Offset end) {
    const ByteBlock block = BlockBetween(doc, start, end);
    return {doc.Reverse(block.first, block.count), {}};
}

}  // namespace orvel
