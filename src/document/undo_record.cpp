#include "document/undo_record.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

#include "document/byte_transforms.h"

namespace orvel {
namespace {

// The edits whose undo needs the bytes they replaced or removed.
bool KeepsBytes(EditKind kind) {
    switch (kind) {
        case EditKind::kSet:
        case EditKind::kReplaceRange:
        case EditKind::kShiftLeft:
        case EditKind::kShiftRight:
        case EditKind::kMaskAnd:
        case EditKind::kMaskOr:
        case EditKind::kReplaceValue:
        case EditKind::kRemove:
            return true;
        default:
            return false;
    }
}

// How many bytes an undo of the record adds to the array (negative: removes).
Offset GrowthOfRevert(const UndoRecord& record) {
    switch (record.kind) {
        case EditKind::kInsert:
        case EditKind::kInsertFill:
            return -record.count;
        case EditKind::kRemove:
            return record.count;
        default:
            return 0;
    }
}

std::span<std::uint8_t> Range(ByteBuffer& bytes, Offset offset, Offset count) {
    return bytes.span().subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

void InsertCopy(ByteBuffer& bytes, Offset offset, const std::vector<std::uint8_t>& from) {
    std::uint8_t* gap = bytes.insertGap(offset, static_cast<Offset>(from.size()));
    if (!from.empty())
        std::memcpy(gap, from.data(), from.size());
}

// The edits that are the same whichever way they are replayed: the ones that
// are their own inverse, and the swap of kept bytes with the document's.
ByteEdit Toggle(UndoRecord& record, ByteBuffer& bytes) {
    const Offset offset = record.offset;
    switch (record.kind) {
        case EditKind::kReverse:
            ReverseInPlace(Range(bytes, offset, record.count));
            return {EditKind::kReverse, offset, record.count, record.count};
        case EditKind::kMaskXor:
            MaskInPlace(Range(bytes, offset, record.count), MaskType::kXor, record.value);
            return {EditKind::kMaskXor, offset, record.count, record.count};
        case EditKind::kOnesComplement:
            OnesComplementInPlace(Range(bytes, offset, record.count));
            return {EditKind::kOnesComplement, offset, record.count, record.count};
        case EditKind::kTwosComplement:
            TwosComplementInPlace(Range(bytes, offset, record.count));
            return {EditKind::kTwosComplement, offset, record.count, record.count};
        default:
            break;
    }
    // Only values change, whatever the edit was: the views keep their marks.
    const auto count = static_cast<Offset>(record.bytes.size());
    std::swap_ranges(record.bytes.begin(), record.bytes.end(), Range(bytes, offset, count).begin());
    return {EditKind::kReplaceRange, offset, count, count};
}

}  // namespace

Offset UndoRecord::Cost() const {
    return static_cast<Offset>(sizeof(UndoRecord) + bytes.capacity());
}

Offset RecordCost(const ByteEdit& edit) {
    return static_cast<Offset>(sizeof(UndoRecord)) + (KeepsBytes(edit.kind) ? edit.oldLength : 0);
}

UndoRecord RecordEdit(const ByteEdit& edit, std::uint8_t value, const ByteBuffer& bytes) {
    assert(edit.kind != EditKind::kAssign && edit.kind != EditKind::kGroupEnd);
    const bool inserts = edit.kind == EditKind::kInsert || edit.kind == EditKind::kInsertFill;
    UndoRecord record{edit.kind, edit.offset, inserts ? edit.newLength : edit.oldLength, value, {}};
    if (KeepsBytes(edit.kind)) {
        const std::span<const std::uint8_t> old = bytes.span().subspan(
            static_cast<std::size_t>(edit.offset), static_cast<std::size_t>(edit.oldLength));
        record.bytes.assign(old.begin(), old.end());
    }
    return record;
}

void ReserveReplay(std::span<UndoRecord> records, bool undo, bool keepInserts, ByteBuffer& bytes) {
    Offset size = bytes.size();
    Offset largest = size;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const UndoRecord& record = records[undo ? records.size() - 1 - i : i];
        size += undo ? GrowthOfRevert(record) : -GrowthOfRevert(record);
        largest = std::max(largest, size);
    }
    bytes.reserve(largest);
    if (!undo || !keepInserts)
        return;
    try {
        for (UndoRecord& record : records) {
            if (record.kind == EditKind::kInsert)
                record.bytes.reserve(static_cast<std::size_t>(record.count));
        }
    } catch (const std::bad_alloc&) {
        for (UndoRecord& record : records) {
            if (record.kind == EditKind::kInsert)
                std::vector<std::uint8_t>().swap(record.bytes);
        }
        throw;
    }
}

ByteEdit Revert(UndoRecord& record, ByteBuffer& bytes, bool keepInserts) {
    const Offset offset = record.offset;
    switch (record.kind) {
        case EditKind::kInsert:
            if (keepInserts) {
                const std::span<std::uint8_t> inserted = Range(bytes, offset, record.count);
                record.bytes.assign(inserted.begin(), inserted.end());
            }
            [[fallthrough]];
        case EditKind::kInsertFill:
            bytes.erase(offset, record.count);
            return {EditKind::kRemove, offset, record.count, 0};
        case EditKind::kRemove:
            InsertCopy(bytes, offset, record.bytes);
            return {EditKind::kInsert, offset, 0, record.count};
        default:
            return Toggle(record, bytes);
    }
}

ByteEdit Reapply(UndoRecord& record, ByteBuffer& bytes) {
    const Offset offset = record.offset;
    switch (record.kind) {
        case EditKind::kInsert:
            assert(static_cast<Offset>(record.bytes.size()) == record.count);
            InsertCopy(bytes, offset, record.bytes);
            std::vector<std::uint8_t>().swap(record.bytes);
            return {EditKind::kInsert, offset, 0, record.count};
        case EditKind::kInsertFill:
            std::fill_n(bytes.insertGap(offset, record.count), record.count, record.value);
            return {EditKind::kInsertFill, offset, 0, record.count};
        case EditKind::kRemove:
            bytes.erase(offset, record.count);
            return {EditKind::kRemove, offset, record.count, 0};
        default:
            return Toggle(record, bytes);
    }
}

}  // namespace orvel
