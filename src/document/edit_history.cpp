#include "document/edit_history.h"

#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <utility>

namespace orvel {

Offset EditHistory::DefaultBudget() {
    constexpr Offset kGiB = Offset{1} << 30;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return kGiB;
    return std::min(kGiB, static_cast<Offset>(pages) * pageSize / 4);
}

void EditHistory::setBudget(Offset budget) {
    budget_ = std::max<Offset>(budget, 0);
    Trim(open_ ? static_cast<std::ptrdiff_t>(done_) - 1 : -1);
}

std::string_view EditHistory::UndoName() const {
    return CanUndo() ? std::string_view(steps_[done_ - 1].name) : std::string_view();
}

std::string_view EditHistory::RedoName() const {
    return CanRedo() ? std::string_view(steps_[done_].name) : std::string_view();
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    open_ = false;
    used_ = 0;
}

bool EditHistory::Fits(Offset cost) const {
    return cost <= budget_ - static_cast<Offset>(sizeof(UndoStep));
}

void EditHistory::Add(UndoRecord record, std::string_view name, Revision before, bool typing) {
    if (open_) {
        steps_[done_ - 1].records.push_back(std::move(record));
    } else {
        UndoStep step{std::string(name), before, before, {}, typing, 0};
        step.records.push_back(std::move(record));
        steps_.push_back(std::move(step));
        // The undone steps give way to the new one.
        const auto undone = steps_.begin() + static_cast<std::ptrdiff_t>(done_);
        for (auto it = undone; it != steps_.end() - 1; ++it)
            used_ -= it->cost;
        steps_.erase(undone, steps_.end() - 1);
        done_ = steps_.size();
        open_ = true;
    }
    Recount(done_ - 1);
    Trim(static_cast<std::ptrdiff_t>(done_) - 1);
}

bool EditHistory::ExtendTyping(Offset offset, std::uint8_t old) {
    if (!IsTypingOpen())
        return false;
    UndoStep& step = steps_[done_ - 1];
    UndoRecord& run = step.records.back();
    const Offset end = run.offset + static_cast<Offset>(run.bytes.size());
    if (offset >= run.offset && offset < end)
        return true;
    if (offset != end || step.cost >= budget_)
        return false;
    run.bytes.push_back(old);
    run.count = static_cast<Offset>(run.bytes.size());
    Recount(done_ - 1);
    Trim(static_cast<std::ptrdiff_t>(done_) - 1);
    return true;
}

void EditHistory::Stamp(Revision after) {
    if (open_)
        steps_[done_ - 1].after = after;
}

void EditHistory::Undone(bool redoable) {
    assert(!open_ && done_ > 0);
    --done_;
    if (redoable) {
        Recount(done_);
        Trim(static_cast<std::ptrdiff_t>(done_));
        return;
    }
    for (auto it = steps_.begin() + static_cast<std::ptrdiff_t>(done_); it != steps_.end(); ++it)
        used_ -= it->cost;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
}

void EditHistory::Redone() {
    assert(!open_ && done_ < steps_.size());
    ++done_;
    Recount(done_ - 1);
    Trim(static_cast<std::ptrdiff_t>(done_) - 1);
}

void EditHistory::Recount(std::size_t index) {
    UndoStep& step = steps_[index];
    Offset cost =
        static_cast<Offset>(sizeof(UndoStep) + step.name.capacity() +
                            (step.records.capacity() - step.records.size()) * sizeof(UndoRecord));
    for (const UndoRecord& record : step.records)
        cost += record.Cost();
    used_ += cost - step.cost;
    step.cost = cost;
}

void EditHistory::Trim(std::ptrdiff_t keep) {
    while (used_ > budget_) {
        if (done_ > 0 && keep != 0) {
            if (done_ == 1)
                open_ = false;
            used_ -= steps_.front().cost;
            steps_.pop_front();
            --done_;
            --keep;
        } else if (steps_.size() > done_ &&
                   static_cast<std::ptrdiff_t>(steps_.size()) - 1 != keep) {
            used_ -= steps_.back().cost;
            steps_.pop_back();
        } else {
            break;
        }
    }
}

}  // namespace orvel
