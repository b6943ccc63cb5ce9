#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"
#include "view/mark_color.h"

namespace orvel {

// Shared pieces of the marking scans. Every scan hands its runs to a RunSink
// and asks a StopCheck between pieces of work, so a run on a 4 GiB block stays
// stoppable within a few milliseconds. An empty StopCheck never stops.

// Returned by FindInBlock when the stop check asked to end.
inline constexpr Offset kStopped = -2;

// The first position i in [from, lastStart] at which `pattern` occurs, or
// kNotFound, or kStopped. `bytes` must hold lastStart + pattern.size() bytes
// when the range is not empty. The stop check is asked before each slice of
// about a millisecond of searching.
[[nodiscard]] Offset FindInBlock(std::span<const std::uint8_t> bytes,
                                 std::span<const std::uint8_t> pattern, Offset from,
                                 Offset lastStart, const StopCheck& stop);

[[nodiscard]] inline bool StopAsked(const StopCheck& stop) {
    return stop && stop();
}

// Joins runs of one colour that touch or overlap before they reach the sink,
// so that a value occurring in every byte gives one run, not millions.
// Runs must come with non-decreasing `first`.
class RunMerger {
  public:
    explicit RunMerger(const RunSink& sink) : sink_(sink) {}

    // False once the sink has asked to end.
    [[nodiscard]] bool Add(Offset first, Offset last, MarkColor color);
    // Hands over the run still held; false when the sink asked to end.
    [[nodiscard]] bool Flush();

  private:
    const RunSink& sink_;
    PaintRun pending_{0, -1, MarkColor::kBlack};
    bool holding_ = false;
};

}  // namespace orvel
