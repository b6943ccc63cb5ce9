#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/byte_buffer.h"
#include "document/end_marker.h"
#include "document/file_io.h"
#include "document/marking_state.h"

namespace orvel {

// What an edit did to the bytes, as told to the document's observers (views).
struct ByteEdit {
    enum class Kind {
        Values,     // bytes [first, first + count) changed value; size and order kept
        Structure,  // size or order changed from `first` on (insert, remove, reverse, load)
    };
    Kind kind;
    Offset first;
    Offset count;
};

// The bytes of one file and what belongs to them: the changed flag, the end
// marker and the marking state. Every change of the bytes goes through the edit
// interface below, which keeps the end marker and the changed flag right and
// tells the observers. Used on the GUI thread; a marking worker may read the
// bytes and the marking flags while it runs (it never resizes the array).
class BinaryDocument : public MarkingState {
  public:
    using Observer = std::function<void(const ByteEdit&)>;

    BinaryDocument();

    [[nodiscard]] const ByteBuffer& bytes() const { return m_byteArray; }
    [[nodiscard]] Offset size() const { return m_byteArray.size(); }
    [[nodiscard]] std::uint8_t at(Offset i) const { return m_byteArray[i]; }
    [[nodiscard]] const EndMarker& endMarker() const { return m_endMarker; }
    [[nodiscard]] bool dataModified() const { return m_bDataModified != 0; }
    void setDataModified(bool modified) { m_bDataModified = modified ? 1 : 0; }

    // File New: 32 zero bytes, modified.
    void NewDocument();
    // Replaces all bytes with `bytes` (a load or an import); `modified` is the
    // changed flag afterwards.
    void AssignBytes(ByteBuffer bytes, bool modified);
    // Loads a regular file and remembers its stamp.
    [[nodiscard]] bool Load(const std::string& path, FileError& error);
    // Saves through a SafeFileWriter and remembers the saved file's stamp; on
    // failure the changed flag is as it was.
    [[nodiscard]] bool Save(const std::string& path, FileError& error);

    // The file as it was when last read or saved; empty for a new document.
    [[nodiscard]] const std::optional<FileStamp>& diskStamp() const { return diskStamp_; }
    void setDiskStamp(const FileStamp& stamp) { diskStamp_ = stamp; }
    // True when a save to `target` would overwrite changes another program
    // made to the file last read or saved at `ownPath` (see IsChangedOnDisk).
    [[nodiscard]] bool IsChangedOnDisk(const std::string& target, const std::string& ownPath) const;

    void UpdateEndMarker();

    // --- The edit interface. Offsets must lie within the array; an insert must
    // keep the size within kMaxFileSize (callers check with FitsFileSize) and
    // throws std::bad_alloc, leaving the document unchanged, when memory fails.
    // Every edit but SetByte sets the changed flag.

    // Stores one byte; sets the changed flag only when the value differs.
    void SetByte(Offset offset, std::uint8_t value);
    void ReplaceBytes(Offset offset, std::span<const std::uint8_t> bytes);
    // Hands [offset, offset + count) to `transform` to change in place.
    // `kind` tells the views whether values or the order changed.
    void TransformRange(Offset offset, Offset count,
                        const std::function<void(std::span<std::uint8_t>)>& transform,
                        ByteEdit::Kind kind = ByteEdit::Kind::Values);
    void InsertBytes(Offset offset, std::span<const std::uint8_t> bytes);
    void InsertFill(Offset offset, Offset count, std::uint8_t value);
    void RemoveBytes(Offset offset, Offset count);

    // Observers are told after every edit; the returned id removes one again.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

  private:
    void Changed(const ByteEdit& edit);

    ByteBuffer m_byteArray;
    int m_bDataModified = 0;
    EndMarker m_endMarker;
    std::optional<FileStamp> diskStamp_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

}  // namespace orvel
