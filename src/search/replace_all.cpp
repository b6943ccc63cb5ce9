#include "search/replace_all.h"

#include "search/hit_scan.h"

namespace orvel {

ReplaceAllPlan PlanReplaceAll(const Searcher& searcher, std::span<const std::uint8_t> bytes,
                              Offset first, Offset last, std::span<const std::uint8_t> replacement,
                              const ProgressSink& progress) {
    ReplaceAllPlan plan;
    const Offset n = searcher.length();
    Offset copied = 0;  // the end of the bytes handled so far
    const std::uint8_t* data = bytes.data();
    plan.stopped = !ScanHits(
        searcher, bytes, first, last,
        [&](Offset at) {
            if (plan.count++ == 0) {
                plan.first = at;
                // The new bytes are rarely much longer than the old.
                plan.bytes.reserve(static_cast<std::size_t>(last - at));
            } else {
                plan.bytes.insert(plan.bytes.end(), data + copied, data + at);
            }
            plan.bytes.insert(plan.bytes.end(), replacement.begin(), replacement.end());
            copied = at + n;
            return true;
        },
        progress);
    if (plan.stopped || plan.count == 0)
        return ReplaceAllPlan{0, 0, {}, 0, plan.stopped};
    plan.oldLength = copied - plan.first;
    return plan;
}

EditOutcome SpliceBytes(BinaryDocument& doc, Offset offset, Offset oldLength,
                        std::span<const std::uint8_t> bytes, std::string_view name) {
    const auto newLength = static_cast<Offset>(bytes.size());
    if (!FitsFileSize(doc.size() - oldLength, newLength))
        return EditOutcome::kFileTooLarge;
    if (newLength == oldLength) {
        EditGroup group(doc, name);
        return doc.ReplaceRange(offset, bytes);
    }
    EditOutcome outcome = EditOutcome::kDone;
    doc.BeginGroup(name);
    if (oldLength > 0)
        outcome = doc.RemoveBytes(offset, oldLength);
    const bool removed = oldLength > 0 && outcome == EditOutcome::kDone;
    if (outcome == EditOutcome::kDone && newLength > 0)
        outcome = doc.InsertRange(offset, bytes);
    doc.EndGroup();
    // Only growing the array can fail after the removal (out of memory): the
    // step then holds the removal alone, and taking it back restores the bytes.
    if (outcome != EditOutcome::kDone && removed)
        (void)doc.Undo();
    return outcome;
}

}  // namespace orvel
