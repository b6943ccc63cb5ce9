#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "document/edit_outcome.h"
#include "document/undo_record.h"

namespace orvel {

// The name of the step that typing over the bytes makes.
inline constexpr std::string_view kTypingStepName = "Typing";

// What an undo or a redo did: on kDone, the bytes the step touched as they now
// lie (count 0 where the step's bytes went away, at the place they were).
struct StepOutcome {
    EditOutcome outcome = EditOutcome::kDone;
    Offset first = 0;
    Offset count = 0;
};

// One step of an undo history: the records of the edits that one command (or
// one run of typing) made, in the order made, and the document's revisions
// before and after them.
struct UndoStep {
    std::string name;
    std::uint64_t before = 0;
    std::uint64_t after = 0;
    std::vector<UndoRecord> records;
    bool typing = false;
    Offset cost = 0;  // the memory the step holds, as last counted
};

// The undo history of one document: the steps done, oldest first, then the
// steps undone, nearest first. It keeps the memory of its records within a
// budget by dropping the oldest steps (then the farthest undone ones); a single
// record larger than the whole budget is for the document to ask about
// (Fits). The document records its edits here before making them and replays
// the steps it takes from here. Not thread-safe.
class EditHistory {
  public:
    using Revision = std::uint64_t;

    // 1 GiB, or a quarter of the machine's memory when that is less.
    [[nodiscard]] static Offset DefaultBudget();

    explicit EditHistory(Offset budget = DefaultBudget()) : budget_(budget) {}

    [[nodiscard]] Offset budget() const { return budget_; }
    // Drops steps until the history fits the new budget.
    void setBudget(Offset budget);
    [[nodiscard]] Offset memoryUsed() const { return used_; }

    [[nodiscard]] bool CanUndo() const { return done_ > 0; }
    [[nodiscard]] bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step an undo or a redo would replay; empty for none.
    [[nodiscard]] std::string_view UndoName() const;
    [[nodiscard]] std::string_view RedoName() const;
    [[nodiscard]] std::size_t undoCount() const { return done_; }
    [[nodiscard]] std::size_t redoCount() const { return steps_.size() - done_; }
    void Clear();

    // --- Recording.

    // True when a record of `cost` bytes (see RecordCost) can be kept at all.
    [[nodiscard]] bool Fits(Offset cost) const;
    // Adds `record` to the open step, or opens a step for it named `name`
    // that starts at revision `before`, in place of every undone step; then
    // drops old steps down to the budget. Throws std::bad_alloc, leaving the
    // history as it was.
    void Add(UndoRecord record, std::string_view name, Revision before, bool typing);
    // Typing the byte at `offset`, whose value is `old`: true when the open
    // typing step takes it (it already holds the byte, or the byte follows its
    // bytes and the budget allows one more); false when a new step must start.
    // Throws std::bad_alloc, leaving the history as it was.
    [[nodiscard]] bool ExtendTyping(Offset offset, std::uint8_t old);
    // The revision after the open step's latest edit.
    void Stamp(Revision after);
    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] bool IsTypingOpen() const { return open_ && steps_[done_ - 1].typing; }
    // Ends the open step; the next record opens a new one.
    void Close() { open_ = false; }

    // --- Replaying. The document replays the step, then says so; no step may
    // be open.

    [[nodiscard]] UndoStep& StepToUndo() { return steps_[done_ - 1]; }
    [[nodiscard]] UndoStep& StepToRedo() { return steps_[done_]; }
    // The step to undo was undone; `redoable` false drops it and every step
    // undone before it (it could not keep its bytes).
    void Undone(bool redoable);
    void Redone();

  private:
    // Counts the step's memory again after its records changed.
    void Recount(std::size_t index);
    // Drops the oldest steps, then the farthest undone ones, until the history
    // fits its budget, but never the step at `keep` (if any).
    void Trim(std::ptrdiff_t keep);

    std::deque<UndoStep> steps_;
    std::size_t done_ = 0;
    bool open_ = false;
    Offset budget_;
    Offset used_ = 0;
};

}  // namespace orvel
