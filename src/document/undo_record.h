#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/byte_buffer.h"
#include "document/byte_edit.h"

namespace orvel {

// What an undo history keeps of one edit, to take it back and make it again.
// The edits that can be reversed from their parameters (reverse, XOR, the
// complements, an insert fill) keep no bytes; an insert keeps its bytes only
// while it is undone; every other edit keeps the bytes it replaced or removed.
// An undo and a redo of a replacing edit swap the kept bytes with the
// document's, so neither needs more memory than the edit kept.
struct UndoRecord {
    EditKind kind = EditKind::kSet;
    Offset offset = 0;
    // The bytes the edit changed, inserted or removed.
    Offset count = 0;
    // The XOR mask or the fill value.
    std::uint8_t value = 0;
    std::vector<std::uint8_t> bytes;

    // The memory the record holds.
    [[nodiscard]] Offset Cost() const;
};

// What the record of `edit` will cost, known before any memory is taken.
[[nodiscard]] Offset RecordCost(const ByteEdit& edit);

// The record of `edit`, about to be made on `bytes`. Throws std::bad_alloc.
// Precondition: edit.kind is neither kAssign nor kGroupEnd.
[[nodiscard]] UndoRecord RecordEdit(const ByteEdit& edit, std::uint8_t value,
                                    const ByteBuffer& bytes);

// Takes memory for replaying `records` on `bytes`, in reverse order for an
// undo: the array's largest size on the way and, where `keepInserts`, the
// bytes an undone insert keeps for its redo. Afterwards Revert and Reapply of
// those records cannot fail. Throws std::bad_alloc with nothing but spare
// capacity changed.
void ReserveReplay(std::span<UndoRecord> records, bool undo, bool keepInserts, ByteBuffer& bytes);

// Takes one edit back on `bytes`, or makes it again, and returns the notice
// of what changed. An undone insert keeps its bytes where `keepInserts`.
// Preconditions: `bytes` is as the edit left it (as before it, for Reapply),
// and ReserveReplay has prepared the record.
ByteEdit Revert(UndoRecord& record, ByteBuffer& bytes, bool keepInserts);
ByteEdit Reapply(UndoRecord& record, ByteBuffer& bytes);

}  // namespace orvel
