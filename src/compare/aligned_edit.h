#pragma once

#include <cstdint>
#include <functional>

#include "document/offset.h"

namespace orvel {

// What an aligned comparison found between the first file (A) and the second (B).
enum class AlignedEditKind : std::uint8_t {
    kChange,  // `length` bytes at offsetA in A stand where B has other bytes at offsetB
    kDelete,  // `length` bytes at offsetA are only in A; offsetB is where they would be in B
    kInsert,  // `length` bytes at offsetB are only in B; offsetA is where they would be in A
};

// One difference of an aligned comparison. Between two edits the files hold the
// same bytes, so replaying the edits on A in order, taking the new bytes from B,
// gives B. A Change never covers a byte equal in both files.
struct AlignedEdit {
    AlignedEditKind kind;
    Offset offsetA;
    Offset offsetB;
    Offset length;

    // One past the edit's last byte in A (Insert takes none) and in B (Delete takes none).
    [[nodiscard]] Offset endA() const {
        return offsetA + (kind == AlignedEditKind::kInsert ? 0 : length);
    }
    [[nodiscard]] Offset endB() const {
        return offsetB + (kind == AlignedEditKind::kDelete ? 0 : length);
    }
    friend bool operator==(const AlignedEdit&, const AlignedEdit&) = default;
};

// True when `next` carries on where `before` ends, in both files and of the same
// kind: the two are one run of differences.
[[nodiscard]] inline bool Continues(const AlignedEdit& before, const AlignedEdit& next) {
    return next.kind == before.kind && next.offsetA == before.endA() &&
           next.offsetB == before.endB();
}

// Receives edits in increasing offset order; returning false ends the comparison.
using EditSink = std::function<bool(const AlignedEdit&)>;

// "change", "delete" or "insert".
[[nodiscard]] constexpr const char* AlignedEditKindName(AlignedEditKind kind) {
    switch (kind) {
        case AlignedEditKind::kChange:
            return "change";
        case AlignedEditKind::kDelete:
            return "delete";
        case AlignedEditKind::kInsert:
            return "insert";
    }
    return "";
}

}  // namespace orvel
