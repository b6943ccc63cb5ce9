#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// The marking worker's side of painting: collects the runs a scan finds into
// paint requests of bounded size and hands each to `send` (which applies it on
// the GUI thread and waits). A run is cut into pieces of at most
// kMaxRequestBytes, and the stop flag is asked before each piece is taken, so
// a stop ends painting after at most one request's worth of work. Pieces taken
// before a stop are still sent: what was scanned before the stop gets painted.
// A request is also sent once its first piece is kMaxRequestAge old, so the
// colours appear while a long scan goes on. Used on one thread.
class RunBatcher {
  public:
    using Send = std::function<bool(std::vector<PaintRun>&&)>;  // false ends the run
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr Offset kMaxRequestBytes = Offset{1} << 22;
    static constexpr std::size_t kMaxRequestRuns = 1 << 14;
    static constexpr std::chrono::milliseconds kMaxRequestAge{20};

    RunBatcher(Send send, std::function<bool()> stopAsked, Clock clock = {});

    // Takes a run; false once a stop was asked or a send failed.
    [[nodiscard]] bool Add(const PaintRun& run);
    // Sends what is held; false when the send failed.
    [[nodiscard]] bool Flush();
    // For a scan's stop check: sends a request that has waited too long, then
    // tells whether the scan must end.
    [[nodiscard]] bool StopNow();

    // Adapters for the core scans.
    [[nodiscard]] RunSink Sink() {
        return [this](const PaintRun& run) { return Add(run); };
    }
    [[nodiscard]] StopCheck Stop() {
        return [this] { return StopNow(); };
    }

  private:
    [[nodiscard]] bool Take(const PaintRun& piece);

    Send send_;
    std::function<bool()> stopAsked_;
    Clock clock_;
    std::vector<PaintRun> pending_;
    Offset pendingBytes_ = 0;
    std::chrono::steady_clock::time_point firstPending_{};
    bool failed_ = false;
};

}  // namespace orvel
