#include "document/binary_document.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace orvel {

BinaryDocument::BinaryDocument() {
    UpdateEndMarker();
}

template <typename Change>
EditOutcome BinaryDocument::ChangeRange(EditKind kind, Offset offset, Offset count,
                                        std::uint8_t value, Change change) {
    assert(offset >= 0 && count >= 0 && offset + count <= m_byteArray.size());
    const ByteEdit edit{kind, offset, count, count};
    if (const EditOutcome kept = Keep(edit, value); kept != EditOutcome::kDone)
        return kept;
    change(std::span<std::uint8_t>(m_byteArray.data() + offset, static_cast<std::size_t>(count)));
    Edited(edit);
    return EditOutcome::kDone;
}

EditOutcome BinaryDocument::Keep(const ByteEdit& edit, std::uint8_t value, bool typing) {
    EndTyping();
    if (!history_.Fits(RecordCost(edit))) {
        if (tooLarge_ && !tooLarge_())
            return EditOutcome::kDeclined;
        history_.Clear();
        return EditOutcome::kDone;
    }
    typing = typing && groupDepth_ == 0;
    try {
        history_.Add(RecordEdit(edit, value, m_byteArray),
                     typing ? kTypingStepName : std::string_view(groupName_), revision_, typing);
    } catch (const std::bad_alloc&) {
        return EditOutcome::kNoMemoryForUndo;
    }
    return EditOutcome::kDone;
}

void BinaryDocument::Edited(const ByteEdit& edit) {
    revision_ = ++lastRevision_;
    history_.Stamp(revision_);
    if (groupDepth_ == 0 && !history_.IsTypingOpen())
        history_.Close();
    UpdateEndMarker();
    Tell(edit);
}

void BinaryDocument::Tell(const ByteEdit& edit) {
    for (const auto& [id, observer] : observers_)
        observer(edit);
}

void BinaryDocument::MarkSaved() {
    savedRevision_ = revision_;
    modifiedFromStart_ = false;
}

void BinaryDocument::NewDocument() {
    AssignBytes(ByteBuffer(32), true);
}

void BinaryDocument::AssignBytes(ByteBuffer bytes, bool modified) {
    const Offset oldSize = m_byteArray.size();
    m_byteArray = std::move(bytes);
    history_.Clear();
    revision_ = ++lastRevision_;
    savedRevision_ = revision_;
    modifiedFromStart_ = modified;
    UpdateEndMarker();
    Tell({EditKind::kAssign, 0, oldSize, m_byteArray.size()});
}

bool BinaryDocument::Load(const std::string& path, FileError& error) {
    ByteBuffer loaded;
    FileStamp stamp;
    if (!LoadFile(path, loaded, error, FileKinds::kRegularOnly, &stamp))
        return false;
    AssignBytes(std::move(loaded), false);
    diskStamp_ = stamp;
    return true;
}

bool BinaryDocument::Save(const std::string& path, FileError& error) {
    FileStamp stamp;
    if (!SaveFile(path, m_byteArray, error, FileKinds::kRegularOnly, &stamp))
        return false;
    UpdateEndMarker();
    MarkSaved();
    diskStamp_ = stamp;
    return true;
}

bool BinaryDocument::IsChangedOnDisk(const std::string& target, const std::string& ownPath) const {
    return diskStamp_.has_value() && orvel::IsChangedOnDisk(target, ownPath, *diskStamp_);
}

void BinaryDocument::UpdateEndMarker() {
    endMarker_ = EndMarker::ForSize(m_byteArray.size());
}

EditOutcome BinaryDocument::SetByte(Offset offset, std::uint8_t value) {
    if (m_byteArray[offset] == value)
        return EditOutcome::kDone;
    return ChangeRange(EditKind::kSet, offset, 1, 0,
                       [value](std::span<std::uint8_t> byte) { byte[0] = value; });
}

EditOutcome BinaryDocument::TypeByte(Offset offset, std::uint8_t value) {
    const std::uint8_t old = m_byteArray[offset];
    const ByteEdit edit{EditKind::kSet, offset, 1, 1};
    try {
        if (!history_.ExtendTyping(offset, old)) {
            if (old == value)
                return EditOutcome::kDone;
            if (const EditOutcome kept = Keep(edit, 0, true); kept != EditOutcome::kDone)
                return kept;
        }
    } catch (const std::bad_alloc&) {
        return EditOutcome::kNoMemoryForUndo;
    }
    if (old == value)
        return EditOutcome::kDone;
    m_byteArray[offset] = value;
    Edited(edit);
    return EditOutcome::kDone;
}

void BinaryDocument::EndTyping() {
    if (history_.IsTypingOpen())
        history_.Close();
}

EditOutcome BinaryDocument::ReplaceRange(Offset offset, std::span<const std::uint8_t> bytes) {
    return ChangeRange(EditKind::kReplaceRange, offset, static_cast<Offset>(bytes.size()), 0,
                       [bytes](std::span<std::uint8_t> range) {
                           if (!bytes.empty())
                               std::memcpy(range.data(), bytes.data(), bytes.size());
                       });
}

// The array grows before the undo data is kept, so that once kept the insert
// can no longer fail.
template <typename Fill>
EditOutcome BinaryDocument::Insert(EditKind kind, Offset offset, Offset count, std::uint8_t value,
                                   Fill fill) {
    if (!FitsFileSize(m_byteArray.size(), count))
        return EditOutcome::kFileTooLarge;
    try {
        m_byteArray.reserve(m_byteArray.size() + count);
    } catch (const std::bad_alloc&) {
        return EditOutcome::kOutOfMemory;
    }
    const ByteEdit edit{kind, offset, 0, count};
    if (const EditOutcome kept = Keep(edit, value); kept != EditOutcome::kDone)
        return kept;
    fill(m_byteArray.insertGap(offset, count));
    Edited(edit);
    return EditOutcome::kDone;
}

EditOutcome BinaryDocument::InsertRange(Offset offset, std::span<const std::uint8_t> bytes) {
    return Insert(EditKind::kInsert, offset, static_cast<Offset>(bytes.size()), 0,
                  [bytes](std::uint8_t* gap) {
                      if (!bytes.empty())
                          std::memcpy(gap, bytes.data(), bytes.size());
                  });
}

EditOutcome BinaryDocument::InsertFill(Offset offset, Offset count, std::uint8_t value) {
    return Insert(EditKind::kInsertFill, offset, count, value,
                  [count, value](std::uint8_t* gap) { std::fill_n(gap, count, value); });
}

EditOutcome BinaryDocument::RemoveBytes(Offset offset, Offset count) {
    assert(offset >= 0 && count >= 0 && offset + count <= m_byteArray.size());
    const ByteEdit edit{EditKind::kRemove, offset, count, 0};
    if (const EditOutcome kept = Keep(edit, 0); kept != EditOutcome::kDone)
        return kept;
    m_byteArray.erase(offset, count);
    Edited(edit);
    return EditOutcome::kDone;
}

EditOutcome BinaryDocument::Reverse(Offset offset, Offset count) {
    return ChangeRange(EditKind::kReverse, offset, count, 0, ReverseInPlace);
}

EditOutcome BinaryDocument::Shift(Offset offset, Offset count, ShiftType type, int bits) {
    const EditKind kind = type == ShiftType::kLeft ? EditKind::kShiftLeft : EditKind::kShiftRight;
    return ChangeRange(kind, offset, count, 0, [type, bits](std::span<std::uint8_t> range) {
        ShiftInPlace(range, type, bits);
    });
}

EditOutcome BinaryDocument::Mask(Offset offset, Offset count, MaskType type, std::uint8_t value) {
    const EditKind kind = type == MaskType::kAnd  ? EditKind::kMaskAnd
                          : type == MaskType::kOr ? EditKind::kMaskOr
                                                  : EditKind::kMaskXor;
    return ChangeRange(kind, offset, count, value, [type, value](std::span<std::uint8_t> range) {
        MaskInPlace(range, type, value);
    });
}

EditOutcome BinaryDocument::OnesComplement(Offset offset, Offset count) {
    return ChangeRange(EditKind::kOnesComplement, offset, count, 0, OnesComplementInPlace);
}

EditOutcome BinaryDocument::TwosComplement(Offset offset, Offset count) {
    return ChangeRange(EditKind::kTwosComplement, offset, count, 0, TwosComplementInPlace);
}

EditOutcome BinaryDocument::ReplaceValue(Offset offset, Offset count, std::uint8_t oldValue,
                                         std::uint8_t newValue) {
    return ChangeRange(EditKind::kReplaceValue, offset, count, 0,
                       [oldValue, newValue](std::span<std::uint8_t> range) {
                           ReplaceValueInPlace(range, oldValue, newValue);
                       });
}

void BinaryDocument::BeginGroup(std::string_view name) {
    if (groupDepth_++ == 0)
        groupName_ = name;
}

void BinaryDocument::EndGroup() {
    assert(groupDepth_ > 0);
    if (--groupDepth_ > 0)
        return;
    history_.Close();
    Tell({EditKind::kGroupEnd, 0, 0, 0});
}

StepOutcome BinaryDocument::Undo() {
    EndTyping();
    assert(groupDepth_ == 0 && history_.CanUndo());
    return Replay(history_.StepToUndo(), true);
}

StepOutcome BinaryDocument::Redo() {
    EndTyping();
    assert(groupDepth_ == 0 && history_.CanRedo());
    return Replay(history_.StepToRedo(), false);
}

// Memory is taken before the first byte changes, so a step is replayed whole
// or not at all. An undone insert keeps its bytes for the redo only when they
// fit the budget; otherwise the step can no longer be redone.
StepOutcome BinaryDocument::Replay(UndoStep& step, bool undo) {
    Offset kept = 0;
    for (const UndoRecord& record : step.records) {
        if (record.kind == EditKind::kInsert)
            kept += record.count;
    }
    const bool keepInserts = !undo || history_.Fits(step.cost + kept);
    try {
        ReserveReplay(step.records, undo, keepInserts, m_byteArray);
    } catch (const std::bad_alloc&) {
        return {EditOutcome::kOutOfMemory, 0, 0};
    }
    // The observers see every change in turn, the document already at the
    // step's revision.
    revision_ = undo ? step.before : step.after;
    Offset first = std::numeric_limits<Offset>::max();
    Offset end = 0;
    const auto replay = [&](UndoRecord& record) {
        const ByteEdit notice =
            undo ? Revert(record, m_byteArray, keepInserts) : Reapply(record, m_byteArray);
        first = std::min(first, notice.offset);
        end = std::max(end, notice.offset + notice.newLength);
        UpdateEndMarker();
        Tell(notice);
    };
    if (undo) {
        std::for_each(step.records.rbegin(), step.records.rend(), replay);
        history_.Undone(keepInserts);
    } else {
        std::for_each(step.records.begin(), step.records.end(), replay);
        history_.Redone();
    }
    first = std::min(first, m_byteArray.size());
    end = std::clamp(end, first, m_byteArray.size());
    return {EditOutcome::kDone, first, end - first};
}

int BinaryDocument::AddObserver(Observer observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void BinaryDocument::RemoveObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace orvel
