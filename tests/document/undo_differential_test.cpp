// Undo and redo against a model that keeps a whole copy of the bytes after
// every step: random typed edits of every kind on random documents, with undo,
// redo, saves and runs of typing mixed in, checked after every operation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "document/binary_document.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Model {
  public:
    explicit Model(Bytes original) : states_{std::move(original)} {}

    [[nodiscard]] const Bytes& current() const { return states_[cursor_]; }
    [[nodiscard]] const Bytes& first() const { return states_.front(); }
    [[nodiscard]] const Bytes& last() const { return states_.back(); }
    [[nodiscard]] bool modified() const { return saved_ != cursor_; }
    [[nodiscard]] bool canUndo() const { return cursor_ > 0; }
    [[nodiscard]] bool canRedo() const { return cursor_ + 1 < states_.size(); }

    // A new step with `bytes`; the undone states, and a save among them, are gone.
    void Step(Bytes bytes) {
        if (saved_ > cursor_)
            saved_ = kNone;
        states_.resize(cursor_ + 1);
        states_.push_back(std::move(bytes));
        ++cursor_;
    }
    // The step of the current state grows (typing): the state it had is gone.
    void Amend(Bytes bytes) {
        if (saved_ == cursor_)
            saved_ = kNone;
        states_[cursor_] = std::move(bytes);
    }
    void Undo() { --cursor_; }
    void Redo() { ++cursor_; }
    void Save() { saved_ = cursor_; }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<Bytes> states_;
    std::size_t cursor_ = 0;
    std::size_t saved_ = 0;
};

class UndoRun {
  public:
    UndoRun(std::uint32_t seed, Bytes original) : rng_(seed), model_(original) {
        doc_.AssignBytes(ByteBuffer(original.data(), static_cast<Offset>(original.size())), false);
        doc_.AddObserver([this](const ByteEdit& edit) {
            toldSize_ += edit.newLength - edit.oldLength;
            EXPECT_LE(edit.offset + edit.newLength, doc_.size());
        });
        toldSize_ = doc_.size();
    }

    void Run(int operations) {
        for (int i = 0; i < operations; ++i) {
            const int pick = Random(0, 99);
            if (pick < 15) {
                Undo();
            } else if (pick < 25) {
                Redo();
            } else if (pick < 28) {
                doc_.MarkSaved();
                model_.Save();
            } else if (pick < 45) {
                Type();
            } else if (pick < 50) {
                Group();
            } else {
                const Bytes before = model_.current();
                Bytes after = before;
                if (Edit(after) != EditOutcome::kDone)
                    continue;
                EndTyping();
                model_.Step(std::move(after));
            }
            Check(i);
        }
        while (model_.canUndo())
            Undo();
        EXPECT_EQ(Doc(), model_.first()) << "after undoing all";
        while (model_.canRedo())
            Redo();
        EXPECT_EQ(Doc(), model_.last()) << "after redoing all";
        Check(operations);
    }

  private:
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::uint8_t RandomByte() { return static_cast<std::uint8_t>(Random(0, 255)); }

    // Often an end of the bytes, else anywhere in [0, size].
    Offset Place(Offset size) {
        const int pick = Random(0, 3);
        if (pick == 0)
            return 0;
        if (pick == 1)
            return size;
        return Random(0, static_cast<int>(size));
    }
    // A range [offset, offset + count) within the bytes: often empty or reaching an end.
    std::pair<Offset, Offset> Range(Offset size) {
        const Offset offset = Place(size);
        const Offset room = size - offset;
        const int pick = Random(0, 3);
        const Offset count = pick == 0 ? 0 : pick == 1 ? room : Random(0, static_cast<int>(room));
        return {offset, count};
    }

    [[nodiscard]] Bytes Doc() const {
        const auto span = doc_.bytes().span();
        return {span.begin(), span.end()};
    }

    // Makes one random edit of every kind but typing on the document and on `m`.
    EditOutcome Edit(Bytes& m) {
        const auto size = static_cast<Offset>(m.size());
        const auto [offset, count] = Range(size);
        const auto first = m.begin() + offset;
        const auto end = first + count;
        const std::uint8_t value = RandomByte();
        switch (Random(0, 12)) {
            case 0: {
                if (size == 0)
                    return EditOutcome::kDeclined;
                const Offset at = std::min(offset, size - 1);
                if (m[at] == value)
                    return EditOutcome::kDeclined;  // no edit at all
                m[at] = value;
                return doc_.SetByte(at, value);
            }
            case 1: {
                Bytes bytes(count);
                for (auto& b : bytes)
                    b = RandomByte();
                std::copy(bytes.begin(), bytes.end(), first);
                return doc_.ReplaceRange(offset, bytes);
            }
            case 2: {
                Bytes bytes(Random(0, 40));
                for (auto& b : bytes)
                    b = RandomByte();
                m.insert(first, bytes.begin(), bytes.end());
                return doc_.InsertRange(offset, bytes);
            }
            case 3: {
                const int n = Random(0, 40);
                m.insert(first, n, value);
                return doc_.InsertFill(offset, n, value);
            }
            case 4:
                m.erase(first, end);
                return doc_.RemoveBytes(offset, count);
            case 5:
                std::reverse(first, end);
                return doc_.Reverse(offset, count);
            case 6: {
                const int bits = Random(0, 9);
                const bool left = Random(0, 1) == 0;
                std::for_each(first, end, [&](std::uint8_t& b) {
                    b = bits >= 8 ? 0 : static_cast<std::uint8_t>(left ? b << bits : b >> bits);
                });
                return doc_.Shift(offset, count, left ? ShiftType::kLeft : ShiftType::kRight, bits);
            }
            case 7:
                std::for_each(first, end, [&](std::uint8_t& b) { b &= value; });
                return doc_.Mask(offset, count, MaskType::kAnd, value);
            case 8:
                std::for_each(first, end, [&](std::uint8_t& b) { b |= value; });
                return doc_.Mask(offset, count, MaskType::kOr, value);
            case 9:
                std::for_each(first, end, [&](std::uint8_t& b) { b ^= value; });
                return doc_.Mask(offset, count, MaskType::kXor, value);
            case 10:
                std::for_each(first, end, [](std::uint8_t& b) { b = ~b; });
                return doc_.OnesComplement(offset, count);
            case 11:
                std::for_each(first, end, [](std::uint8_t& b) { b = -b; });
                return doc_.TwosComplement(offset, count);
            default: {
                // Often a value the range holds.
                const std::uint8_t from = count > 0 && Random(0, 1) == 0 ? *first : RandomByte();
                std::replace(first, end, from, value);
                return doc_.ReplaceValue(offset, count, from, value);
            }
        }
    }

    // A run of digits typed over bytes from one place on, sometimes the same
    // value again, sometimes cut short by a caret move.
    void Type() {
        const auto size = static_cast<Offset>(model_.current().size());
        if (size == 0)
            return;
        Offset at = std::min(Place(size), size - 1);
        const int digits = Random(1, 12);
        for (int d = 0; d < digits && at < size; ++d) {
            Bytes m = model_.current();
            const std::uint8_t value = Random(0, 3) == 0 ? m[at] : RandomByte();
            ASSERT_EQ(doc_.TypeByte(at, value), EditOutcome::kDone);
            const bool joins = typing_ && at >= runStart_ && at <= runEnd_;
            if (joins)
                runEnd_ = std::max(runEnd_, at + 1);
            if (m[at] != value) {
                m[at] = value;
                if (joins) {
                    model_.Amend(std::move(m));
                } else {
                    model_.Step(std::move(m));
                    typing_ = true;
                    runStart_ = at;
                    runEnd_ = at + 1;
                }
            }
            if (d % 2 == 1)
                ++at;  // the low digit moves the caret on
            Check(d);
        }
        if (Random(0, 2) == 0) {
            doc_.EndTyping();
            EndTyping();
        }
    }

    // A few edits in one group make one step.
    void Group() {
        Bytes m = model_.current();
        int made = 0;
        {
            const EditGroup group(doc_, "Group");
            for (int n = Random(0, 3); n > 0; --n) {
                if (Edit(m) == EditOutcome::kDone)
                    ++made;
            }
        }
        EndTyping();
        if (made > 0) {
            model_.Step(std::move(m));
            EXPECT_EQ(doc_.history().UndoName(), "Group");
        }
    }

    void Undo() { Replay(true); }
    void Redo() { Replay(false); }

    void Replay(bool undo) {
        if (undo ? !model_.canUndo() : !model_.canRedo())
            return;
        const StepOutcome step = undo ? doc_.Undo() : doc_.Redo();
        ASSERT_EQ(step.outcome, EditOutcome::kDone);
        EXPECT_LE(step.first + step.count, doc_.size());
        EndTyping();
        if (undo) {
            model_.Undo();
        } else {
            model_.Redo();
        }
    }

    void EndTyping() { typing_ = false; }

    void Check(int step) {
        ASSERT_EQ(Doc(), model_.current()) << "operation " << step;
        EXPECT_EQ(doc_.dataModified(), model_.modified()) << "operation " << step;
        EXPECT_EQ(doc_.history().CanUndo(), model_.canUndo()) << "operation " << step;
        EXPECT_EQ(doc_.history().CanRedo(), model_.canRedo()) << "operation " << step;
        EXPECT_EQ(doc_.endMarker(), EndMarker::ForSize(doc_.size()));
        EXPECT_EQ(toldSize_, doc_.size()) << "the notices lost count of the size";
    }

    std::mt19937 rng_;
    BinaryDocument doc_;
    Model model_;
    Offset toldSize_ = 0;
    bool typing_ = false;
    Offset runStart_ = 0;
    Offset runEnd_ = 0;
};

Bytes RandomBytes(std::uint32_t seed, std::size_t size) {
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(rng());
    return bytes;
}

TEST(UndoDifferentialTest, RandomEditsUndoneAndRedoneMatchWholeCopies) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::size_t size = seed % 5 == 0 ? 0 : seed % 5 == 1 ? 1 : (seed * 37) % 300;
        UndoRun run(seed, RandomBytes(seed, size));
        run.Run(300);
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
}  // namespace orvel
