#include "document/binary_document.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>
#include <utility>

#include "view/dump_layout.h"

namespace orvel {

EndMarker EndMarker::ForSize(Offset size) {
    EndMarker marker;
    marker.m_nEndLine = size / 16;
    const int k = static_cast<int>(size % 16) - 1;
    if (k >= 0) {
        const auto cols = ByteInLineToCols(k);
        marker.m_nEndHighCol = cols.high;
        marker.m_nEndLowCol = cols.low;
    }
    return marker;
}

BinaryDocument::BinaryDocument() {
    UpdateEndMarker();
}

template <typename Change>
void BinaryDocument::ChangeRange(EditKind kind, Offset offset, Offset count, Change change) {
    assert(offset >= 0 && count >= 0 && offset + count <= m_byteArray.size());
    change(std::span<std::uint8_t>(m_byteArray.data() + offset, static_cast<std::size_t>(count)));
    Edited({kind, offset, count, count});
}

void BinaryDocument::Edited(const ByteEdit& edit) {
    ++revision_;
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
    ++revision_;
    savedRevision_ = revision_;
    modifiedFromStart_ = modified;
    UpdateEndMarker();
    Tell({EditKind::kAssign, 0, oldSize, m_byteArray.size()});
}

bool BinaryDocument::Load(const std::string& path, FileError& error) {
    ByteBuffer loaded;
    FileStamp stamp;
    if (!LoadFile(path, loaded, error, FileKinds::RegularOnly, &stamp))
        return false;
    AssignBytes(std::move(loaded), false);
    diskStamp_ = stamp;
    return true;
}

bool BinaryDocument::Save(const std::string& path, FileError& error) {
    FileStamp stamp;
    if (!SaveFile(path, m_byteArray, error, FileKinds::RegularOnly, &stamp))
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
    m_endMarker = EndMarker::ForSize(m_byteArray.size());
}

void BinaryDocument::SetByte(Offset offset, std::uint8_t value) {
    if (m_byteArray[offset] == value)
        return;
    m_byteArray[offset] = value;
    Edited({EditKind::kSet, offset, 1, 1});
}

void BinaryDocument::ReplaceRange(Offset offset, std::span<const std::uint8_t> bytes) {
    ChangeRange(EditKind::kReplaceRange, offset, static_cast<Offset>(bytes.size()),
                [bytes](std::span<std::uint8_t> range) {
                    if (!bytes.empty())
                        std::memcpy(range.data(), bytes.data(), bytes.size());
                });
}

EditOutcome BinaryDocument::InsertBytes(Offset offset, std::span<const std::uint8_t> bytes) {
    const auto count = static_cast<Offset>(bytes.size());
    if (!FitsFileSize(m_byteArray.size(), count))
        return EditOutcome::kFileTooLarge;
    try {
        std::uint8_t* gap = m_byteArray.insertGap(offset, count);
        if (count > 0)
            std::memcpy(gap, bytes.data(), bytes.size());
    } catch (const std::bad_alloc&) {
        return EditOutcome::kOutOfMemory;
    }
    Edited({EditKind::kInsert, offset, 0, count});
    return EditOutcome::kDone;
}

EditOutcome BinaryDocument::InsertFill(Offset offset, Offset count, std::uint8_t value) {
    if (!FitsFileSize(m_byteArray.size(), count))
        return EditOutcome::kFileTooLarge;
    try {
        std::fill_n(m_byteArray.insertGap(offset, count), count, value);
    } catch (const std::bad_alloc&) {
        return EditOutcome::kOutOfMemory;
    }
    Edited({EditKind::kInsertFill, offset, 0, count});
    return EditOutcome::kDone;
}

void BinaryDocument::RemoveBytes(Offset offset, Offset count) {
    m_byteArray.erase(offset, count);
    Edited({EditKind::kRemove, offset, count, 0});
}

void BinaryDocument::Reverse(Offset offset, Offset count) {
    ChangeRange(EditKind::kReverse, offset, count, ReverseInPlace);
}

void BinaryDocument::Shift(Offset offset, Offset count, ShiftType type, int bits) {
    const EditKind kind = type == ShiftType::kLeft ? EditKind::kShiftLeft : EditKind::kShiftRight;
    ChangeRange(kind, offset, count,
                [type, bits](std::span<std::uint8_t> range) { ShiftInPlace(range, type, bits); });
}

void BinaryDocument::Mask(Offset offset, Offset count, MaskType type, std::uint8_t value) {
    const EditKind kind = type == MaskType::kAnd  ? EditKind::kMaskAnd
                          : type == MaskType::kOr ? EditKind::kMaskOr
                                                  : EditKind::kMaskXor;
    ChangeRange(kind, offset, count,
                [type, value](std::span<std::uint8_t> range) { MaskInPlace(range, type, value); });
}

void BinaryDocument::OnesComplement(Offset offset, Offset count) {
    ChangeRange(EditKind::kOnesComplement, offset, count, OnesComplementInPlace);
}

void BinaryDocument::TwosComplement(Offset offset, Offset count) {
    ChangeRange(EditKind::kTwosComplement, offset, count, TwosComplementInPlace);
}

void BinaryDocument::ReplaceValue(Offset offset, Offset count, std::uint8_t oldValue,
                                  std::uint8_t newValue) {
    ChangeRange(EditKind::kReplaceValue, offset, count,
                [oldValue, newValue](std::span<std::uint8_t> range) {
                    ReplaceValueInPlace(range, oldValue, newValue);
                });
}

void BinaryDocument::BeginGroup() {
    ++groupDepth_;
}

void BinaryDocument::EndGroup() {
    assert(groupDepth_ > 0);
    if (--groupDepth_ == 0)
        Tell({EditKind::kGroupEnd, 0, 0, 0});
}

int BinaryDocument::AddObserver(Observer observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void BinaryDocument::RemoveObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace orvel
