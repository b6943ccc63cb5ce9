#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/byte_buffer.h"
#include "document/byte_edit.h"
#include "document/byte_transforms.h"
#include "document/edit_history.h"
#include "document/edit_outcome.h"
#include "document/end_marker.h"
#include "document/file_io.h"
#include "document/marking_state.h"

namespace orvel {

// The bytes of one file and what belongs to them: the end marker, the revision
// that gives the modified flag, the undo history, and the marking state. Every
// change of the bytes goes through the edit interface below, which keeps the
// end marker, the revision and the history right and tells the observers what
// happened. Used on the GUI thread; a marking or compare worker may read the
// bytes and the marking flags while it runs (it never resizes the array).
class BinaryDocument : public MarkingState {
  public:
    using Observer = std::function<void(const ByteEdit&)>;
    // Names a state of the bytes: every edit gives a new one, an undo or a redo
    // the one its step had before or after. A revision never names two states.
    using Revision = EditHistory::Revision;
    // Asked before an edit whose undo data would exceed the history's budget:
    // true makes the edit anyway and clears the history, false leaves the
    // document as it was (kDeclined). With no question set the edit is made.
    using TooLargeQuestion = std::function<bool()>;

    BinaryDocument();

    [[nodiscard]] const ByteBuffer& bytes() const { return m_byteArray; }
    [[nodiscard]] Offset size() const { return m_byteArray.size(); }
    [[nodiscard]] std::uint8_t at(Offset i) const { return m_byteArray[i]; }
    [[nodiscard]] const EndMarker& endMarker() const { return endMarker_; }

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
    // the saved revision with an empty history; `modified` keeps the document
    // modified from the start (bytes that come from no file), which no undo ends.
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
    // the array, an insert position within [0, size]. Each edit records in the
    // history what its undo needs, bumps the revision and tells the observers,
    // even when it leaves every byte as it was (the document is then modified
    // all the same); only SetByte of the value already there is no edit at all.
    // An edit fails, changing nothing and telling nobody, when the user
    // declines a change too large to be undone (kDeclined) or the undo data
    // gets no memory (kNoMemoryForUndo); the inserts also refuse to grow the
    // file past kMaxFileSize (kFileTooLarge) and report kOutOfMemory when the
    // array cannot grow.

    EditOutcome SetByte(Offset offset, std::uint8_t value);
    // Overwrites bytes.size() bytes from `offset`.
    EditOutcome ReplaceRange(Offset offset, std::span<const std::uint8_t> bytes);
    [[nodiscard]] EditOutcome InsertRange(Offset offset, std::span<const std::uint8_t> bytes);
    [[nodiscard]] EditOutcome InsertFill(Offset offset, Offset count, std::uint8_t value);
    EditOutcome RemoveBytes(Offset offset, Offset count);
    EditOutcome Reverse(Offset offset, Offset count);
    // A logical shift of every byte by `bits` (>= 0); 8 or more clears the bytes.
    EditOutcome Shift(Offset offset, Offset count, ShiftType type, int bits);
    EditOutcome Mask(Offset offset, Offset count, MaskType type, std::uint8_t value);
    EditOutcome OnesComplement(Offset offset, Offset count);
    EditOutcome TwosComplement(Offset offset, Offset count);
    // Sets every byte equal to `oldValue` to `newValue`.
    EditOutcome ReplaceValue(Offset offset, Offset count, std::uint8_t oldValue,
                             std::uint8_t newValue);

    // Typing: SetByte, where the bytes typed one after another (the same byte
    // again, or the next one) form one step named kTypingStepName until
    // EndTyping or any other edit. A digit that leaves its byte as it was is
    // typed too, so that the step follows the caret.
    EditOutcome TypeByte(Offset offset, std::uint8_t value);
    // The caret moved by other means, or another command ran.
    void EndTyping();

    // A group of edits is one step of the history, named after the outermost
    // group. Groups nest; when the outermost one ends the observers are told a
    // kGroupEnd. An edit made outside any group is a step of its own.
    void BeginGroup(std::string_view name = {});
    void EndGroup();
    [[nodiscard]] bool InGroup() const { return groupDepth_ > 0; }

    // --- Undo and redo.

    [[nodiscard]] const EditHistory& history() const { return history_; }
    void setUndoBudget(Offset bytes) { history_.setBudget(bytes); }
    void setTooLargeQuestion(TooLargeQuestion question) { tooLarge_ = std::move(question); }
    // Takes the latest step back, or makes the latest undone step again: the
    // bytes, and the revision with them, become those before (after) the step,
    // and the observers are told each change. Returns the bytes the step
    // touched, as they now lie; kOutOfMemory leaves everything as it was.
    // Preconditions: history().CanUndo() (CanRedo()), and no group is open.
    [[nodiscard]] StepOutcome Undo();
    [[nodiscard]] StepOutcome Redo();

    // Observers are told after every edit; the returned id removes one again.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

  private:
    // Records the edit of the range, then applies `change` to its bytes.
    template <typename Change>
    EditOutcome ChangeRange(EditKind kind, Offset offset, Offset count, std::uint8_t value,
                            Change change);
    // Records in the history what an undo of `edit`, about to be made, needs
    // (asking first when it would not fit). kDone: the edit may go ahead.
    // A typing edit outside a group opens a step that later typing extends.
    EditOutcome Keep(const ByteEdit& edit, std::uint8_t value, bool typing = false);
    // Makes room for `count` bytes at `offset`, records the insert, then lets
    // `fill` write them.
    template <typename Fill>
    EditOutcome Insert(EditKind kind, Offset offset, Offset count, std::uint8_t value, Fill fill);
    // Gives the edit made a new revision and tells the observers.
    void Edited(const ByteEdit& edit);
    void Tell(const ByteEdit& edit);
    StepOutcome Replay(UndoStep& step, bool undo);

    ByteBuffer m_byteArray;
    Revision revision_ = 0;
    Revision lastRevision_ = 0;
    Revision savedRevision_ = 0;
    bool modifiedFromStart_ = false;
    int groupDepth_ = 0;
    std::string groupName_;
    EditHistory history_;
    TooLargeQuestion tooLarge_;
    EndMarker endMarker_;
    std::optional<FileStamp> diskStamp_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
};

// Keeps a group of edits open on a document for its lifetime.
class EditGroup {
  public:
    explicit EditGroup(BinaryDocument& doc, std::string_view name = {}) : doc_(doc) {
        doc_.BeginGroup(name);
    }
    ~EditGroup() { doc_.EndGroup(); }
    EditGroup(const EditGroup&) = delete;
    EditGroup& operator=(const EditGroup&) = delete;

  private:
    BinaryDocument& doc_;
};

}  // namespace orvel
