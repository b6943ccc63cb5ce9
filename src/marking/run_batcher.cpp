#include "marking/run_batcher.h"

#include <algorithm>
#include <utility>

namespace orvel {

RunBatcher::RunBatcher(Send send, std::function<bool()> stopAsked, Clock clock)
    : send_(std::move(send)), stopAsked_(std::move(stopAsked)), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] { return std::chrono::steady_clock::now(); };
}

bool RunBatcher::Add(const PaintRun& run, int target) {
    const Offset first = std::min(run.first, run.last);
    const Offset last = std::max(run.first, run.last);
    for (Offset from = first; from <= last;) {
        if (failed_ || StopAsked())
            return false;
        const Offset to = last - from >= kMaxRequestBytes ? from + kMaxRequestBytes - 1 : last;
        BatchedRun piece{run, target};
        piece.run.first = from;
        piece.run.last = to;
        if (!Take(piece))
            return false;
        if (to == last)
            break;
        from = to + 1;
    }
    return !failed_;
}

bool RunBatcher::Take(const BatchedRun& piece) {
    if (pending_.empty())
        firstPending_ = clock_();
    pending_.push_back(piece);
    pendingBytes_ += piece.run.last - piece.run.first + 1;
    // The clock is read only now and then: a scan may hand over a run per byte.
    if (pendingBytes_ >= kMaxRequestBytes || pending_.size() >= kMaxRequestRuns ||
        (pending_.size() % 256 == 0 && clock_() - firstPending_ >= kMaxRequestAge))
        return Flush();
    return true;
}

bool RunBatcher::Flush() {
    if (failed_)
        return false;
    if (pending_.empty())
        return true;
    std::vector<BatchedRun> request;
    request.swap(pending_);
    pendingBytes_ = 0;
    failed_ = !send_(std::move(request));
    return !failed_;
}

bool RunBatcher::StopNow() {
    if (!pending_.empty() && clock_() - firstPending_ >= kMaxRequestAge && !Flush())
        return true;
    return failed_ || StopAsked();
}

}  // namespace orvel
