#include "compare/gap_aligner.h"

#include <algorithm>
#include <limits>

#include "compare/compare_engine.h"
#include "compare/edit_joiner.h"

namespace orvel {
namespace {

// The search's budget: steps per byte of the gap, a floor for short gaps and a
// ceiling that keeps any gap within a few milliseconds.
constexpr Offset kWorkPerByte = 64;
constexpr Offset kBaseWork = Offset{1} << 16;
constexpr Offset kMaxWork = Offset{1} << 24;

// What comparing n bytes in place costs: differing bytes, and runs of them.
struct InPlace {
    Offset bytes = 0;
    Offset runs = 0;
};

InPlace CompareInPlace(const std::uint8_t* a, const std::uint8_t* b, Offset n) {
    InPlace cost;
    bool inRun = false;
    for (Offset i = 0; i < n; ++i) {
        const bool differs = a[i] != b[i];
        cost.bytes += differs ? 1 : 0;
        cost.runs += differs && !inRun ? 1 : 0;
        inRun = differs;
    }
    return cost;
}

}  // namespace

bool EmitChangedRuns(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                     Offset offsetA, Offset offsetB, const EditSink& sink) {
    const auto n = static_cast<Offset>(std::min(a.size(), b.size()));
    for (Offset pos = 0; pos < n;) {
        const Offset first = FindFirstMismatch(a.data(), b.data(), pos, n);
        if (first < 0)
            break;
        pos = first + 1;
        while (pos < n && a[pos] != b[pos])
            ++pos;
        if (!sink({AlignedEditKind::kChange, offsetA + first, offsetB + first, pos - first}))
            return false;
    }
    return true;
}

bool GapAligner::Align(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                       Offset offsetA, Offset offsetB, const EditSink& sink) {
    const auto la = static_cast<Offset>(a.size());
    const auto lb = static_cast<Offset>(b.size());
    const Offset common = std::min(la, lb);
    const Offset surplus = la > lb ? la - lb : lb - la;
    const InPlace atEnd = CompareInPlace(a.data(), b.data(), common);
    const InPlace atStart = CompareInPlace(a.data() + la - common, b.data() + lb - common, common);
    const bool surplusFirst = atStart.bytes < atEnd.bytes;
    const InPlace cheap = surplusFirst ? atStart : atEnd;
    const Offset cheapCost = cheap.bytes + surplus;
    const Offset cheapScore = cheapCost + kEditWeight * (cheap.runs + (surplus > 0 ? 1 : 0));

    if (cheapCost > surplus && LeastScript(a, b, std::min(cheapCost - 1, kMaxGapEdits), script_)) {
        Offset score = 0;
        for (const AlignedEdit& edit : script_)
            score += edit.length + kEditWeight;
        if (score < cheapScore) {
            for (const AlignedEdit& edit : script_) {
                if (!sink({edit.kind, offsetA + edit.offsetA, offsetB + edit.offsetB, edit.length}))
                    return false;
            }
            return true;
        }
    }

    // The cheap script: the surplus at the start or the end, the rest compared in place.
    const Offset indelAt = surplusFirst ? 0 : common;
    const AlignedEdit indel{la > lb ? AlignedEditKind::kDelete : AlignedEditKind::kInsert,
                            offsetA + indelAt, offsetB + indelAt, surplus};
    if (surplusFirst && surplus > 0 && !sink(indel))
        return false;
    const Offset skipA = surplusFirst ? la - common : 0;
    const Offset skipB = surplusFirst ? lb - common : 0;
    if (!EmitChangedRuns(a.subspan(static_cast<std::size_t>(skipA)),
                         b.subspan(static_cast<std::size_t>(skipB)), offsetA + skipA,
                         offsetB + skipB, sink)) {
        return false;
    }
    return surplusFirst || surplus == 0 || sink(indel);
}

std::int32_t GapAligner::Row(Offset d, Offset k) const {
    return rows_[static_cast<std::size_t>(d * d + k + d)];
}

GapAligner::Step GapAligner::Reach(Offset d, Offset k, Offset la, Offset lb) const {
    Step best{-1, AlignedEditKind::kChange};
    const auto consider = [&best](Offset row, AlignedEditKind kind) {
        if (row > best.from)
            best = {static_cast<std::int32_t>(row), kind};
    };
    const Offset reach = d - 1;
    if (k >= -reach && k <= reach) {
        const Offset row = Row(reach, k);
        if (row >= 0 && row < la && row + k < lb)
            consider(row + 1, AlignedEditKind::kChange);
    }
    if (k - 1 >= -reach && k - 1 <= reach) {
        const Offset row = Row(reach, k - 1);
        if (row >= 0 && row + k <= lb)
            consider(row, AlignedEditKind::kInsert);
    }
    if (k + 1 >= -reach && k + 1 <= reach) {
        const Offset row = Row(reach, k + 1);
        if (row >= 0 && row < la)
            consider(row + 1, AlignedEditKind::kDelete);
    }
    return best;
}

Offset GapAligner::LeastCost(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                             Offset limit) {
    const auto la = static_cast<Offset>(a.size());
    const auto lb = static_cast<Offset>(b.size());
    if (std::max(la, lb) >= std::numeric_limits<std::int32_t>::max())
        return -1;
    const Offset budget = std::min(kWorkPerByte * (la + lb) + kBaseWork, kMaxWork);
    const Offset endDiagonal = lb - la;
    Offset work = 0;
    for (Offset d = 0; d <= std::min(limit, kMaxGapEdits) && work <= budget; ++d) {
        rows_.resize(static_cast<std::size_t>((d + 1) * (d + 1)));
        for (Offset k = -d; k <= d; ++k) {
            Offset row = -1;
            if (k >= -la && k <= lb)
                row = d == 0 ? 0 : Reach(d, k, la, lb).from;
            if (row >= 0) {
                const Offset start = row;
                while (row < la && row + k < lb && a[row] == b[row + k])
                    ++row;
                work += row - start;
            }
            rows_[static_cast<std::size_t>(d * d + k + d)] = static_cast<std::int32_t>(row);
            ++work;
        }
        if (endDiagonal >= -d && endDiagonal <= d && Row(d, endDiagonal) == la)
            return d;
    }
    return -1;
}

bool GapAligner::LeastScript(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                             Offset limit, std::vector<AlignedEdit>& script) {
    script.clear();
    const auto la = static_cast<Offset>(a.size());
    const auto lb = static_cast<Offset>(b.size());
    const Offset cost = LeastCost(a, b, limit);
    if (cost < 0)
        return false;
    // Back from the end, one edit a step; each step's edit is where it landed, less one.
    steps_.clear();
    Offset k = lb - la;
    for (Offset d = cost; d > 0; --d) {
        const Step step = Reach(d, k, la, lb);
        const Offset row = step.from;
        switch (step.kind) {
            case AlignedEditKind::kChange:
                steps_.push_back({AlignedEditKind::kChange, row - 1, row - 1 + k, 1});
                break;
            case AlignedEditKind::kInsert:
                steps_.push_back({AlignedEditKind::kInsert, row, row + k - 1, 1});
                --k;
                break;
            case AlignedEditKind::kDelete:
                steps_.push_back({AlignedEditKind::kDelete, row - 1, row + k, 1});
                ++k;
                break;
        }
    }
    const EditSink keep = [&script](const AlignedEdit& edit) {
        script.push_back(edit);
        return true;
    };
    EditJoiner joiner(keep);
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
        static_cast<void>(joiner.Add(*step));
    return joiner.Flush();
}

}  // namespace orvel
