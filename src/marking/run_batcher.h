#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// A run of a paint request and the target it is painted in: a comparison's
// pane (0 the first, 1 the second); a marking run has the one target 0.
struct BatchedRun {
    PaintRun run;
    int target = 0;
    friend bool operator==(const BatchedRun&, const BatchedRun&) = default;
};

// A worker's side of painting (the marking and the compare worker): collects
// the runs a scan finds into paint requests of bounded size and hands each to
// `send` (which applies it on the GUI thread and waits). A run is cut into
// pieces of at most kMaxRequestBytes, and the stop flag is asked before each
// piece is taken, so a stop ends painting after at most one request's worth of
// work. Pieces taken before a stop are still sent: what was scanned before the
// stop gets painted. A request is also sent once its first piece is
// kMaxRequestAge old, so the colours appear while a long scan goes on. Runs
// keep their order across targets. Used on one thread.
class RunBatcher {
  public:
    using Send = std::function<bool(std::vector<BatchedRun>&&)>;  // false ends the run
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr Offset kMaxRequestBytes = Offset{1} << 22;
    static constexpr std::size_t kMaxRequestRuns = 1 << 14;
    static constexpr std::chrono::milliseconds kMaxRequestAge{20};

    // An empty `stopAsked` never asks to stop (the scan watches the flag).
    RunBatcher(Send send, std::function<bool()> stopAsked, Clock clock = {});

    // Takes a run for `target`; false once a stop was asked or a send failed.
    [[nodiscard]] bool Add(const PaintRun& run, int target = 0);
    // Sends what is held; false when the send failed.
    [[nodiscard]] bool Flush();
    // For a scan's stop check: sends a request that has waited too long, then
    // tells whether the scan must end.
    [[nodiscard]] bool StopNow();

    // Adapters for the core scans.
    [[nodiscard]] RunSink Sink(int target = 0) {
        return [this, target](const PaintRun& run) { return Add(run, target); };
    }
    [[nodiscard]] StopCheck Stop() {
        return [this] { return StopNow(); };
    }

  private:
    [[nodiscard]] bool Take(const BatchedRun& piece);
    [[nodiscard]] bool StopAsked() const { return stopAsked_ && stopAsked_(); }

    Send send_;
    std::function<bool()> stopAsked_;
    Clock clock_;
    std::vector<BatchedRun> pending_;
    Offset pendingBytes_ = 0;
    std::chrono::steady_clock::time_point firstPending_{};
    bool failed_ = false;
};

}  // namespace orvel
