#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/byte_buffer.h"
#include "document/byte_edit.h"
#include "document/byte_transforms.h"
#include "document/edit_outcome.h"
#include "document/end_marker.h"
#include "document/file_io.h"
#include "document/marking_state.h"

namespace orvel {

// The bytes of one file and what belongs to them: the end marker, the revision
// that gives the modified flag, and the marking state. Every change of the bytes
// goes through the edit interface below, which keeps the end marker and the
// revision right and tells the observers what happened. Used on the GUI thread;
// a marking or compare worker may read the bytes and the marking flags while it
// runs (it never resizes the array).
class BinaryDocument : public MarkingState {
  public:
    using Observer = std::function<void(const ByteEdit&)>;
    // Counts the edits; a revision is never given to two states of the bytes.
    using Revision = std::uint64_t;

    BinaryDocument();

    [[nodiscard]] const ByteBuffer& bytes() const { return m_byteArray; }
    [[nodiscard]] Offset size() const { return m_byteArray.size(); }
    [[nodiscard]] std::uint8_t at(Offset i) const { return m_byteArray[i]; }
    [[nodiscard]] const EndMarker& endMarker() const { return m_endMarker; }

    // m_bDataModified: the bytes differ from the file on disk. True when an
    // edit came after the last load or save, and for New and Import until saved.
    [[nodiscard]] bool dataModified() const {
        return revision_ != savedRevision_ || modifiedFromStart_;
    }
    [[nodiscard]] Revision revision() const { return revision_; }
    // The revision of the last load or save.
    [[nodiscard]] Revision savedRevision() const { return savedRevision_; }
    // The bytes are now those of the file on disk: the current revision becomes
    // the saved one, and the document is no longer modified.
    void MarkSaved();

    // File New: 32 zero bytes, modified.
    void NewDocument();
    // Replaces all bytes with `bytes` (a load or an import) and makes the result
    // the saved revision; `modified` keeps the document modified from the start
    // (bytes that come from no file).
    void AssignBytes(ByteBuffer bytes, bool modified);
    // Loads a regular file and remembers its stamp.
    [[nodiscard]] bool Load(const std::string& path, FileError& error);
    // Saves through a SafeFileWriter and remembers the saved file's stamp; on
    // failure the modified state is as it was.
    [[nodiscard]] bool Save(const std::string& path, FileError& error);

    // The file as it was when last read or saved; empty for a new document.
    [[nodiscard]] const std::optional<FileStamp>& diskStamp() const { return diskStamp_; }
    void setDiskStamp(const FileStamp& stamp) { diskStamp_ = stamp; }
    // True when a save to `target` would overwrite changes another program
    // made to the file last read or saved at `ownPath` (see IsChangedOnDisk).
    [[nodiscard]] bool IsChangedOnDisk(const std::string& target, const std::string& ownPath) const;

    void UpdateEndMarker();

    // --- The edit interface. Ranges [offset, offset + count) must lie within
    // the array, an insert position within [0, size]. Each edit bumps the
    // revision and tells the observers, even when it leaves every byte as it
    // was (the document is then modified all the same); only SetByte of the
    // value already there is no edit at all.

    void SetByte(Offset offset, std::uint8_t value);
    // Overwrites bytes.size() bytes from `offset`.
    void ReplaceRange(Offset offset, std::span<const std::uint8_t> bytes);
    // The inserts refuse to grow the file past kMaxFileSize (kFileTooLarge) and
    // report kOutOfMemory when memory fails; the document is then unchanged and
    // nobody is told.
    [[nodiscard]] EditOutcome InsertBytes(Offset offset, std::span<const std::uint8_t> bytes);
    [[nodiscard]] EditOutcome InsertFill(Offset offset, Offset count, std::uint8_t value);
    void RemoveBytes(Offset offset, Offset count);
    void Reverse(Offset offset, Offset count);
    // A logical shift of every byte by `bits` (>= 0); 8 or more clears the bytes.
    void Shift(Offset offset, Offset count, ShiftType type, int bits);
    void Mask(Offset offset, Offset count, MaskType type, std::uint8_t value);
    void OnesComplement(Offset offset, Offset count);
    void TwosComplement(Offset offset, Offset count);
    // Sets every byte equal to `oldValue` to `newValue`.
    void ReplaceValue(Offset offset, Offset count, std::uint8_t oldValue, std::uint8_t newValue);

    // A group of edits is one step for an undo history. Groups nest; when the
    // outermost one ends the observers are told a kGroupEnd. An edit made
    // outside any group is a step of its own.
    void BeginGroup();
    void EndGroup();
    [[nodiscard]] bool InGroup() const { return groupDepth_ > 0; }

    // Observers are told after every edit; the returned id removes one again.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

  private:
    // Applies `change` to the bytes of the range, then records the edit.
    template <typename Change>
    void ChangeRange(EditKind kind, Offset offset, Offset count, Change change);
    // Bumps the revision and tells the observers.
    void Edited(const ByteEdit& edit);
    void Tell(const ByteEdit& edit);

    ByteBuffer m_byteArray;
    Revision revision_ = 0;
    Revision savedRevision_ = 0;
    bool modifiedFromStart_ = false;
    int groupDepth_ = 0;
    EndMarker m_endMarker;
    std::optional<FileStamp> diskStamp_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

// Keeps a group of edits open on a document for its lifetime.
class EditGroup {
  public:
    explicit EditGroup(BinaryDocument& doc) : doc_(doc) { doc_.BeginGroup(); }
    ~EditGroup() { doc_.EndGroup(); }
    EditGroup(const EditGroup&) = delete;
    EditGroup& operator=(const EditGroup&) = delete;

  private:
    BinaryDocument& doc_;
};

}  // namespace orvel
