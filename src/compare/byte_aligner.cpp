#include "compare/byte_aligner.h"

#include <algorithm>

#include "compare/anchor_search.h"
#include "compare/gap_aligner.h"

namespace orvel {
namespace {

// Equal bytes are skipped this many at a time between two stop checks.
constexpr Offset kSkipBlock = Offset{1} << 18;
// The first round of the anchor search looks this far into each file.
constexpr Offset kFirstRadius = 64;

// Rounds grow fourfold while every window is searched, then sixteenfold, since a
// sampled round costs its length whatever it finds.
Offset NextRadius(Offset radius, Offset window) {
    return std::min(radius * (radius < AnchorSearch::kExactLength ? 4 : 16), window);
}

Offset WindowOf(const AlignOptions& options) {
    return std::clamp(options.window, kMinAlignWindow, kMaxAlignWindow);
}

// One aligned comparison: the two positions that are in step, and the tables
// its searches reuse.
class Aligner {
  public:
    Aligner(BlockReader& first, BlockReader& second, const EditSink& sink,
            const AlignOptions& options, const StopCheck& stop, std::atomic<Offset>* progress)
        : readers_{&first, &second},
          sink_(sink),
          window_(WindowOf(options)),
          stop_(stop),
          progress_(progress) {
        result_.size1 = first.size();
        result_.size2 = second.size();
    }

    AlignResult Run() {
        for (;;) {
            if (!SkipEqual())
                return result_;
            const Offset restA = result_.size1 - posA_;
            const Offset restB = result_.size2 - posB_;
            if (restA == 0 || restB == 0) {
                const AlignedEdit tail{
                    restA > 0 ? AlignedEditKind::kDelete : AlignedEditKind::kInsert, posA_, posB_,
                    std::max(restA, restB)};
                if (tail.length > 0 && !Emit(tail))
                    return result_;
                posA_ = result_.size1;
                posB_ = result_.size2;
                Reached();
                result_.outcome = AlignOutcome::kFinished;
                return result_;
            }
            if (!Resync())
                return result_;
        }
    }

  private:
    // Moves both positions over the bytes that agree; false on a stop or failure.
    bool SkipEqual() {
        while (posA_ < result_.size1 && posB_ < result_.size2) {
            std::span<const std::uint8_t> a;
            std::span<const std::uint8_t> b;
            if (Stopped() || !Read(0, posA_, kSkipBlock, a) || !Read(1, posB_, kSkipBlock, b))
                return false;
            const auto n = static_cast<Offset>(std::min(a.size(), b.size()));
            const Offset mismatch = FindFirstMismatch(a.data(), b.data(), 0, n);
            const Offset step = mismatch >= 0 ? mismatch : n;
            posA_ += step;
            posB_ += step;
            if (mismatch >= 0)
                return true;
        }
        return true;
    }

    // From a differing byte with both files going on: finds the anchor and hands
    // on the edits before it, or compares a window's worth in place.
    bool Resync() {
        const Offset restA = result_.size1 - posA_;
        const Offset restB = result_.size2 - posB_;
        for (Offset radius = std::min(kFirstRadius, window_);;
             radius = NextRadius(radius, window_)) {
            std::span<const std::uint8_t> a;
            std::span<const std::uint8_t> b;
            const Offset span = radius + kAnchorLength - 1;
            if (Stopped() || !Read(0, posA_, span, a) || !Read(1, posB_, span, b))
                return false;
            const bool wholeRest =
                static_cast<Offset>(a.size()) == restA && static_cast<Offset>(b.size()) == restB;
            const bool last = radius >= window_ || wholeRest;
            const auto anchor = search_.Find(a, b);
            if (anchor && (anchor->first + anchor->second < radius || last))
                return Bridge(a.first(static_cast<std::size_t>(anchor->first)),
                              b.first(static_cast<std::size_t>(anchor->second)));
            if (wholeRest)
                return Bridge(a, b);
            if (last) {
                const Offset stretch = std::min({window_, restA, restB});
                ++result_.unalignedStretches;
                result_.unalignedBytes += stretch;
                return Bridge(a.first(static_cast<std::size_t>(stretch)),
                              b.first(static_cast<std::size_t>(stretch)), false);
            }
        }
    }

    // Hands on the edits of the gap a, b at the positions and moves past it.
    bool Bridge(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                bool align = true) {
        const bool ok = align ? gaps_.Align(a, b, posA_, posB_, emit_)
                              : EmitChangedRuns(a, b, posA_, posB_, emit_);
        posA_ += static_cast<Offset>(a.size());
        posB_ += static_cast<Offset>(b.size());
        return ok;
    }

    bool Emit(const AlignedEdit& edit) {
        ++result_.edits;
        switch (edit.kind) {
            case AlignedEditKind::kChange:
                result_.changed += edit.length;
                break;
            case AlignedEditKind::kDelete:
                result_.deleted += edit.length;
                break;
            case AlignedEditKind::kInsert:
                result_.inserted += edit.length;
                break;
        }
        if (sink_ && !sink_(edit)) {
            result_.outcome = AlignOutcome::kStopped;
            return false;
        }
        return true;
    }

    bool Read(int side, Offset pos, Offset length, std::span<const std::uint8_t>& out) {
        if (readers_[side]->Read(pos, length, out))
            return true;
        result_.outcome = AlignOutcome::kReadFailed;
        result_.failedFile = side == 0 ? ComparedFile::kFirst : ComparedFile::kSecond;
        return false;
    }

    bool Stopped() {
        Reached();
        if (!stop_ || !stop_())
            return false;
        result_.outcome = AlignOutcome::kStopped;
        return true;
    }

    void Reached() {
        if (progress_ != nullptr)
            progress_->store(posA_ + posB_, std::memory_order_relaxed);
    }

    BlockReader* readers_[2];
    const EditSink& sink_;
    const EditSink emit_ = [this](const AlignedEdit& edit) { return Emit(edit); };
    const Offset window_;
    const StopCheck& stop_;
    std::atomic<Offset>* progress_;
    AnchorSearch search_;
    GapAligner gaps_;
    AlignResult result_;
    Offset posA_ = 0;
    Offset posB_ = 0;
};

}  // namespace

AlignResult AlignBlocks(BlockReader& first, BlockReader& second, const EditSink& sink,
                        const AlignOptions& options, const StopCheck& stop,
                        std::atomic<Offset>* progress) {
    return Aligner(first, second, sink, options, stop, progress).Run();
}

AlignResult AlignBytes(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                       const EditSink& sink, const AlignOptions& options, const StopCheck& stop,
                       std::atomic<Offset>* progress) {
    MemoryBlockReader a(first);
    MemoryBlockReader b(second);
    return AlignBlocks(a, b, sink, options, stop, progress);
}

std::string UnalignedNoteText(const AlignResult& result, const AlignOptions& options) {
    if (result.unalignedStretches == 0)
        return {};
    const std::string places = result.unalignedStretches == 1
                                   ? "In 1 place"
                                   : "In " + std::to_string(result.unalignedStretches) + " places";
    return places + " no alignment was found within " + std::to_string(WindowOf(options)) +
           " bytes; " + std::to_string(result.unalignedBytes) +
           " bytes there were compared byte for byte.";
}

std::string AlignSummaryText(const AlignResult& result, const AlignOptions& options) {
    const auto bytes = [](Offset n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); };
    std::string text = "Aligned comparison: " + bytes(result.changed) + " changed, " +
                       bytes(result.deleted) + " only in file1, " + bytes(result.inserted) +
                       " only in file2.";
    const std::string note = UnalignedNoteText(result, options);
    if (!note.empty())
        text += "\n" + note;
    return text;
}

}  // namespace orvel
