#include "document/binary_document.h"

#include <algorithm>
#include <cstring>
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

void BinaryDocument::NewDocument() {
    AssignBytes(ByteBuffer(32), true);
}

void BinaryDocument::AssignBytes(ByteBuffer bytes, bool modified) {
    m_byteArray = std::move(bytes);
    Changed({ByteEdit::Kind::Structure, 0, m_byteArray.size()});
    m_bDataModified = modified ? 1 : 0;
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
    m_bDataModified = 0;
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
    Changed({ByteEdit::Kind::Values, offset, 1});
}

void BinaryDocument::ReplaceBytes(Offset offset, std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        std::memcpy(m_byteArray.data() + offset, bytes.data(), bytes.size());
    Changed({ByteEdit::Kind::Values, offset, static_cast<Offset>(bytes.size())});
}

void BinaryDocument::TransformRange(Offset offset, Offset count,
                                    const std::function<void(std::span<std::uint8_t>)>& transform,
                                    ByteEdit::Kind kind) {
    transform(
        std::span<std::uint8_t>(m_byteArray.data() + offset, static_cast<std::size_t>(count)));
    Changed({kind, offset, count});
}

void BinaryDocument::InsertBytes(Offset offset, std::span<const std::uint8_t> bytes) {
    const auto count = static_cast<Offset>(bytes.size());
    std::uint8_t* gap = m_byteArray.insertGap(offset, count);
    if (count > 0)
        std::memcpy(gap, bytes.data(), bytes.size());
    Changed({ByteEdit::Kind::Structure, offset, count});
}

void BinaryDocument::InsertFill(Offset offset, Offset count, std::uint8_t value) {
    std::memset(m_byteArray.insertGap(offset, count), value, static_cast<std::size_t>(count));
    Changed({ByteEdit::Kind::Structure, offset, count});
}

void BinaryDocument::RemoveBytes(Offset offset, Offset count) {
    m_byteArray.erase(offset, count);
    Changed({ByteEdit::Kind::Structure, offset, count});
}

int BinaryDocument::AddObserver(Observer observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void BinaryDocument::RemoveObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void BinaryDocument::Changed(const ByteEdit& edit) {
    m_bDataModified = 1;
    UpdateEndMarker();
    for (const auto& [id, observer] : observers_)
        observer(edit);
}

}  // namespace orvel
