#pragma once

#include "document/offset.h"

namespace orvel {

// Which operation of the document's edit interface changed the bytes.
enum class EditKind {
    kSet,             // one byte stored
    kReplaceRange,    // bytes overwritten by others of the same number
    kInsert,          // bytes inserted
    kInsertFill,      // bytes of one value inserted
    kRemove,          // bytes removed
    kReverse,         // the order of a range reversed
    kShiftLeft,       // every byte of a range shifted left by a number of bits
    kShiftRight,      // ... shifted right
    kMaskAnd,         // every byte of a range ANDed with a value
    kMaskOr,          // ... ORed
    kMaskXor,         // ... XORed
    kOnesComplement,  // every byte of a range inverted
    kTwosComplement,  // every byte of a range negated
    kReplaceValue,    // every byte of one value in a range set to another
    kAssign,          // every byte replaced: a load, New or an import
    kGroupEnd,        // the outermost group of edits ended; no byte changed
};

// What one edit did, as the document tells its observers after it: the bytes
// [offset, offset + oldLength) became [offset, offset + newLength).
struct ByteEdit {
    EditKind kind;
    Offset offset;
    Offset oldLength;
    Offset newLength;

    // True when a view rebuilds its whole dump, which drops every colour mark:
    // the number or order of the bytes changed, every byte was replaced, or a
    // value was replaced throughout a range (the Replace Bytes command rebuilds
    // although only values change). Otherwise a view rewrites just the cells of
    // [offset, offset + newLength), keeping their marks.
    [[nodiscard]] constexpr bool RebuildsDump() const {
        switch (kind) {
            case EditKind::kInsert:
            case EditKind::kInsertFill:
            case EditKind::kRemove:
            case EditKind::kReverse:
            case EditKind::kReplaceValue:
            case EditKind::kAssign:
                return true;
            default:
                return false;
        }
    }

    friend constexpr bool operator==(const ByteEdit&, const ByteEdit&) = default;
};

}  // namespace orvel
