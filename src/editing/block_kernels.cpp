#include "editing/block_kernels.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

#include "editing/clipboard_codec.h"

namespace orvel {
namespace {

struct Block {
    Offset first;
    Offset count;
};

Block Normalise(Offset start, Offset end) {
    const Offset first = std::min(start, end);
    return {first, std::max(start, end) - first + 1};
}

Block CheckedBlock([[maybe_unused]] const BinaryDocument& doc, Offset start, Offset end) {
    assert(start >= 0 && end >= 0 && start < doc.size() && end < doc.size());
    return Normalise(start, end);
}

TextSelection Caret(Offset pos) {
    return {pos, pos};
}

bool EncodeBlock(const BinaryDocument& doc, Block block, const BlockStorage& storage) {
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

}  // namespace

BlockStorage StoreIn(std::vector<std::uint8_t>& block) {
    return [&block](std::size_t length) {
        block.resize(length);
        return std::span<std::uint8_t>(block);
    };
}

EditOutcome CopyBytes(const BinaryDocument& doc, Offset start, Offset end,
                      const BlockStorage& storage) {
    return EncodeBlock(doc, CheckedBlock(doc, start, end), storage) ? EditOutcome::kDone
                                                                    : EditOutcome::kOutOfMemory;
}

EditResult CutBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end,
                    const BlockStorage& storage) {
    if (!EncodeBlock(doc, CheckedBlock(doc, start, end), storage)) {
        return {EditOutcome::kOutOfMemory, {}};
    }
    return {EditOutcome::kDone, DeleteBytes(doc, layout, start, end)};
}

TextSelection DeleteBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset end) {
    const Block block = CheckedBlock(doc, start, end);
    doc.RemoveBytes(block.first, block.count);
    return Caret(layout.ByteToHexPos(block.first).high);
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
    const auto count = static_cast<Offset>(bytes.size());
    if (!FitsFileSize(doc.size(), count))
        return {EditOutcome::kFileTooLarge, {}};
    try {
        doc.InsertBytes(start, bytes);
    } catch (const std::bad_alloc&) {
        return {EditOutcome::kOutOfMemory, {}};
    }
    return {EditOutcome::kDone,
            {layout.ByteToHexPos(start).high, layout.ByteToHexPos(start + count).high}};
}

EditResult InsertBytes(BinaryDocument& doc, const DumpLayout& layout, Offset start, Offset count,
                       std::uint8_t value) {
    assert(start >= 0 && start <= doc.size() && count >= 0);
    if (!FitsFileSize(doc.size(), count))
        return {EditOutcome::kFileTooLarge, {}};
    try {
        doc.InsertFill(start, count, value);
    } catch (const std::bad_alloc&) {
        return {EditOutcome::kOutOfMemory, {}};
    }
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

TextSelection ReplaceBytes(BinaryDocument& doc, Offset start, Offset end, std::uint8_t oldValue,
                           std::uint8_t newValue, TextSelection current) {
    const Offset size = doc.size();
    const Offset first = std::clamp<Offset>(start, 0, size);
    const Offset last = std::min(end, size - 1);
    const Offset count = last >= first ? last - first + 1 : 0;
    doc.TransformRange(
        first, count,
        [oldValue, newValue](std::span<std::uint8_t> bytes) {
            std::replace(bytes.begin(), bytes.end(), oldValue, newValue);
        },
        ByteEdit::Kind::Structure);
    return Caret(current.min());
}

void ReverseBytes(BinaryDocument& doc, Offset start, Offset end) {
    const Block block = CheckedBlock(doc, start, end);
    doc.TransformRange(block.first, block.count, ReverseInPlace, ByteEdit::Kind::Structure);
}

}  // namespace orvel
